#include "player/playmodes.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

constexpr PlayModeBox kBoxes[] = {PlayModeBox::AlleTracks,      PlayModeBox::MarkTracks, PlayModeBox::TracksZufaellig,
                                  PlayModeBox::TracksAnspielen, PlayModeBox::Repeat,     PlayModeBox::Shuffle};

// The six boxes in the order above, one letter each: X ticked, O not ticked;
// a small letter for a greyed box.
std::string boxes(const PlayModes &modes)
{
    std::string text;
    for (PlayModeBox which : kBoxes) {
        const CheckBoxState &box = modes.box(which);
        text += box.enabled ? (box.value ? 'X' : 'O') : (box.value ? 'x' : 'o');
    }
    return text;
}

PlayModes modesOf(const std::string &text)
{
    PlayModes modes;
    for (size_t i = 0; i < text.size(); ++i)
        modes.box(kBoxes[i]) = {text[i] == 'X' || text[i] == 'x', text[i] == 'X' || text[i] == 'O'};
    return modes;
}

// T Timer1 off, Z current track to 0, S ask songs per entry, O songs to one and stop, I ask the intro time.
std::string effects(const PlayModeEffects &e)
{
    return std::string(e.timer1Off ? "T" : "") + (e.aktuellerTrackToZero ? "Z" : "") + (e.askSongsPerEntry ? "S" : "")
         + (e.songsToOneAndStop ? "O" : "") + (e.askIntroTime ? "I" : "");
}

} // namespace

TEST(PlayModes, EachClickOpensItsOptionsAndClosesTheOthers)
{
    ASSERT_EQ(boxes(PlayModes{}), "OOoooO") << "the state at program start";
    const struct {
        const char *before;
        PlayModeBox box;
        bool value;
        const char *after, *effects;
    } clicks[] = {
        {"OOoooO", PlayModeBox::AlleTracks, true, "XoOOOo", ""},
        // Random tracks keeps its tick, only greyed: the sequencing tick still reads it. Repeat is cleared.
        {"XoXOXo", PlayModeBox::AlleTracks, false, "OOxooO", "T"},
        {"OOoooO", PlayModeBox::MarkTracks, true, "oXoOOo", "Z"},
        {"oXoXOo", PlayModeBox::MarkTracks, false, "OOoooO", "T"},
        {"OOoooO", PlayModeBox::Shuffle, true, "oooOoX", "S"},
        {"oooXoX", PlayModeBox::Shuffle, false, "OOoxoO", "TO"},
        {"oooOoX", PlayModeBox::TracksAnspielen, true, "oooXoX", "I"},
        {"oooXoX", PlayModeBox::TracksAnspielen, false, "oooOoX", ""},
    };
    for (const auto &c : clicks) {
        SCOPED_TRACE(std::string(c.before) + " " + std::to_string(int(c.box)) + (c.value ? " on" : " off"));
        const PlayModeClick click = clickPlayMode(modesOf(c.before), c.box, c.value);
        EXPECT_EQ(boxes(click.modes), c.after);
        EXPECT_EQ(effects(click.effects), c.effects);
    }
    EXPECT_TRUE(modesOf("XoOOOo").sequencing());
    EXPECT_TRUE(modesOf("oXoOOo").sequencing());
    EXPECT_FALSE(modesOf("OOxXoO").sequencing()) << "random tracks and intro scan alone play one track";
}
