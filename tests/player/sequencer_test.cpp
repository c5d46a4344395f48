#include "sequencerfixture.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

PlayModes alleTracks(bool repeat = false, bool zufaellig = false)
{
    PlayModes modes;
    modes.chkAlleTracks = {true, true};
    modes.chkRepeat = {repeat, true};
    modes.chkTracksZufaellig = {zufaellig, true};
    return modes;
}

} // namespace

using Timer1Test = SequencerFixture;

TEST_F(Timer1Test, EndTestFollowsTheOutputPath)
{
    host.modes = alleTracks();
    host.tracks = 3;
    // MCI: the clock against TrackEnde.
    host.winPlayer = false;
    host.ende = 200;
    sequencer().Timer1_Timer();
    EXPECT_TRUE(host.log.isEmpty());
    now = 200.5;
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log.last(), "Start 1");

    // Media player: its play state, not the clock.
    host.winPlayer = true;
    host.playState = 3;
    host.log.clear();
    sequencer().Timer1_Timer();
    EXPECT_TRUE(host.log.isEmpty());

    // Video: the external window's player decides.
    host.video = true;
    host.playState = 1;
    host.externalPlayState = 3;
    sequencer().Timer1_Timer();
    EXPECT_TRUE(host.log.isEmpty());
    host.externalPlayState = 1;
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log.last(), "Start 2");

    // Intro scan: the slice ends by the clock although the player still plays.
    host.modes.chkTracksAnspielen = {true, true};
    host.modes.chkRepeat = {true, true};
    host.externalPlayState = 3;
    host.ende = now + 10;
    host.log.clear();
    sequencer().Timer1_Timer();
    EXPECT_TRUE(host.log.isEmpty());
    now += 11;
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log.last(), "Start 0");
}

TEST_F(Timer1Test, TrackListInOrderEndsOrRepeats)
{
    host.modes = alleTracks();
    host.tracks = 3;
    runTicks();
    EXPECT_EQ(host.log, QStringList({"sleep 500", "Start 1", "sleep 500", "Start 2", "sleep 500", "Stop"}));
    EXPECT_EQ(host.textSongCalls, 2);
    EXPECT_FALSE(host.timer1);

    host.log.clear();
    host.modes = alleTracks(true);
    host.timer1 = true;
    program.AktuellerTrack = 1;
    runTicks(3);
    EXPECT_EQ(host.log.filter("Start"), QStringList({"Start 2", "Start 0", "Start 1"}));
}

TEST_F(Timer1Test, RandomTracksDrawFromOneAndScanForZero)
{
    host.modes = alleTracks(false, true);
    host.tracks = 2;
    host.gespielt = {0, 0};
    random = ScriptedRandom({0.0, 0.99, 0.5});
    runTicks();
    // Index 0 is never drawn: it comes only from the scan once 1 has played.
    EXPECT_EQ(host.log.filter(QRegularExpression("Start|Stop")), QStringList({"Start 1", "Start 0", "Stop"}));
    EXPECT_EQ(host.gespielt, QList<int>({0, 0}));

    host.log.clear();
    host.modes = alleTracks(true, true);
    host.timer1 = true;
    runTicks(3);
    EXPECT_EQ(host.log.filter("Start"), QStringList({"Start 1", "Start 0", "Start 0"}));
}

TEST_F(Timer1Test, PlaylistInOrderOverCheckedItems)
{
    program.PlaylistModus = true;
    host.modes = alleTracks();
    host.checked = {true, false, true, true};
    program.AktuellerTrack = 0; // counts as item 1
    runTicks();
    EXPECT_EQ(host.log.filter(QRegularExpression("Start|Stop")), QStringList({"Start 3", "Start 4", "Stop"}));
    EXPECT_EQ(host.selectedItems, QList<int>({3, 4}));
    EXPECT_EQ(host.textSongCalls, 0);

    // Repeat round to the start: the first checked item plays, item 1 is selected.
    host.log.clear();
    host.selectedItems.clear();
    host.checked = {false, true, true};
    host.modes = alleTracks(true);
    host.timer1 = true;
    program.AktuellerTrack = 3;
    runTicks(1);
    EXPECT_EQ(host.log.filter("Start"), QStringList({"Start 2"}));
    EXPECT_EQ(host.selectedItems, QList<int>({1}));
}

