#include "lists/playlistcomponent.h"
#include "lists/playlistfile.h"
#include "lists/playlistview.h"
#include "playerprogram.h"

#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Which of imgPosAB_0..2 shows; -1 for none or more than one.
int visibleAbButton(Ausgabebox *window)
{
    int shown = -1;
    for (int k = 0; k < 3; ++k) {
        auto *button = window->findChild<QLabel *>(QStringLiteral("imgPosAB_%1").arg(k));
        if (button && !button->isHidden())
            shown = shown == -1 ? k : -2;
    }
    return shown < 0 ? -1 : shown;
}

void clickAb(Ausgabebox *window)
{
    const int shown = visibleAbButton(window);
    ASSERT_GE(shown, 0);
    QTest::mouseClick(window->findChild<QLabel *>(QStringLiteral("imgPosAB_%1").arg(shown)), Qt::LeftButton);
}

int goldSongStars(PlayerComponent &player)
{
    int gold = 0;
    for (int k = 0; k < 6; ++k)
        gold += player.songStarIsGold(k) ? 1 : 0;
    return gold;
}

} // namespace

TEST(AbLoopAndStarButtons, LoopEndsWithTheTrackAndRatingsRenameTheCurrentTrack)
{
    PlayerProgram p({{"1.wav", wavSine(6)}, {"2.wav", wavSine(6)}, {"a.wav", wavSine(0.2)}, {"a - 2.wav", wavSine(0.2)},
                     {"Best - 3.wav", wavSine(0.2)}, {"Track-2.wav", wavSine(0.2)}});
    PlayerComponent &player = p.player();
    Ausgabebox *window = p.window();
    MediaComponent &media = player.MediaPlayer1();
    player.imgStart_Click();
    ASSERT_TRUE(reaches(media, MediaComponent::Playing));
    media.setCurrentPosition(1.2);
    clickAb(window);
    EXPECT_EQ(visibleAbButton(window), 1);
    media.setCurrentPosition(2.0);
    clickAb(window);
    EXPECT_EQ(visibleAbButton(window), 2);
    // The watcher sends the player back to A once it reaches B.
    EXPECT_TRUE(QTest::qWaitFor([&] { return media.currentPosition() < 1.5; }, 2000));

    // The next track ends the loop.
    player.imgVorBack_Click(1);
    EXPECT_EQ(visibleAbButton(window), 0);
    EXPECT_FALSE(player.TimerPosAB().isActive());
    player.imgStop_Click();

    // Rating renames the current track and the list follows.
    QListWidget *list = player.filTrack();
    const auto rate = [&](const QString &track, int stars) {
        p.program().AktuellerTrack = int(items(list).indexOf(track));
        QTest::mouseClick(p.window()->findChild<QLabel *>(QStringLiteral("imgSongNote_%1").arg(stars - 1)),
                          Qt::LeftButton);
    };

    // An old rating is replaced; the list keeps the current track.
    rate(QStringLiteral("Best - 3.wav"), 5);
    EXPECT_TRUE(QFile::exists(p.music + QStringLiteral("Best - 5.wav")));
    EXPECT_EQ(list->item(p.program().AktuellerTrack)->text(), QStringLiteral("Best - 5.wav"));
    EXPECT_EQ(goldSongStars(player), 5);

    // While the playlist plays, AktuellerTrack counts playlist items: the
    // click renames the playlist's track, never the track list's item with
    // that number, and every playlist that holds it follows.
    PlaylistComponent &playlists = p.window()->playlists();
    const QString folder = playlists.playlistFolder();
    QDir().mkpath(folder);
    const QByteArray track = (p.music + QStringLiteral("Track-2.wav")).toUtf8();
    writeFile(folder + QStringLiteral("Eins.txt"), "/m/x.mp3\r\n" + track + "\r\n");
    writeFile(folder + QStringLiteral("Zwei.txt"), track + "\n" + track + "\n");
    playlists.view().clear();
    playlists.view().appendItem(splitPlaylistLine(QString::fromUtf8(track)));
    playlists.view().selectItem(1);
    p.program().PlaylistModus = true;
    p.program().AktuellerTrack = 1;
    QTest::mouseClick(p.window()->findChild<QLabel *>(QStringLiteral("imgSongNote_2")), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(p.music + QStringLiteral("Track-2 - 3.wav")));
    EXPECT_TRUE(QFile::exists(p.music + QStringLiteral("2.wav"))) << "the track list's item 1 was renamed";
    const QByteArray renamed = (p.music + QStringLiteral("Track-2 - 3.wav")).toUtf8();
    EXPECT_EQ(readFile(folder + QStringLiteral("Eins.txt")), "/m/x.mp3\r\n" + renamed + "\r\n");
    EXPECT_EQ(readFile(folder + QStringLiteral("Zwei.txt")), renamed + "\n" + renamed + "\n");
    EXPECT_EQ(playlists.view().itemText(1), QStringLiteral("Track-2 - 3.wav"));
    playlists.view().clear();
    p.program().PlaylistModus = false;

    // Another entry shows its own first track's stars, not the last ones.
    rate(QStringLiteral("Track-2 - 3.wav"), 4);
    EXPECT_EQ(goldSongStars(player), 4);
    p.window()->catalogue().data().setAbsolutePosition(1);
    EXPECT_EQ(goldSongStars(player), 0);
}
