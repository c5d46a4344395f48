#include "auxplayers/miniplayercomponent.h"
#include "common/events.h"
#include "lists/playlistcomponent.h"
#include "lists/playlistfile.h"
#include "lists/playlistview.h"
#include "player/mcilayer.h"
#include "playerprogram.h"

#include <QAction>
#include <QLabel>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QLabel *picture(Ausgabebox *window, const char *name)
{
    return window->findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace

TEST(Transport, PlayStopResumePauseAndThePlaylistOnOneEntry)
{
    PlayerProgram p({{"01 Eins.wav", wavSine(3)}, {"02 Zwei.wav", wavSine(3)}, {"03 Drei.wav", wavSine(3)}});
    PlayerComponent &player = p.player();
    Ausgabebox *window = p.window();
    QListWidget *list = player.filTrack();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);

    const QString playing = QStringLiteral("playing:  ") + p.music + QStringLiteral("02 Zwei.wav");
    EXPECT_EQ(str(p.status()), str(playing));
    EXPECT_EQ(str(p.caption), "Tracks && Movies Nr.: 2");
    EXPECT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Playing));

    // Stop keeps the resume point; Resume from another entry comes back to the
    // folder, the track and the position.
    QTest::qWait(1100);
    QTest::mouseClick(picture(window, "imgStop"), Qt::LeftButton);
    EXPECT_EQ(str(p.status()), "no play");
    window->catalogue().data().setAbsolutePosition(1);
    p.program().AktuellerTrack = 0;
    QTest::mouseClick(picture(window, "imgResume"), Qt::LeftButton);
    EXPECT_EQ(window->catalogue().data().absolutePosition(), 0);
    EXPECT_EQ(str(p.status()), str(playing));
    EXPECT_GE(player.MediaPlayer1().currentPosition(), 0.9);
    player.imgStop_Click();

    // A playlist as the source keeps its own item number.
    PlaylistView &listed = window->playlists().view();
    for (const QString &track : {p.music + "01 Eins.wav", p.env.path("zweite/x2.wav"), p.music + "03 Drei.wav"})
        listed.appendItem(splitPlaylistLine(track));
    listed.setChecked(2, false);
    // The quick search for the title points at the track list.
    player.hooks.suchenPlaylistTitel = [&] { p.program().AktuellerTrack = 0; };
    p.program().PlaylistModus = true;
    p.program().AktuellerTrack = 0;
    // From rest, with another entry shown: the catalogue moves to the playing one.
    window->catalogue().data().setAbsolutePosition(1);
    player.imgStart_Click();
    EXPECT_EQ(window->catalogue().data().absolutePosition(), 0);
    EXPECT_EQ(str(p.status()), str(QStringLiteral("playing:  ") + p.music + "01 Eins.wav"));

    // Forward skips the unchecked item and selects the one it plays; the mini
    // player's ticker names it without the ending.
    player.imgVorBack_Click(1);
    EXPECT_EQ(p.program().AktuellerTrack, 3);
    EXPECT_EQ(listed.selectedItem(), 3);
    EXPECT_EQ(window->miniPlayer().tickerText(3), QStringLiteral("03 Drei"));
    p.program().PlaylistModus = false;
    player.imgStop_Click();

    // Pause halts what plays, and a vanished folder ends quietly.
    QLabel *pause0 = picture(window, "imgPause_0");
    QLabel *pause1 = picture(window, "imgPause_1");
    ASSERT_TRUE(pause0 && pause1);
    p.program().AktuellerTrack = 0;
    player.imgStart_Click();
    ASSERT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Playing));
    QTest::mouseClick(pause0, Qt::LeftButton);
    EXPECT_TRUE(pause0->isHidden() && !pause1->isHidden());
    EXPECT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Paused));
    QTest::mouseClick(pause1, Qt::LeftButton);
    EXPECT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Playing));

    // The folder vanishes while playing: the next track plays nothing and nothing breaks.
    QDir(p.music).removeRecursively();
    player.imgVorBack_Click(1);
    EXPECT_TRUE(reaches(player.MediaPlayer1(), MediaComponent::Stopped));
    player.imgStop_Click();
}

TEST(Transport, ApostropheTracksGoToTheAssociatedProgram)
{
    PlayerProgram p({{"'Live im Club.wav", wavSine(1)}, {"Studio.wav", wavSine(1)}});
    p.platform().associatedProgram = QStringLiteral("/usr/bin/spieler");
    p.player().imgStart_Click();
    EXPECT_EQ(str(p.status()), "no play");
    EXPECT_EQ(p.platform().started, QStringList{QStringLiteral("/usr/bin/spieler ") + p.music + "'Live im Club.wav"});
}

TEST(Transport, WithoutTheMediaPlayerMciPlaysAndTheLengthGivesTheEnd)
{
    PlayerProgram p({{"a.wav", wavSine(2)}},
                    {{"WinMediaPlayer", "False"}});
    PlayerComponent &player = p.player();
    double before = timeOfDay();
    player.imgStart_Click();
    EXPECT_NEAR(player.TrackEnde - before, 2.0, 0.3);
    EXPECT_EQ(str(player.mci().openAlias()), "MyAlias");
    EXPECT_EQ(player.MediaPlayer1().playState(), MediaComponent::Stopped);
    player.imgStop_Click();
    EXPECT_TRUE(player.mci().openAlias().isEmpty());

    p.window()->findChild<QAction *>(QStringLiteral("mnuWinPlayerVerwenden"))->trigger();
    EXPECT_EQ(str(p.window()->program().settings.read(keys::WinMediaPlayer)), "True");
}

TEST(Transport, LeftClickOnThePlayerReplaysAFilmThroughMci)
{
    PlayerProgram p({{"film.avi", wavSine(1)}, {"song.wav", wavSine(3)}});
    PlayerComponent &player = p.player();
    p.program().AktuellerTrack = 1;
    player.imgStart_Click();
    player.filTrack()->setCurrentRow(0);
    emit player.MediaPlayer1().mouseReleased(1);
    EXPECT_EQ(str(p.status()), "no play");
    EXPECT_EQ(str(player.mci().openAlias()), "MyAlias");
}
