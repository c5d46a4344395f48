#include "sequencerfixture.h"

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

} // namespace

// What Timer1 does at a track's end; the play orders themselves are PlayOrder's.
using Sequencer = SequencerFixture;

TEST_F(Sequencer, EndTestFollowsTheOutputPath)
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

TEST_F(Sequencer, PauseCountsDownAndAnswersPauseAndStop)
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

TEST_F(Sequencer, ExcludedEntryEndsTheListInsteadOfLooping)
{
    host.entries = {{"Band A", "Jazz"}, {"Band B", "Rock/Pop"}};
    host.row = 2;
    host.tracks = 3;
    host.modes = alleTracks();

    // "Rock" is part of "Rock/Pop": every track is rejected, the list ends.
    host.styles = {"Rock"};
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
