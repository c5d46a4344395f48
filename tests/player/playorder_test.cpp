#include "player/playorder.h"
#include "player/playorderrandom.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

using namespace klangtruhe;
using klangtruhe::test::ScriptedRandom;

namespace {

const TrackChoice kEnd = TrackChoice::endOfList();
TrackChoice take(int track) { return TrackChoice::take(track); }

// Plays a whole list from `first` the way the sequencing tick does.
QList<int> playInOrder(int first, int count, bool repeat, int ticks)
{
    QList<int> played{first};
    int current = first;
    for (int i = 0; i < ticks; ++i) {
        const TrackChoice next = nextTrackInOrder(current, count, repeat);
        if (!next.taken())
            break;
        current = next.track;
        played.append(current);
    }
    return played;
}

} // namespace

TEST(PlayOrder, TrackListInOrderEndsOrWrapsWithRepeat)
{
    EXPECT_EQ(playInOrder(0, 3, false, 10), (QList<int>{0, 1, 2}));
    EXPECT_EQ(nextTrackInOrder(2, 3, false), kEnd);
    EXPECT_EQ(playInOrder(0, 3, true, 4), (QList<int>{0, 1, 2, 0, 1}));
    // A single track repeats itself.
    EXPECT_EQ(nextTrackInOrder(0, 1, true), take(0));
}

TEST(PlayOrder, RandomTracksNeverDrawIndexZero)
{
    // Two files: every draw gives 1; 0 comes only from the scan once 1 has played.
    for (double r : {0.0, 0.5, 0.999999}) {
        ScriptedRandom random({r});
        QList<int> played{1, 0}; // Start marked track 0
        EXPECT_EQ(nextRandomTrack(played, 2, false, random, 100.0), take(1));
        EXPECT_EQ(played, (QList<int>{1, 1}));
        EXPECT_EQ(nextRandomTrack(played, 2, false, random, 101.0), kEnd);
        EXPECT_EQ(played, (QList<int>{0, 0})) << "all played: the marks start afresh";
    }
    ScriptedRandom random({0.3});
    QList<int> played{0, 1};
    EXPECT_EQ(nextRandomTrack(played, 2, true, random, 1.0), take(0)) << "scan from index 0";
    EXPECT_EQ(random.seeds, (QList<double>{1.0})) << "reseeded from the clock before the draw";

    // Candidate = trunc(float(n - 1) * float(r) + 1); r that rounds to 1.0f is no track.
    ScriptedRandom late({0.74, 0.75, 0.99999999});
    QList<int> five(5, 0);
    EXPECT_EQ(nextRandomTrack(five, 5, false, late, 0), take(3));
    EXPECT_EQ(nextRandomTrack(five, 5, false, late, 0), take(4));
    EXPECT_EQ(nextRandomTrack(five, 5, false, late, 0), take(0)) << "candidate 5 falls back to the scan";
}

TEST(PlayOrder, PlaylistInOrderSkipsUncheckedItems)
{
    const QList<bool> checked{true, false, true, false}; // items 1..4
    EXPECT_EQ(nextPlaylistItemInOrder(0, checked, false), take(3)) << "0 counts as item 1";
    EXPECT_EQ(nextPlaylistItemInOrder(3, checked, false), kEnd) << "no checked item after 3";
    EXPECT_EQ(nextPlaylistItemInOrder(3, checked, true), take(1));
    EXPECT_EQ(nextPlaylistItemInOrder(4, checked, false), kEnd);
    EXPECT_EQ(nextPlaylistItemInOrder(2, {false, false, false, false}, true), take(1));
}

TEST(PlayOrder, RandomPlaylistItemsAreCheckedAndUnplayed)
{
    const QList<bool> checked{true, false, true, true}; // items 1..4
    QList<int> played(5, 0);                            // element 0 unused
    ScriptedRandom random({0.5, 0.4, 0.0, 0.9});
    // trunc(r * 3 + 1): 0.5 -> 2 (unchecked) -> scan -> 1
    EXPECT_EQ(nextRandomPlaylistItem(played, checked, false, random, 0), take(1));
    EXPECT_EQ(nextRandomPlaylistItem(played, checked, false, random, 0), take(3)); // 0.4 -> 2 -> scan
    EXPECT_EQ(nextRandomPlaylistItem(played, checked, false, random, 0), take(4)); // 0.0 -> 1 played
    EXPECT_EQ(played, (QList<int>{0, 1, 0, 1, 1}));
    EXPECT_EQ(nextRandomPlaylistItem(played, checked, false, random, 0), kEnd);
    EXPECT_EQ(played, (QList<int>{0, 0, 0, 0, 0}));

    played = {0, 1, 0, 1, 1};
    EXPECT_EQ(nextRandomPlaylistItem(played, checked, true, random, 0), take(1));
    EXPECT_EQ(played, (QList<int>{0, 1, 0, 0, 0}));
    // Nothing checked ends at once instead of searching for ever.
    QList<int> none(4, 0);
    EXPECT_EQ(nextRandomPlaylistItem(none, {false, false, false}, false, random, 0), kEnd);
}

TEST(PlayOrder, ExcludedEntryEndsTheListInsteadOfLoopingForEver)
{
    int current = 0;
    int choices = 0;
    const auto inOrderWithRepeat = [&] {
        ++choices;
        const TrackChoice next = nextTrackInOrder(current, 3, true);
        current = next.track;
        return next;
    };
    const int limit = exclusionRetryLimit(3, 1);
    EXPECT_EQ(chooseAllowed(inOrderWithRepeat, [] { return true; }, limit), kEnd);
    EXPECT_EQ(choices, limit + 1);

    choices = 0;
    int excludedChoices = 2;
    EXPECT_EQ(chooseAllowed(inOrderWithRepeat, [&] { return excludedChoices-- > 0; }, limit), take(0));
    EXPECT_EQ(choices, 3);
    // The end of the list is not an excluded choice.
    EXPECT_EQ(chooseAllowed([] { return kEnd; }, [] { return true; }, limit), kEnd);
}