TEST_F(Timer1Test, PauseCountsDownAndAnswersPauseAndStop)
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

    // Stop released during the countdown: Stop instead of the next track.
    host.log.clear();
    program.AktuellerTrack = 0;
    onSleep = [&] {
        program.StopNachPause = true;
        program.PauseAbbrechen = true;
    };
    sequencer().Timer1_Timer();
    EXPECT_EQ(host.log, QStringList({"status 3 Sek. Pause", "sleep 1000", "Stop"}));
}

TEST_F(Timer1Test, CountdownOnRealTimeEndsEarlyOnStop)
{
    host.modes = alleTracks();
    host.tracks = 3;
    setting(keys::PauseZwischenTracks, QStringLiteral("3"));
    PlaySequencer real(program, host, dialogs, random);
    // Stop released a moment into the countdown, as the button would do it.
    QTimer::singleShot(300, [&] {
        program.StopNachPause = true;
        program.PauseAbbrechen = true;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    real.Timer1_Timer();
    EXPECT_GE(elapsed.elapsed(), 950);
    EXPECT_LT(elapsed.elapsed(), 1900);
    EXPECT_EQ(host.log, QStringList({"status 3 Sek. Pause", "Stop"}));
}

TEST_F(Timer1Test, ExcludedEntryEndsTheListInsteadOfLooping)
{
    host.entries = {{"Band A", "Jazz"}, {"Band B", "Rock/Pop"}};
    host.row = 2;
    host.tracks = 3;
    host.modes = alleTracks();

    // Case-sensitive: "rock" lets the entry play.
    host.styles = {"rock"};
    runTicks(1);
    EXPECT_EQ(host.log.filter("Start"), QStringList({"Start 2/1"}));

    // "Rock" is part of "Rock/Pop": every track is rejected, the list ends.
    host.log.clear();
    host.styles = {"Rock"};
    host.timer1 = true;
    runTicks();
    EXPECT_EQ(host.log, QStringList({"sleep 500", "Stop"}));

    // With Repeat the rejections would never end on their own.
    host.log.clear();
    host.styles.clear();
    host.bands = {"Nobody", ""};
    host.modes = alleTracks(true);
    host.timer1 = true;
    runTicks();
    EXPECT_EQ(host.log, QStringList({"sleep 500", "Stop"}));
}

TEST_F(Timer1Test, ShufflePlaysTheSongsOfEachDrawnEntryAndSkipsExcluded)
{
    for (int i = 1; i <= 8; ++i)
        host.entries.append({QStringLiteral("Band %1").arg(i), QStringLiteral("Jazz")});
    host.entries[1].style = QStringLiteral("Rock/Pop");
    host.entries[4].band = QStringLiteral("Heino");
    host.styles = {"Rock"};
    host.bands = {"Heino"};
    host.row = 1;
    host.tracks = 3;
    host.modes.chkShuffle = {true, true};
    setting(keys::ShuffleSongProCD, QStringLiteral("2"));
    MersenneRandom mersenne(7);
    PlaySequencer shuffled(program, host, dialogs, mersenne, fakeClock());

    QList<int> counters;
    for (int tick = 0; tick < 16 && host.timer1; ++tick) {
        shuffled.Timer1_Timer();
        counters << shuffled.shuffle().SongsAufTontraeger;
    }
    const QStringList starts = host.log.filter("Start");
    ASSERT_EQ(starts.size(), 16);
    for (int i = 0; i < starts.size(); ++i) {
        const QStringList rowTrack = starts.at(i).mid(6).split('/');
        const int row = rowTrack.at(0).toInt();
        EXPECT_NE(row, 2) << "excluded style played";
        EXPECT_NE(row, 5) << "excluded band played";
        EXPECT_TRUE(rowTrack.at(1) == "1" || rowTrack.at(1) == "2") << "file 0 is never drawn";
        // Two songs of one entry, then the next draw.
        EXPECT_EQ(counters.at(i), i % 2 + 1);
        if (i % 2 == 1) {
            EXPECT_EQ(row, starts.at(i - 1).mid(6).split('/').at(0).toInt());
        }
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
