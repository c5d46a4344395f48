#include "fakesequencerhost.h"

#include "player/playmodedialogs.h"
#include "player/shuffle.h"

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

PlayModes alleTracks(bool repeat = false)
{
    PlayModes modes;
    modes.chkAlleTracks = {true, true};
    modes.chkRepeat = {repeat, true};
    return modes;
}

const QString kPauseQuestion = QStringLiteral(
    "Sicherheitsabfrage|Die Wartezeit ist größer als 60 Sekunden, \r\nsoll diese Wartezeit übernommen werden?");

} // namespace

// What Timer1 does at a track's end, the shuffle's notices and the play-mode
// questions; the play orders themselves are PlayOrder's and Shuffle's.
using Sequencer = SequencerFixture;
using ShuffleControlTest = SequencerFixture;
using PlayModeDialogsTest = SequencerFixture;

TEST_F(Sequencer, EndTestFollowsTheOutputPath)
{
    host.modes = alleTracks(true);
    host.tracks = 3;
    const auto movesOn = [this] {
        host.log.clear();
        sequencer().Timer1_Timer();
        return !host.log.isEmpty();
    };
    // MCI: the clock against TrackEnde.
    host.winPlayer = false;
    host.ende = 200;
    EXPECT_FALSE(movesOn());
    now = 200.5;
    EXPECT_TRUE(movesOn());
    // Media player: its play state, not the clock.
    host.winPlayer = true;
    host.playState = 3;
    EXPECT_FALSE(movesOn());
    // Video: the external window's player decides.
    host.video = true;
    host.playState = 1;
    EXPECT_FALSE(movesOn());
    host.externalPlayState = 1;
    EXPECT_TRUE(movesOn());
    // Intro scan: the slice ends by the clock although the player still plays.
    host.modes.chkTracksAnspielen = {true, true};
    host.externalPlayState = 3;
    host.ende = now + 10;
    EXPECT_FALSE(movesOn());
    now += 11;
    EXPECT_TRUE(movesOn());
}

TEST_F(Sequencer, PauseCountsDownAndAnswersPause)
{
    host.modes = alleTracks();
    host.tracks = 3;
    host.miniVisible = true;
    setting(keys::PauseZwischenTracks, QStringLiteral("3"));
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log, QStringList({"status 3 Sek. Pause", "sleep 1000", "status 2 Sek. Pause", "sleep 1000",
                                     "status 1 Sek. Pause", "sleep 1000", "Start 1"}));
    EXPECT_EQ(host.miniCaption, QStringList({" 3 Sek. Pause", " 2 Sek. Pause", " 1 Sek. Pause"}));
    // Run to its end the pictures stay for Start to put back.
    EXPECT_TRUE(host.pauseActive);
    EXPECT_TRUE(host.miniPauseActive);

    // Pause during the countdown: the next track at once, pictures back.
    host.log.clear();
    int sleeps = 0;
    onSleep = [&] {
        if (++sleeps == 2)
            program.PauseAbbrechen = true;
    };
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log, QStringList({"status 3 Sek. Pause", "sleep 1000", "status 2 Sek. Pause", "sleep 1000",
                                     "Start 2"}));
    EXPECT_FALSE(program.PauseAbbrechen);
    EXPECT_FALSE(host.pauseActive);
    EXPECT_FALSE(host.miniPauseActive);

    // Stop during the countdown: the countdown ends and nothing plays on.
    host.log.clear();
    program.AktuellerTrack = 0;
    onSleep = [&] {
        program.StopNachPause = true;
        program.PauseAbbrechen = true;
    };
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log, QStringList({"status 3 Sek. Pause", "sleep 1000", "Stop"}));
}

