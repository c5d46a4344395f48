#include "sequencerfixture.h"

#include "player/playmodedialogs.h"
#include "player/shuffle.h"

#include <QRegularExpression>

using namespace klangtruhe;
using namespace klangtruhe::test;

using ShuffleControlTest = SequencerFixture;

TEST_F(ShuffleControlTest, OnlyExcludedStylesStopShufflingWithTheNotice)
{
    for (int i = 1; i <= 5; ++i)
        host.entries.append({QStringLiteral("Band %1").arg(i), QStringLiteral("Jazz")});
    host.styles = {""}; // an empty item matches every style
    host.row = 1;
    host.modes.chkShuffle = {true, true};
    sequencer().Timer1_Timer();

    EXPECT_EQ(dialogs.messages,
              QStringList({"Bedienungshinweis (TontraegerZufaellig)|" + kStilAusgeschlossenText}));
    EXPECT_TRUE(program.StilAusgeschlossen);
    EXPECT_FALSE(host.timer1);
    EXPECT_TRUE(host.log.filter(QRegularExpression("Start|Stop")).isEmpty());

    // Blocked until the selection changes: the tick and the button only say so.
    host.timer1 = true;
    sequencer().Timer1_Timer();
    sequencer().shuffle().imgLiedzufall_Click();
    EXPECT_EQ(dialogs.messages.mid(1), QStringList({"Bedienungshinweis (Timer1)|" + kStilAusgeschlossenText,
                                                    "Bedienungshinweis (imgLiedzufall_Click)|" + kStilAusgeschlossenText}));
    EXPECT_EQ(host.moves, 5) << "no entry drawn again";
}

TEST_F(ShuffleControlTest, OnlyExcludedBandsGiveTheBandNoticeAndStop)
{
    host.entries = {{"Heino", "Schlager"}, {"Heino", "Volksmusik"}};
    host.bands = {"Heino"};
    host.row = 1;
    host.modes.chkShuffle = {true, true};
    sequencer().Timer1_Timer();
    EXPECT_EQ(dialogs.messages, QStringList({"Bedienungshinweis|" + kBandAusgeschlossenText}));
    EXPECT_FALSE(program.StilAusgeschlossen);
    EXPECT_EQ(host.log.filter(QRegularExpression("Start|Stop")), QStringList({"Stop"}));
}

TEST_F(ShuffleControlTest, SongsPerEntryComeFromTheSettingAndOnlyADrawnSongIsMarked)
{
    host.entries = {{"A", "Jazz", 1}, {"B", "Jazz", 1}};
    setting(keys::ShuffleSongProCD, QStringLiteral("3"));
    random = ScriptedRandom({0.6});
    ShuffleControl &shuffle = sequencer().shuffle();
    EXPECT_EQ(shuffle.SongsAufTontraeger, 3); // the first call draws
    for (int call = 0; call < 4; ++call)
        shuffle.TontraegerZufaellig();
    EXPECT_EQ(host.moves, 2); // calls 1 and 4
    // A single file stays the current track and is not marked.
    EXPECT_EQ(program.AktuellerTrack, 0);
    EXPECT_TRUE(host.marks.isEmpty());

    // Two files: file 1 plays, file 0 is unmarked.
    host.entries = {{"C", "Jazz", 2}};
    shuffle.SongsAufTontraeger = 3;
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(program.AktuellerTrack, 1);
    EXPECT_TRUE(host.marks.value(1));
    EXPECT_FALSE(host.marks.value(0, true));
}

TEST_F(ShuffleControlTest, PlaylistItemStartsOnlyWhileSomethingPlays)
{
    program.PlaylistModus = true;
    host.checked = {false, true, true};
    host.gespielt = {0, 0, 0, 0};
    random = ScriptedRandom({0.0});
    ShuffleControl &shuffle = sequencer().shuffle();
    host.status = QStringLiteral("no play");
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(program.AktuellerTrack, 2);
    EXPECT_TRUE(host.log.isEmpty());
    host.status = QStringLiteral("playing:  x");
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(host.log, QStringList({"Start 3"}));
    // Every checked item played, no Repeat: Stop after 500 ms.
    host.log.clear();
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(host.log, QStringList({"sleep 500", "Stop"}));
}

TEST_F(ShuffleControlTest, SwitchingShuffleOnAsksUnlessStartedWithArgument)
{
    program.startedWithArgument = true;
    host.timer1 = false;
    sequencer().playModeClicked(PlayModeBox::Shuffle, true);
    EXPECT_TRUE(dialogs.inputs.isEmpty());
    EXPECT_FALSE(program.startedWithArgument);
    EXPECT_TRUE(host.modes.chkShuffle.value);
    EXPECT_FALSE(host.modes.chkAlleTracks.enabled);

    dialogs.answers = {"3"};
    sequencer().playModeClicked(PlayModeBox::Shuffle, true);
    EXPECT_EQ(dialogs.inputs,
              QStringList({"Songs pro Datenträger|Bei der Shuffle-Funktion können Sie pro Datenträger mehrere "
                           "Songs abspielen lassen!\r\n\r\nWieviele Songs pro Datenträger abspielen?|1"}));
    EXPECT_EQ(program.settings.read(keys::ShuffleSongProCD), "3");

    sequencer().shuffle().SongsAufTontraeger = 2;
    host.timer1 = true;
    sequencer().playModeClicked(PlayModeBox::Shuffle, false);
    EXPECT_EQ(sequencer().shuffle().SongsAufTontraeger, 1);
    EXPECT_FALSE(host.timer1);
    EXPECT_EQ(host.log, QStringList({"Stop"}));
}
