#include "app/framecomponent.h"
#include "auxplayers/frmminiplayer.h"
#include "auxplayers/miniplayercomponent.h"
#include "common/twips.h"
#include "player/picturebutton.h"
#include "player/playersequencerhost.h"
#include "player/playerprogram.h"
#include "player/frmwinmediaplayer.h"

#include <QAction>
#include <QCheckBox>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(MiniPlayerWiring, TakesThePlaceOfTheMainWindowAndDrivesItsPlayer)
{
    PlayerProgram run({{"01 Eins.wav", wavSine(3)}, {"02 Zwei.wav", wavSine(3)}});
    Ausgabebox &window = *run.window();
    MiniPlayerComponent &mini = window.miniPlayer();
    PlayerComponent &player = run.player();

    auto *button = window.findChild<PictureButton *>(QStringLiteral("imgMiniPlayer"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    frmMiniPlayer *frm = mini.miniPlayer();
    ASSERT_NE(frm, nullptr);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(frm->isVisible());
    EXPECT_FALSE(window.frame().timer4()->isActive());
    EXPECT_TRUE(player.sequencerHost().miniPlayerVisible());
    // Nothing stored yet: the horizontal place 0, 0 wins over the first place.
    EXPECT_EQ(frm->pos(), QPoint(0, 0));

    // " Vor " steps on the track list and starts that track in the main window.
    QTest::mouseClick(frm->button(1), Qt::LeftButton);
    EXPECT_EQ(run.program().AktuellerTrack, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.MediaPlayer1().playState() == MediaComponent::Playing; }, 3000));
    EXPECT_TRUE(run.status().contains("playing:"));
    EXPECT_TRUE(frm->Timer3().isActive());
    // A second start brings the program forward as it is.
    window.bringToFront();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(frm->isVisible() && frm->Timer3().isActive());

    // The player's pictures and caption reach the mini player.
    QTest::mouseClick(frm->button(6), Qt::LeftButton);
    EXPECT_TRUE(player.Pausiert);
    player.SonderfunktionenAus();
    EXPECT_TRUE(!frm->button(6)->isHidden() && frm->button(10)->isHidden());
    player.sequencerHost().setMiniPlayerCaption(QStringLiteral(" 3 Sek. Pause"));
    EXPECT_EQ(frm->windowTitle(), " 3 Sek. Pause");

    QTest::mouseClick(frm->button(3), Qt::LeftButton);
    EXPECT_TRUE(run.program().StopNachPause);
    EXPECT_EQ(run.status(), "no play");

    // The volume tool: missing, then found beside the mini player.
    QString notice;
    readNextMessage(notice);
    QTest::mouseClick(frm->button(miniplayer::LautsprecherIndex), Qt::LeftButton);
    EXPECT_TRUE(notice.startsWith(QStringLiteral("Lautsprecherregler|"))) << str(notice);
    // A desktop mixer starts with its arguments and is not told where the mini player is.
    run.platform().volume.command = QStringList{"/usr/bin/gnome-control-center", "sound"};
    QTest::mouseClick(frm->button(miniplayer::LautsprecherIndex), Qt::LeftButton);
    EXPECT_EQ(run.platform().started, QStringList({"/usr/bin/gnome-control-center sound"}));
    EXPECT_EQ(run.program().settings.read(QString::fromLatin1(kVolumeApplicationName), QStringLiteral("Options"),
                                          QStringLiteral("MiniplayerLeft")),
              QString());
    run.platform().started.clear();
    run.platform().volume = {{run.program().programFolder + "Pegling.exe"}, true, QString()};
    QTest::mouseClick(frm->button(miniplayer::LautsprecherIndex), Qt::LeftButton);
    EXPECT_EQ(run.platform().started, QStringList({run.program().programFolder + "Pegling.exe"}));
    const QString left = run.program().settings.read(QString::fromLatin1(kVolumeApplicationName),
                                                     QStringLiteral("Options"), QStringLiteral("MiniplayerLeft"));
    EXPECT_DOUBLE_EQ(left.toDouble(), (std::round(pixelsToTwipsX(frm->x())) + 5235 + 150) * 0.06667);

    QTest::mouseClick(frm->button(4), Qt::LeftButton);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.frame().timer4()->isActive());
    EXPECT_FALSE(player.sequencerHost().miniPlayerVisible());
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

TEST(MiniPlayerWiring, ClosingTheMovieWindowBesideTheMiniPlayerLeavesTheProgramRunning)
{
    PlayerProgram run({{"01 Eins.wav", wavSine(3)}});
    QTest::mouseClick(run.window()->findChild<PictureButton *>(QStringLiteral("imgMiniPlayer")), Qt::LeftButton);
    frmWinMediaPlayer &movie = run.player().movieWindow();
    movie.show();
    // Closed inside the running loop, as a user would: only Beenden may end it.
    QTimer::singleShot(0, &movie, &QWidget::close);
    QTimer::singleShot(300, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 7) << "the program quit with its movie window";
    EXPECT_TRUE(run.window()->miniPlayer().miniPlayerVisible());
}
