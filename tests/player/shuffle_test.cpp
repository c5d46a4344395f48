#include "player/playorderrandom.h"
#include "player/shuffle.h"
#include "scriptedrandom.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace klangtruhe;
using klangtruhe::test::ScriptedRandom;

namespace {

using Kind = EntryChoice::Kind;

// The exclusion test as the player runs it: case-sensitive substring tests
// of the style cell, then of the band cell.
struct Catalogue {
    QStringList styles, bands;
    QStringList excludedStyles, excludedBands;
    QList<int> tested;

    RowExclusion operator()(int row)
    {
        tested.append(row);
        for (const QString &item : excludedStyles) {
            if (styles.at(row - 1).contains(item))
                return RowExclusion::StyleRejected;
        }
        for (const QString &item : excludedBands) {
            if (bands.at(row - 1).contains(item))
                return RowExclusion::BandRejected;
        }
        return RowExclusion::Allowed;
    }
};

EntryChoice choose(Catalogue &catalogue, int songsPerEntry, int counter, RandomSource &random)
{
    return chooseShuffleEntry(static_cast<int>(catalogue.styles.size()), songsPerEntry, counter,
                              [&](int row) { return catalogue(row); }, random, 3600.0);
}

} // namespace

TEST(Shuffle, StaysOnAnEntryForItsSongsThenDrawsAnew)
{
    Catalogue catalogue{{"Rock", "Jazz", "Pop", "Blues"}, {"A", "B", "C", "D"}, {}, {}, {}};
    ScriptedRandom random({0.3, 0.9});
    // The settings loader starts the counter at songs per entry, so the first call draws.
    int counter = 3;
    EntryChoice choice = choose(catalogue, 3, counter, random);
    EXPECT_EQ(choice.kind, Kind::NewEntry);
    EXPECT_EQ(choice.row, 2); // trunc(0.3 * 4 + 1)
    EXPECT_EQ(random.seeds, (QList<double>{-3600.0})) << "reseeded with the negated time of day";
    counter = choice.songsAufTontraeger;
    for (int call = 2; call <= 3; ++call) {
        choice = choose(catalogue, 3, counter, random);
        EXPECT_EQ(choice.kind, Kind::SameEntry);
        EXPECT_EQ(choice.songsAufTontraeger, call);
        counter = choice.songsAufTontraeger;
    }
    EXPECT_EQ(random.drawn, 1);
    choice = choose(catalogue, 3, counter, random);
    EXPECT_EQ(choice.kind, Kind::NewEntry);
    EXPECT_EQ(choice.row, 4);
    EXPECT_EQ(choice.songsAufTontraeger, 1);

    Catalogue empty;
    EXPECT_EQ(choose(empty, 1, 1, random).kind, Kind::NoEntries);
}

TEST(Shuffle, ExcludedEntriesAreDrawnAgainAtMostOncePerEntry)
{
    Catalogue catalogue{{"Rock/Pop", "Jazz", "rock", "Blues"}, {"A", "B", "C", "D"}, {"Rock"}, {}, {}};
    ScriptedRandom random({0.1, 0.3, 0.6});
    EntryChoice choice = choose(catalogue, 1, 1, random);
    EXPECT_EQ(choice.kind, Kind::NewEntry);
    EXPECT_EQ(choice.row, 2) << "Rock/Pop rejected, Jazz taken";

    // All five rejected for their style: the notice after five draws.
    Catalogue allRock{{"Rock", "Rock", "Hard Rock", "Rock", "Rock"}, {"A", "B", "C", "D", "E"}, {"Rock"}, {}, {}};
    ScriptedRandom five({0.0, 0.2, 0.4, 0.6, 0.8, 0.1});
    choice = choose(allRock, 1, 1, five);
    EXPECT_EQ(choice.kind, Kind::StyleNotice);
    EXPECT_EQ(allRock.tested, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(choice.row, 5);

    // Band rejections count on their own; the band notice also needs n of them.
    Catalogue bands{{"Jazz", "Pop", "Rock"}, {"Abba", "Beatles", "Abba Tribute"}, {"Rock"}, {"Abba"}, {}};
    ScriptedRandom mixed({0.0, 0.9, 0.0, 0.0});
    choice = choose(bands, 1, 1, mixed);
    EXPECT_EQ(choice.kind, Kind::BandNotice);
    EXPECT_EQ(bands.tested, (QList<int>{1, 3, 1, 1})) << "row 3 is a style rejection, not a band one";
}

TEST(Shuffle, SongDrawNeverTakesFileZero)
{
    ScriptedRandom random({0.0, 0.5, 0.99999999});
    EXPECT_EQ(chooseShuffleSong(1, random, 10.0), -1) << "a single file stays current";
    EXPECT_EQ(chooseShuffleSong(0, random, 10.0), -1);
    EXPECT_EQ(random.drawn, 0);
    EXPECT_EQ(chooseShuffleSong(2, random, 10.0), 1);
    EXPECT_EQ(chooseShuffleSong(2, random, 10.0), 1);
    EXPECT_EQ(chooseShuffleSong(2, random, 10.0), 1) << "r rounding to 1.0f stays on the last file";
    EXPECT_EQ(random.seeds, (QList<double>{-10.0, -10.0, -10.0}));

    ScriptedRandom fine({0.0, 0.49, 0.5, 0.999});
    QList<int> songs;
    for (int i = 0; i < 4; ++i)
        songs.append(chooseShuffleSong(5, fine, 0));
    EXPECT_EQ(songs, (QList<int>{1, 2, 3, 4}));
}

TEST(Shuffle, ReseedingFromTheClockMovesOnAndKeepsTheDrawsEven)
{
    MersenneRandom random(7);
    random.reseed(1234.5);
    const double first = random.next();
    random.reseed(1234.5); // the same clock value again must not repeat the draw
    EXPECT_NE(random.next(), first);

    // The player reseeds before every draw with times a few seconds apart;
    // the seeding must not tie the draw to the clock.
    int counts[3] = {0, 0, 0};
    const int draws = 3000;
    for (int i = 0; i < draws; ++i) {
        const int song = chooseShuffleSong(3, random, 36000.0 + i * 2.5);
        ASSERT_TRUE(song >= 1 && song <= 2) << song;
        ++counts[song];
    }
    EXPECT_NEAR(counts[1], draws / 2, draws / 20) << counts[1] << " of " << draws;
}
