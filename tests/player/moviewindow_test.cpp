#include "app/settingkeys.h"
#include "common/twips.h"
#include "player/frmwinmediaplayer.h"
#include "player/mediaview.h"
#include "player/movierules.h"
#include "player/picturebutton.h"
#include "support/recordingplatform.h"
#include "playerprogram.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Which of the buttons show while the window is shown.
QList<int> shownButtons(const frmWinMediaPlayer &window)
{
    QList<int> shown;
    for (int i = 0; i < 10; ++i) {
        if (window.imgVorBack(i)->isVisibleTo(&window))
            shown << i;
    }
    return shown;
}

} // namespace

TEST(MovieWindow, AbLoopButtonsHaveFixedActionsAndStepsWrapAround)
{
    MovieAbLoop loop;
    loop.setA(2.5); // whole seconds, halves to even
    loop.setB(5.6);
    EXPECT_EQ(loop.visibleButton(), MovieAbLoop::Exit);
    EXPECT_EQ(loop.tick(6.0), 2);
    // Showing "mark A" again leaves the running loop alone.
    loop.showSetA();
    EXPECT_EQ(loop.tick(7.0), 2);
    // Leaving always leaves, even when A was marked at 0.
    loop.setA(0.2);
    loop.setB(3.0);
    loop.exit();
    EXPECT_FALSE(loop.timerRunning());
    EXPECT_FALSE(loop.tick(9.0));

    // Back from the first track wraps to the last: the window test below.
    EXPECT_EQ(movieTrackStep(3, 4, true), 0);
    EXPECT_EQ(movieTrackStep(0, 0, false), 0);
}

TEST(MovieWindow, ButtonsActShowTheirPartnersAndThePlacementIsKept)
{
    // A movie window on a program of its own; the hooks record what they are asked.
    TestEnvironment env;
    Program program{std::make_unique<RecordingPlatform>()};
    program.fakeMedia = true;
    program.settings.write(keys::WinMediaPlayerLeft, QStringLiteral("1500"));
    program.settings.write(keys::WinMediaPlayerTop, QStringLiteral("900"));
    program.settings.write(keys::WinMediaPlayerWidth, QStringLiteral("9000"));
    program.settings.write(keys::WinMediaPlayerHeight, QStringLiteral("6000"));
    QStringList calls;
    frmWinMediaPlayer w(program);
    w.hooks.start = [&] { calls << QStringLiteral("start %1").arg(program.AktuellerTrack); };
    w.hooks.stop = [&] { calls << QStringLiteral("stop"); };
    w.hooks.randomEntry = [&] { calls << QStringLiteral("random"); };
    w.hooks.trackCount = [] { return 4; };
    w.show();
    EXPECT_EQ(QRect(w.pos(), w.size()), QRect(twipsPoint(1500, 900), twipsSize(9000, 6000)));
    EXPECT_EQ(shownButtons(w), (QList<int>{0, 1, 2, 3, 4, 7, 9}));
    w.imgVorBack_Click(7);
    EXPECT_TRUE(w.stretchesToFit());
    EXPECT_EQ(shownButtons(w), (QList<int>{0, 1, 2, 3, 4, 8, 9}));

    // The A-B loop runs on this window's own player.
    MediaComponent &media = w.WindowsMediaPlayer1();
    writeFile(env.path("film.wav"), wavSine(4));
    media.setUrl(env.path("film.wav"));
    media.setCurrentPosition(1.2);
    w.imgVorBack_Click(4);
    media.setCurrentPosition(2.1);
    w.imgVorBack_Click(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return media.currentPosition() < 1.9; }, 2000));
    EXPECT_GE(media.currentPosition(), 1.0);

    // Back steps on the track numbering and starts, the random button draws and starts.
    program.AktuellerTrack = 0;
    w.imgVorBack_Click(0);
    w.imgVorBack_Click(2);
    EXPECT_EQ(calls.join(QLatin1Char('|')), "start 3|random|start 3");

    w.imgVorBack_Click(9);
    auto *view = qobject_cast<MediaView *>(media.widget());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isFullScreenShown());
    media.setFullScreen(false);

    // Stop & Exit closes: the program stops, the player is emptied, the place is stored.
    w.move(twipsPoint(3000, 600));
    w.resize(twipsSize(7500, 4500));
    calls.clear();
    w.imgVorBack_Click(3);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(str(calls.join(QLatin1Char('|'))), "stop");
    EXPECT_EQ(media.playState(), MediaComponent::Stopped);
    QStringList place;
    for (const SettingKey *key : {&keys::WinMediaPlayerWindowState, &keys::WinMediaPlayerLeft, &keys::WinMediaPlayerTop,
                                  &keys::WinMediaPlayerWidth, &keys::WinMediaPlayerHeight})
        place << program.settings.read(*key);
    EXPECT_EQ(str(place.join(QLatin1Char(' '))), "0 3000 600 7500 4500");
}

TEST(MovieWindow, ClosingWhileAPictureShowsStopsPlaybackEverywhere)
{
    PlayerProgram p({});
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(p.music + QStringLiteral("00 Bild.png")));
    PlayerComponent &player = p.player();
    player.fillTrackList();
    frmWinMediaPlayer &movie = player.movieWindow();
    player.imgStart_Click();
    ASSERT_TRUE(player.VideoModus && movie.isVisible());
    player.Timer1().start();
    movie.close();
    EXPECT_EQ(str(p.status()), "no play");
    EXPECT_FALSE(player.Timer1().isActive());
    EXPECT_EQ(movie.WindowsMediaPlayer1().playState(), MediaComponent::Stopped);
    EXPECT_EQ(player.MediaPlayer1().playState(), MediaComponent::Stopped);
    EXPECT_FALSE(movie.isLoaded());
}
