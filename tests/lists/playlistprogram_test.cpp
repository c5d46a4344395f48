// The playlists in the real program: menu, view, file list and playing.
#include "catalogue/detailview.h"
#include "lists/playlistcomponent.h"
#include "lists/playlistview.h"
#include "player/playerprogram.h"
#include "support/dialogdriver.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace klangtruhe::test {
namespace {

struct PlaylistProgram : PlayerProgram {
    PlaylistProgram()
        : PlayerProgram({{QStringLiteral("a.wav"), wavSine(0.3)},
                         {QStringLiteral("b - 5.wav"), wavSine(0.3)},
                         {QStringLiteral("c.wav"), wavSine(0.3)}})
    {
        QDir().mkpath(folder());
    }
    PlaylistComponent &lists() const { return window()->playlists(); }
    PlaylistView &view() const { return lists().view(); }
    QString folder() const { return env.programFolder() + QStringLiteral("Playlist/"); }
    QAction *action(const char *name) const { return window()->findChild<QAction *>(QString::fromLatin1(name)); }
    QTabWidget *tabTexte() const { return window()->findChild<QTabWidget *>(QStringLiteral("tabTexte")); }
    QString header() const { return view().headerItem()->text(0); }
    bool viewShown() const { return view().isVisibleTo(window()) && !tabTexte()->isVisibleTo(window()); }
    void markTracks(const QList<int> &rows) const
    {
        QListWidget *tracks = player().filTrack();
        tracks->clearSelection();
        for (int row : rows)
            tracks->item(row)->setSelected(true);
    }
    void newPlaylist(const QString &name) const
    {
        Asked asked;
        answerNextInput(asked, name);
        lists().mnuPlaylistNeu_Click();
    }
};

TEST(PlaylistProgram, NewAddRemoveLoadImportAndExportKeepTheFileAndViewInStep)
{
    PlaylistProgram p;
    PlaylistComponent &lists = p.lists();
    PlaylistView &view = p.view();

    // A name no file may carry is asked again; Exit ends without a playlist.
    // Each answer is scheduled while the dialog before it is open.
    QString refused;
    Asked again;
    onNextModalDialog([&](QWidget *input) {
        onNextModalDialog([&](QWidget *message) {
            refused = message->findChild<QTextEdit *>(QStringLiteral("txtMsgText"))->toPlainText();
            answerNextInput(again, QString());
            QTest::mouseClick(message->findChild<QPushButton *>(QStringLiteral("cmdButton_0")), Qt::LeftButton);
        });
        input->findChild<QLineEdit *>(QStringLiteral("txtInputText"))->setText(QStringLiteral("AC/DC: Best?"));
        QTest::mouseClick(input->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    lists.mnuPlaylistNeu_Click();
    EXPECT_TRUE(refused.contains(QStringLiteral("/:?"))) << str(refused);
    EXPECT_EQ(lists.PlaylistName, QString());

    // A new playlist takes the text pages' place; no file until a track comes.
    p.newPlaylist(QStringLiteral("Beste"));
    EXPECT_EQ(lists.PlaylistName, QStringLiteral("Beste.txt"));
    EXPECT_TRUE(p.viewShown());
    const QString file = p.folder() + QStringLiteral("Beste.txt");
    EXPECT_FALSE(QFile::exists(file));

    // The track list's marked tracks come in ticked.
    p.markTracks({0, 2});
    p.action("mnuPlaylistAufnehmen")->trigger();
    const QByteArray music = p.music.toUtf8();
    EXPECT_EQ(readFile(file), music + "a.wav\r\n" + music + "c.wav\r\n");
    EXPECT_TRUE(view.isChecked(1) && view.isChecked(2));
    EXPECT_EQ(p.header(), QStringLiteral("Playlist - Beste (2)"));

    // Removing asks, takes the selected item and saves.
    view.selectItem(2);
    answerNextModalDialog(QStringLiteral("cmdButton_1"));
    p.action("mnuPlaylistKill")->trigger();
    EXPECT_EQ(readFile(file), music + "a.wav\r\n");

    // Hiding gives the pages back; the page "Playlists" lists the files.
    p.action("mnuPlaylistAnzeigen")->trigger();
    EXPECT_FALSE(p.viewShown());
    writeFile(p.folder() + QStringLiteral("Ärzte.txt"), QByteArray("C:\\M\\Die \xc4rzte\\M\xe4nner.mp3\r\nC:\\M\\x\\y.mp3\r\n"));
    emit p.tabTexte()->tabBarClicked(4);
    QListWidget *files = lists.filPlaylist();
    EXPECT_EQ(items(files), (QStringList{"Ärzte.txt", "Beste.txt"}));

    // A double-click on a file loads it without a dialog, ticked, as the play source.
    p.program().PlaylistModus = false;
    emit files->itemDoubleClicked(files->item(0));
    EXPECT_EQ(lists.PlaylistName, QStringLiteral("Ärzte.txt"));
    EXPECT_TRUE(view.isChecked(2));
    EXPECT_TRUE(p.program().PlaylistModus);
    EXPECT_TRUE(p.viewShown());

    // M3U playlists come in as our own and go out with lengths and titles.
    const QString m3u = p.env.path("fremd/Party.m3u8");
    writeFile(m3u, "#EXTM3U\n#EXTINF:1,Radio\nhttp://radio.example/live\n" + p.music.toUtf8() + "a.wav\n../musik/c.wav\n");
    Asked said;
    chooseFileInNextDialog(m3u, QStringLiteral("Playlist importieren"));
    answerNextMessage(said);
    p.action("mnuPlaylistImportieren")->trigger();
    EXPECT_EQ(p.lists().PlaylistName, QStringLiteral("Party.txt"));
    EXPECT_EQ(readFile(p.folder() + QStringLiteral("Party.txt")), (p.music + "a.wav\r\n" + p.music + "c.wav\r\n").toUtf8());
    EXPECT_TRUE(said.text.contains(QStringLiteral("Internet-Adressen übersprungen: 1"))) << str(said.text);

    const QString out = p.env.path("raus/Party.m3u");
    QDir().mkpath(p.env.path("raus"));
    chooseFileInNextDialog(out, QStringLiteral("Playlist exportieren"));
    p.action("mnuPlaylistExportieren")->trigger();
    EXPECT_EQ(readFile(out), ("#EXTM3U\r\n#EXTINF:0,musik - a\r\n" + p.music + "a.wav\r\n#EXTINF:0,musik - c\r\n" + p.music
                              + "c.wav\r\n").toUtf8());
}

TEST(PlaylistProgram, AWriteProtectedFolderKeepsTheOldPlaylist)
{
    PlaylistProgram p;
    PlaylistComponent &lists = p.lists();
    const QString file = p.folder() + QStringLiteral("Fest.txt");
    writeFile(file, QByteArray("/m/x/a.mp3\r\n/m/x/b.mp3\r\n"));
    lists.filPlaylist_DblClick(QStringLiteral("Fest.txt"));
    ASSERT_EQ(p.view().itemCount(), 2);

    // Root writes anywhere; the immutable attribute stops even root.
    QFile::setPermissions(p.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), p.folder()}) == 0;
    QFile probe(p.folder() + QStringLiteral("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(p.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "the folder cannot be made write-protected here";
    }
    p.view().selectItem(1);
    Asked seen;
    onNextModalDialog([&](QWidget *dialog) {
        answerNextMessage(seen);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdButton_1")), Qt::LeftButton);
    });
    lists.mnuPlaylistKill_Click();
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), p.folder()});
    QFile::setPermissions(p.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(file), QByteArray("/m/x/a.mp3\r\n/m/x/b.mp3\r\n"));
    EXPECT_TRUE(seen.text.contains(QStringLiteral("schreibgeschützt"))) << str(seen.text);
    EXPECT_EQ(p.view().itemCount(), 1) << "the view keeps what the user did";
    EXPECT_TRUE(lists.PlaylistGeaendert) << "the next load or new tries again";
}

