#include "player/playmodes.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

constexpr CheckBoxState kOffDisabled{false, false};
constexpr CheckBoxState kOffEnabled{false, true};
constexpr CheckBoxState kOnEnabled{true, true};

} // namespace

TEST(PlayModes, AlleTracksOpensItsOptionsAndClosesTheOthers)
{
    const PlayModeClick on = clickPlayMode(PlayModes{}, PlayModeBox::AlleTracks, true);
    EXPECT_EQ(on.modes.chkAlleTracks, kOnEnabled);
    EXPECT_EQ(on.modes.chkTracksZufaellig, kOffEnabled);
    EXPECT_EQ(on.modes.chkTracksAnspielen, kOffEnabled);
    EXPECT_EQ(on.modes.chkRepeat, kOffEnabled);
    EXPECT_EQ(on.modes.chkMarkTracks, kOffDisabled);
    EXPECT_EQ(on.modes.chkShuffle, kOffDisabled);
    EXPECT_FALSE(on.effects.timer1Off);
    EXPECT_TRUE(on.modes.sequencing());

    PlayModes ticked = on.modes;
    ticked.chkTracksZufaellig.value = true;
    ticked.chkRepeat.value = true;
    const PlayModeClick off = clickPlayMode(ticked, PlayModeBox::AlleTracks, false);
    EXPECT_TRUE(off.effects.timer1Off);
    // Random tracks keeps its tick, only greyed; Repeat is cleared.
    EXPECT_EQ(off.modes.chkTracksZufaellig, (CheckBoxState{true, false}));
    EXPECT_EQ(off.modes.chkRepeat, kOffDisabled);
    EXPECT_EQ(off.modes.chkMarkTracks, kOffEnabled);
    EXPECT_EQ(off.modes.chkShuffle, kOffEnabled);
    EXPECT_FALSE(off.modes.sequencing());
}

TEST(PlayModes, MarkTracksAndShuffleInterlocks)
{
    const PlayModeClick mark = clickPlayMode(PlayModes{}, PlayModeBox::MarkTracks, true);
    EXPECT_TRUE(mark.effects.aktuellerTrackToZero);
    EXPECT_EQ(mark.modes.chkRepeat, kOffEnabled);
    EXPECT_EQ(mark.modes.chkTracksAnspielen, kOffEnabled);
    EXPECT_EQ(mark.modes.chkAlleTracks, kOffDisabled);
    EXPECT_EQ(mark.modes.chkShuffle, kOffDisabled);

    PlayModes intro = mark.modes;
    intro.chkTracksAnspielen.value = true;
    const PlayModeClick unmark = clickPlayMode(intro, PlayModeBox::MarkTracks, false);
    EXPECT_TRUE(unmark.effects.timer1Off);
    EXPECT_EQ(unmark.modes, PlayModes{}) << "back to the state at program start";

    const PlayModeClick shuffle = clickPlayMode(PlayModes{}, PlayModeBox::Shuffle, true);
    EXPECT_TRUE(shuffle.effects.askSongsPerEntry);
    EXPECT_EQ(shuffle.modes.chkTracksAnspielen, kOffEnabled);
    EXPECT_EQ(shuffle.modes.chkAlleTracks, kOffDisabled);
    EXPECT_EQ(shuffle.modes.chkMarkTracks, kOffDisabled);
    EXPECT_EQ(shuffle.modes.chkRepeat, kOffDisabled);

    PlayModes shuffleIntro = shuffle.modes;
    shuffleIntro.chkTracksAnspielen.value = true;
    const PlayModeClick unshuffle = clickPlayMode(shuffleIntro, PlayModeBox::Shuffle, false);
    EXPECT_TRUE(unshuffle.effects.timer1Off);
    EXPECT_TRUE(unshuffle.effects.songsToOneAndStop);
    EXPECT_EQ(unshuffle.modes.chkTracksAnspielen, (CheckBoxState{true, false}));
    EXPECT_EQ(unshuffle.modes.chkAlleTracks, kOffEnabled);
    EXPECT_EQ(unshuffle.modes.chkMarkTracks, kOffEnabled);

    EXPECT_TRUE(clickPlayMode(shuffle.modes, PlayModeBox::TracksAnspielen, true).effects.askIntroTime);
    EXPECT_FALSE(clickPlayMode(shuffleIntro, PlayModeBox::TracksAnspielen, false).effects.askIntroTime);
}