TEST_F(Sequencer, ExcludedEntryEndsTheListInsteadOfLooping)
{
    host.entries = {{"Band A", "Jazz"}, {"Band B", "Rock/Pop"}};
    host.row = 2;
    host.tracks = 3;
    // "Rock" is part of "Rock/Pop": every track is rejected; with Repeat the
    // rejections would never end on their own.
    host.styles = {"Rock"};
    host.modes = alleTracks(true);
    runTicks();
    EXPECT_EQ(host.log, QStringList({"sleep 500", "Stop"}));
}

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
}

TEST_F(ShuffleControlTest, SongsPerEntryComeFromTheSettingAndOnlyADrawnSongIsMarked)
{
    host.entries = {{"A", "Jazz", 1}, {"B", "Jazz", 1}};
    setting(keys::ShuffleSongProCD, QStringLiteral("3"));
    random = ScriptedRandom({0.6});
    ShuffleControl &shuffle = sequencer().shuffle();
    EXPECT_EQ(shuffle.SongsAufTontraeger, 3); // the first call draws

    // Two files: file 1 plays, file 0 is unmarked.
    host.entries = {{"C", "Jazz", 2}};
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(program.AktuellerTrack, 1);
    EXPECT_EQ(host.marks, (QHash<int, bool>{{1, true}, {0, false}}));
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
    EXPECT_TRUE(host.log.isEmpty()) << "chosen, but nothing starts at rest";
    host.status = QStringLiteral("playing:  x");
    shuffle.TontraegerZufaellig();
    EXPECT_EQ(host.log, QStringList({"Start 3"}));
}

TEST_F(ShuffleControlTest, SwitchingShuffleOnAsksForSongsPerEntry)
{
    host.timer1 = false;
    dialogs.answers = {"3"};
    sequencer().playModeClicked(PlayModeBox::Shuffle, true);
    EXPECT_EQ(dialogs.inputs.size(), 1);
    EXPECT_EQ(program.settings.read(keys::ShuffleSongProCD), "3");
}

TEST_F(PlayModeDialogsTest, IntroTimeBelowTwoSecondsAndPausesAboveSixtyNeedAnotherAnswer)
{
    host.modes.chkAlleTracks = {true, true};
    host.modes.chkTracksAnspielen = {false, true};
    setting(keys::PauseZwischenTracks, "5");
    dialogs.answers = {"1.5"};
    sequencer().playModeClicked(PlayModeBox::TracksAnspielen, true);
    EXPECT_EQ(dialogs.messages, QStringList({"Sicherheitshinweis|Mindestanspielzeit ist 2 Sekunden"}));
    EXPECT_FALSE(host.modes.chkTracksAnspielen.value);
    EXPECT_EQ(program.settings.read(keys::TracksAnspielen), "10");

    dialogs.answers = {"2"};
    sequencer().playModeClicked(PlayModeBox::TracksAnspielen, true);
    EXPECT_TRUE(host.modes.chkTracksAnspielen.value);
    EXPECT_EQ(program.settings.read(keys::TracksAnspielen), "2");
    EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), "0");

    // A pause above sixty seconds needs confirmation.
    const struct {
        QStringList answers, replies;
        const char *stored;
        int questions;
    } cases[] = {
        {{"61", "45"}, {"Nein"}, "45", 1}, // "Nein" asks for the seconds again
        {{"90"}, {"Ja"}, "90", 1},
        {{"90"}, {""}, "90", 1}, // a closed question stores too
        {{"60"}, {}, "60", 0},
        {{}, {}, "0", 0}, // no answer stores nothing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answers.join(QLatin1Char(' ')).toStdString());
        setting(keys::PauseZwischenTracks, QStringLiteral("0"));
        dialogs.messages.clear();
        dialogs.answers = c.answers;
        dialogs.replies = c.replies;
        askPauseBetweenTracks(dialogs, program.settings);
        EXPECT_EQ(program.settings.read(keys::PauseZwischenTracks), c.stored);
        EXPECT_EQ(dialogs.messages, QStringList(c.questions, kPauseQuestion));
    }
}