TEST(PlaylistProgram, StartPlaysTheSelectedItemAndTimer1GoesOnThroughTickedItems)
{
    PlaylistProgram p;
    PlaylistView &view = p.view();
    PlayerComponent &player = p.player();
    p.newPlaylist(QStringLiteral("Spiel"));
    p.markTracks({0, 1, 2});
    p.lists().mnuPlaylistAufnehmen_Click();
    ASSERT_EQ(view.itemCount(), 3);
    view.setChecked(2, false);

    // The focus handed back with the window (after the mini player) keeps the
    // track list as the source; a focus the user gives the view makes it the playlist.
    p.program().PlaylistModus = false;
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(&view, &back);
    EXPECT_FALSE(p.program().PlaylistModus);
    QFocusEvent chosen(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&view, &chosen);
    EXPECT_TRUE(p.program().PlaylistModus);

    // The release of an Enter that answered a message elsewhere starts nothing.
    player.chkAlleTracks->setChecked(true);
    view.selectItem(1);
    view.setFocus();
    QTest::keyRelease(&view, Qt::Key_Return);
    QTest::keyRelease(player.filTrack(), Qt::Key_Return);
    EXPECT_EQ(p.status(), QStringLiteral("no play"));

    // Enter on the selected item starts it; the unticked item 2 is passed over.
    QTest::keyClick(&view, Qt::Key_Return);
    EXPECT_EQ(p.status(), QStringLiteral("playing:  ") + p.music + QStringLiteral("a.wav"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.status() == QStringLiteral("playing:  ") + p.music + QStringLiteral("c.wav"); }, 5000))
        << p.status().toStdString();
    EXPECT_EQ(view.selectedItem(), 3);
    player.chkAlleTracks->setChecked(false);
    player.imgStop_Click();
}

} // namespace
} // namespace klangtruhe::test
