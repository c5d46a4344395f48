#include "app/settingkeys.h"
#include "auxplayers/frmminiplayer.h"
#include "auxplayers/miniplayercomponent.h"
#include "common/twips.h"
#include "player/frmwinmediaplayer.h"
#include "player/picturebutton.h"
#include "player/playerprogram.h"
#include "player/playersequencerhost.h"

#include <QApplication>
#include <QCheckBox>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(MiniPlayerRules, FirstPlaceAndTheVolumeToolBesideIt)
{
    // No stored place: above the taskbar at the bottom of the screen.
    EXPECT_EQ(miniPlayerFirstTop("0", 12000, 885), 12000 - 885 - 550);
    EXPECT_EQ(miniPlayerFirstTop("1200", 12000, 885), 1200);

    const VolumeToolPlace beside = volumeToolPlace(1500, 3000, 5235);
    EXPECT_EQ(beside.left, "459.02295"); // (1500 + 5235 + 150) × 0.06667, unrounded
    EXPECT_EQ(beside.top, "200.01");
}

TEST(MiniPlayerWindowTest, ButtonsTickerAndFormsDriveThePlayerAndKeepTheirPositions)
{
    // A mini player on a program of its own; the host writes what it is asked to `log`.
    TestEnvironment env;
    Program program{std::make_unique<RecordingPlatform>()};
    QString status = QStringLiteral("no play");
    QStringList log;
    bool stopped = false;
    MiniPlayerHost host;
    host.playerStatus = [&] { return status; };
    const auto logged = [&](const char *what) { return [&log, what] { log << QString::fromLatin1(what); }; };
    host.MiniPlayerPause = logged("pause");
    host.MiniPlayerPosAB = logged("posAB");
    host.MiniPlayerStop = logged("stop");
    host.MiniPlayerVorBackStart = logged("start");
    host.closeProgram = logged("close");
    host.stepTrack = [&](int direction) {
        log << QStringLiteral("step %1").arg(direction);
        return true;
    };
    host.laufschrift = [] { return true; };
    host.tickerText = [&](int phase) {
        log << QStringLiteral("text %1").arg(phase);
        return QStringLiteral("Abba");
    };
    host.playerStopped = [&] { return stopped; };
    auto window = std::make_unique<frmMiniPlayer>(program.settings, std::move(host), nullptr);
    window->tickerStepMs = 0;
    window->tickerHoldMs = 0;
    const auto click = [&](int index) { QTest::mouseClick(window->button(index), Qt::LeftButton); };
    const auto shown = [&](int index) { return !window->button(index)->isHidden(); };

    // The buttons forward to the player and show their partners.
    status = QStringLiteral("playing: Abba - Waterloo");
    click(6);
    click(7);
    EXPECT_TRUE(!shown(6) && shown(10) && !shown(7) && shown(8));

    click(1);
    EXPECT_TRUE(window->Timer3().isActive());
    click(3);
    EXPECT_FALSE(window->Timer3().isActive());
    EXPECT_EQ(log, QStringList({"pause", "posAB", "step 1", "start", "stop"}));

    // The ticker runs through its phases until the player stops.
    log.clear();
    window->Timer3().start();
    window->Timer3_Timer();
    window->Timer3_Timer();
    // Typed in, then the text is taken again for typing out.
    EXPECT_EQ(log, QStringList({"text 1", "text 1", "text 2", "text 2"}));

    stopped = true;
    window->Timer3_Timer();
    EXPECT_FALSE(window->Timer3().isActive());
    EXPECT_EQ(window->windowTitle(), "Klangtruhe-Miniplayer");

    // Coming back from another program leaves the window where the user put it.
    window->move(twipsPoint(1500, 3000));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(window->pos(), twipsPoint(1500, 3000));
    program.settings.write(keys::MiniPlayerVertikalLeft, QStringLiteral("6000"));
    program.settings.write(keys::MiniPlayerVertikalTop, QStringLiteral("750"));
    click(12);
    EXPECT_EQ(window->pos(), twipsPoint(6000, 750));

    // Closing stores the form's place, stops the player and ends the program.
    window->move(twipsPoint(3000, 600));
    const long left = std::lround(pixelsToTwipsX(window->x()));
    log.clear();
    window->close();
    EXPECT_EQ(log, QStringList({"stop", "close"}));
    EXPECT_EQ(program.settings.read(keys::MiniPlayerVertikalLeft), QString::number(left));
}

TEST(MiniPlayerWiring, TakesThePlaceOfTheMainWindowDrivesItsPlayerAndOutlivesTheMovieWindow)
{
    PlayerProgram run({{"01 Eins.wav", wavSine(3)}, {"02 Zwei.wav", wavSine(3)}});
    Ausgabebox &window = *run.window();
    MiniPlayerComponent &mini = window.miniPlayer();
    PlayerComponent &player = run.player();

    QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("imgMiniPlayer")), Qt::LeftButton);
    frmMiniPlayer *frm = mini.miniPlayer();
    ASSERT_NE(frm, nullptr);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(frm->isVisible());
    EXPECT_TRUE(player.sequencerHost().miniPlayerVisible());

    // " Vor " steps on the track list and starts that track in the main window.
    QTest::mouseClick(frm->button(1), Qt::LeftButton);
    EXPECT_EQ(run.program().AktuellerTrack, 1);
    EXPECT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Playing));
    EXPECT_TRUE(frm->Timer3().isActive());

    // A desktop mixer starts with its arguments.
    run.platform().volume.command = QStringList{"/usr/bin/gnome-control-center", "sound"};
    QTest::mouseClick(frm->button(miniplayer::LautsprecherIndex), Qt::LeftButton);
    EXPECT_EQ(run.platform().started, QStringList({"/usr/bin/gnome-control-center sound"}));

    // Closing the movie window beside it, inside the running loop as a user
    // would, leaves the program running: only Beenden may end it.
    frmWinMediaPlayer &movie = player.movieWindow();
    movie.show();
    QTimer::singleShot(0, &movie, &QWidget::close);
    QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 7) << "the program quit with its movie window";
    EXPECT_TRUE(mini.miniPlayerVisible());

    QTest::mouseClick(frm->button(4), Qt::LeftButton);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST(MiniPlayerWiring, AWaitingTimeOnTheCommandLinePlaysShuffleInTheMiniPlayer)
{
    // "0": no wait, but started with an argument: shuffle without its question
    // (a question would block this test), playback, and the mini player
    // instead of the main window.
    PlayerProgram p({{"1.wav", wavSine(3)}, {"2.wav", wavSine(3)}}, {}, {QStringLiteral("0")});
    EXPECT_TRUE(p.player().chkShuffle->isChecked());
    EXPECT_TRUE(p.status().startsWith(QStringLiteral("playing:  ")));
    EXPECT_TRUE(p.window()->miniPlayer().miniPlayerVisible());
    EXPECT_FALSE(p.window()->isVisible());
}
