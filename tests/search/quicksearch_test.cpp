#include "searchprogram.h"

#include "player/playercomponent.h"
#include "texts/textscomponent.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

constexpr quint32 kHit = 0xC0FFC0;
constexpr quint32 kMiss = 0xC0C0FF;

void typeAndEnter(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

template <typename T> T *control(const SearchProgram &p, const char *name)
{
    return p.window()->findChild<T *>(QString::fromLatin1(name));
}

QString selected(const QTextEdit *box)
{
    return box->textCursor().selectedText();
}

} // namespace

TEST(QuickSearch, QuickAndFullTextSearchFindHitAfterHitMarkWhatTheyFoundAndSayWhenDone)
{
    SearchProgram p;
    QLineEdit *box = p.search().searchBox();
    auto *pages = control<QTabWidget>(p, "tabTexte");

    typeAndEnter(box, QStringLiteral("BEAT"));
    EXPECT_EQ(p.band(), QStringLiteral("Abbey Beat"));
    EXPECT_EQ(p.search().searchBoxColour(), kHit);

    // The next request goes on below: the word on the page "Info" is marked and its page shown.
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(p.band(), QStringLiteral("Die \u00c4rzte"));
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(selected(control<QTextEdit>(p, "rtfInfo")), QStringLiteral("Beat"));
    QTest::keyClick(box, Qt::Key_Return);

    // Nothing more: red, the sound, the whole text marked.
    p.platform().sounds.clear();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(p.search().searchBoxColour(), kMiss);
    EXPECT_EQ(p.platform().sounds, QStringList{p.program().programFolder + QStringLiteral("false.wav")});
    EXPECT_EQ(box->selectedText(), QStringLiteral("BEAT"));

    // A hit in the track list marks the track and scrolls it to the top.
    QListWidget *tracks = p.window()->player().filTrack();
    p.data().setAbsolutePosition(3);
    typeAndEnter(box, QStringLiteral("live"));
    EXPECT_EQ(p.band(), QStringLiteral("Abbey Beat"));
    ASSERT_EQ(tracks->selectedItems().size(), 1);
    EXPECT_EQ(tracks->selectedItems().first()->text(), QStringLiteral("04 - Live.wav"));
    EXPECT_EQ(tracks->indexAt(QPoint(2, 2)).row(), 3); // scrolled to the top of the list

    // A match in the song list's visible text counts and is marked there.
    typeAndEnter(box, QStringLiteral("caramel"));
    EXPECT_EQ(p.band(), QStringLiteral("Cluster"));
    EXPECT_EQ(selected(control<QTextEdit>(p, "TextSongs")), QStringLiteral("Caramel"));

    // The full-text search finds hit after hit in the song list and says when it is done.
    TextsComponent &texts = p.window()->texts();
    auto *songs = control<QTextEdit>(p, "TextSongs");

    Asked asked;
    p.data().setAbsolutePosition(2);
    answerNextInput(asked, QStringLiteral("LOVE"));
    texts.ButtonText_Click(7);
    EXPECT_EQ(selected(songs), QStringLiteral("Love"));
    texts.ButtonText_Click(8);
    EXPECT_EQ(selected(songs), QStringLiteral("love"));
    Asked message;
    answerNextMessage(message);
    texts.ButtonText_Click(8);
    EXPECT_EQ(message.line(), QStringLiteral("LOVE|Alles durchsucht, Suche beendet."));

    // A marked text is proposed; a text that is not there is reported.
    QTextCursor cursor = songs->textCursor();
    cursor.setPosition(19);
    cursor.setPosition(23, QTextCursor::KeepAnchor);
    songs->setTextCursor(cursor);
    answerNextInput(asked, QStringLiteral("Yesterday"));
    answerNextMessage(message);
    texts.ButtonText_Click(7);
    EXPECT_EQ(asked.preset, QStringLiteral("need"));
    EXPECT_EQ(message.line(), QStringLiteral("Volltextsuche|Yesterday nicht gefunden"));
}
