#include "playerprogram.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QPoint itemCentre(QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

} // namespace

TEST(TrackList, ListsTheEntrysTracksWithTheirMenuAndInfo)
{
    PlayerProgram p({{"b.wav", wavSine(0.2)}, {"A.wav", wavSine(0.2)}, {"Intro.wav", wavSine(3.0)},
                     {"desktop.ini", QByteArray("[.ShellClassInfo]")}});
    QListWidget *list = p.player().filTrack();
    EXPECT_EQ(items(list), (QStringList{"A.wav", "b.wav", "Intro.wav"}));
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_EQ(p.caption, QStringLiteral("Tracks && Movies 3"));
    EXPECT_EQ(p.player().TrackGespielt, QList<int>(3, 0));

    // The context menu hands the track on to the playlist.
    auto *menu = list->findChild<QMenu *>(QStringLiteral("mnuTrackToPlaylist"));
    ASSERT_NE(menu, nullptr);
    int added = 0;
    p.player().hooks.trackInPlaylist = [&] { ++added; };
    menu->defaultAction()->trigger();
    EXPECT_EQ(added, 1);

    // The info button tells what the player says.
    p.program().AktuellerTrack = 2;
    p.player().imgStart_Click();
    ASSERT_TRUE(reaches(p.player().MediaPlayer1(), MediaComponent::Playing));
    Asked shown;
    answerNextMessage(shown);
    QTest::mouseClick(p.player().cmdInfoTrack, Qt::LeftButton);
    EXPECT_TRUE(shown.line().startsWith(QStringLiteral("Track-Info|Name = Intro\nLänge = 0:0"))) << str(shown.line());
    p.player().imgStop_Click();

    // The other entry fills the list through the catalogue's entry change.
    p.window()->catalogue().data().setAbsolutePosition(1);
    EXPECT_EQ(items(list), (QStringList{"x1.wav", "x2.wav"}));
}

TEST(TrackList, ClicksChooseOrMarkTracksMoveTheSongTextAndOnlyEnterStarts)
{
    PlayerProgram p({{"Help.mp3", wavSine(0.3)}, {"Yesterday.mp3", wavSine(0.3)}, {"Zuletzt.mp3", wavSine(0.3)}});
    PlayerComponent &player = p.player();
    QListWidget *list = player.filTrack();
    // The song text follows the chosen track.
    QTextEdit songs;
    songs.setPlainText(QStringLiteral("HELP!\nWhen I was younger...\n\nYESTERDAY\nAll my troubles seemed so far away\n"));
    player.hooks.songTextBox = &songs;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre(list, 1));
    EXPECT_EQ(songs.textCursor().position(), songs.toPlainText().indexOf(QStringLiteral("YESTE")));

    p.program().PlaylistModus = true;

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre(list, 2));
    EXPECT_EQ(p.program().AktuellerTrack, 2);
    EXPECT_FALSE(p.program().PlaylistModus);
    EXPECT_EQ(str(p.status()), "no play");

    // "sel. Tracks": a click marks, the current track stays.
    player.chkMarkTracks->setChecked(true);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, itemCentre(list, 0));
    EXPECT_EQ(p.program().AktuellerTrack, 2);
    EXPECT_TRUE(list->item(0)->isSelected() && list->item(2)->isSelected());
    player.chkMarkTracks->setChecked(false);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(str(p.status()), str("playing:  " + p.music + list->currentItem()->text()));
    player.imgStop_Click();
}
