#include "catalogue/detailview.h"
#include "catalogue/recordgrid.h"
#include "mainwindowharness.h"

#include "texts/richtextbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

const QString kSongsRtf = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\viewkind4\\uc1\\pard\\f0\\fs20 "
    "1. M\\'fcller \\b Blues\\b0\\par\r\n2. Zugabe\\par\r\n}");

std::vector<Row> entries()
{
    return {Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}, {"Songs", kSongsRtf}, {"InfoTab", "nur Text, kein RTF"}},
            Row{{"Band", "Beatles"}, {"LPTitel", "Help"}, {"Stil", "Rock"}}};
}

} // namespace

TEST(DetailView, BezIniCaptionsKeepEmptyLinesAndReadWindows1252)
{
    // An empty line keeps the design caption.
    const QStringList design = designCaptions();
    QStringList captions = captionsFromBezIni("Interpret\r\n\r\nFormat\r\n", design);
    EXPECT_EQ(captions.mid(0, 4), (QStringList{"Interpret", "Titel", "Format", "Songs"}));
    // Windows-1252, more lines than labels.
    captions = captionsFromBezIni(QByteArray("K\xfcnstler\r\n").repeated(30), design);
    EXPECT_EQ(captions.at(0), QStringLiteral("Künstler"));
}

TEST(DetailView, CaptionsFieldsStarsAndKeysAndEditsStoredOnEntryChange)
{
    MainWindowHarness h(entries());
    // The captions come from the file beside the database.
    h.program().databaseFolder = h.env.root() + QLatin1Char('/');
    writeFile(h.env.path(QStringLiteral("Bez.ini")), "Interpret");
    h.catalogue().BezLaden();
    EXPECT_EQ(h.find<QLabel>(QStringLiteral("Bez_0"))->text(), QStringLiteral("Interpret"));

    auto *band = h.find<QLineEdit>(QStringLiteral("TextBand"));
    auto *stil = h.find<QLineEdit>(QStringLiteral("TextStil"));
    auto *songs = h.find<RichTextBox>(QStringLiteral("TextSongs"));
    auto *info = h.find<RichTextBox>(QStringLiteral("rtfInfo"));
    ASSERT_TRUE(band && stil && songs && info);
    EXPECT_EQ(band->text(), QStringLiteral("Abba"));
    EXPECT_EQ(songs->toPlainText(), QStringLiteral("1. Müller Blues\n2. Zugabe"));
    EXPECT_EQ(info->toPlainText(), QStringLiteral("nur Text, kein RTF"));

    // Looking is no edit: moving on leaves the fields byte for byte.
    h.data().setAbsolutePosition(1);
    h.data().setAbsolutePosition(0);
    EXPECT_EQ(querySingle(h.path, QStringLiteral("select Songs from Schallplatten where Band = 'Abba'")).toString(),
              kSongsRtf);
    EXPECT_TRUE(querySingle(h.path, QStringLiteral("select Stil from Schallplatten where Band = 'Abba'")).isNull());

    // A star click writes the rating.
    int playlistHidden = 0;
    h.catalogue().hooks.hidePlaylistView = [&] { ++playlistHidden; };
    QTest::mouseClick(h.find<QLabel>(QStringLiteral("imgCDnote_3")), Qt::LeftButton);
    DetailView &view = h.catalogue().detailView();
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(view.starIsGold(k), k <= 3) << k;
    EXPECT_EQ(playlistHidden, 1) << "the rating gives the text pages their place back";
    h.data().setAbsolutePosition(1);
    EXPECT_EQ(querySingle(h.path, QStringLiteral("select Bewertung from Schallplatten where Band = 'Abba'")).toString(),
              QStringLiteral("4"));

    // Enter in the style field is swallowed; Esc in the song list ends a pause.
    QSignalSpy returns(stil, &QLineEdit::returnPressed);
    QTest::keyClick(stil, Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0);
    QTest::keyClick(songs, Qt::Key_Escape);
    EXPECT_TRUE(h.program().PauseAbbrechen);

    // Typing, then another entry: a second connection sees the edits.
    h.data().setAbsolutePosition(0);
    band->setFocus();
    band->selectAll();
    QTest::keyClicks(band, QStringLiteral("ABBA"));
    songs->moveCursor(QTextCursor::End);
    songs->insertPlainText(QStringLiteral(" 3. Neu"));
    h.data().setAbsolutePosition(1);
    EXPECT_EQ(querySingle(h.path, QStringLiteral("select count(*) from Schallplatten where Band = 'ABBA'")).toInt(), 1);
    const QString storedSongs =
        querySingle(h.path, QStringLiteral("select Songs from Schallplatten where Band = 'ABBA'")).toString();
    EXPECT_TRUE(storedSongs.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(storedSongs.contains(QStringLiteral("M\\'fcller")));
    EXPECT_TRUE(storedSongs.contains(QStringLiteral("3. Neu")));
    EXPECT_EQ(stil->text(), QStringLiteral("Rock"));
}
