#include "catalogue/mainwindowharness.h"
#include "support/dialogdriver.h"

#include "app/settingkeys.h"
#include "common/twips.h"
#include "texts/textbarbutton.h"
#include "texts/textformatting.h"
#include "texts/textscomponent.h"

#include <QAction>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

std::vector<Row> entries()
{
    return {Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}, {"BestellNr", "POLS 272"}}};
}

void selectAll(QTextEdit *box)
{
    QTextCursor cursor = box->textCursor();
    cursor.select(QTextCursor::Document);
    box->setTextCursor(cursor);
}

void focus(QWidget *control, QEvent::Type type, Qt::FocusReason reason = Qt::OtherFocusReason)
{
    QFocusEvent event(type, reason);
    QCoreApplication::sendEvent(control, &event);
}

} // namespace

TEST(TextsComponent, ButtonBarFormatsTheSongListSelection)
{
    MainWindowHarness h(entries());
    auto *songs = h.find<QTextEdit>(QStringLiteral("TextSongs"));
    ASSERT_TRUE(songs);

    songs->setPlainText(QStringLiteral("Fernando\nDancing Queen"));
    QTextCursor first(songs->document());
    first.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    toggleCharAttribute(first, CharToggle::Bold);
    selectAll(songs);

    QTest::mouseClick(h.find<TextBarButton>(QStringLiteral("ButtonText_3")), Qt::LeftButton);
    EXPECT_EQ(coverage(songs->textCursor(), CharToggle::Bold), Coverage::All);
    EXPECT_EQ(h.window->focusWidget(), songs);

    // The search buttons call whoever wired them.
    int searches = 0;
    h.window->texts().hooks.Weitersuchen = [&searches] { ++searches; };
    QTest::mouseClick(h.find<TextBarButton>(QStringLiteral("ButtonText_8")), Qt::LeftButton);
    EXPECT_EQ(searches, 1);

    // Bullets over a bulleted and a plain paragraph: a message, nothing changed.
    QTextCursor second(songs->document()->lastBlock());
    setBullets(second, true);
    selectAll(songs);
    const QString before = songs->toHtml();
    Asked shown;
    answerNextMessage(shown);
    QTest::mouseClick(h.find<TextBarButton>(QStringLiteral("ButtonText_11")), Qt::LeftButton);
    EXPECT_EQ(shown.title, QStringLiteral("Aufzählungsstil mit Punkten"));
    EXPECT_EQ(songs->toHtml(), before);
}

TEST(TextsComponent, FontMenuFollowsTheFocusAndIndentsAreAskedAndStored)
{
    MainWindowHarness h(entries());
    auto *songs = h.find<QTextEdit>(QStringLiteral("TextSongs"));
    QMenu *menu = h.window->texts().fontMenu();
    ASSERT_TRUE(menu);
    EXPECT_FALSE(menu->isEnabled());
    focus(songs, QEvent::FocusIn);
    EXPECT_TRUE(menu->isEnabled());
    focus(songs, QEvent::FocusOut, Qt::PopupFocusReason); // the menu itself opening
    EXPECT_TRUE(menu->isEnabled());
    focus(songs, QEvent::FocusOut);
    EXPECT_FALSE(menu->isEnabled());
    focus(h.find<QTextEdit>(QStringLiteral("rtfInfo")), QEvent::FocusIn);
    EXPECT_FALSE(menu->isEnabled());
    auto *links = h.find<QTextEdit>(QStringLiteral("rtfLinks"));
    focus(links, QEvent::FocusIn);
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(h.window->texts().LetzterTextbereich(), QStringLiteral("rtfLinks"));
    // Only the lyrics box forgets itself when it loses the focus.
    auto *lyrics = h.find<QTextEdit>(QStringLiteral("txtSongText"));
    focus(lyrics, QEvent::FocusIn);
    EXPECT_EQ(h.window->texts().LetzterTextbereich(), QStringLiteral("txtSongText"));
    focus(lyrics, QEvent::FocusOut);
    EXPECT_EQ(h.window->texts().LetzterTextbereich(), QString());

    songs->setPlainText(QStringLiteral("eins\nzwei"));
    songs->setTextCursor(QTextCursor(songs->document()->lastBlock()));
    auto *left = h.find<QAction>(QStringLiteral("mnuRandLinks"));
    ASSERT_TRUE(left);
    Asked asked;
    answerNextInput(asked, QStringLiteral("720"));
    left->trigger();
    EXPECT_EQ(asked.title, QStringLiteral("Texteinzug links"));
    EXPECT_EQ(asked.preset, QStringLiteral("50"));
    EXPECT_EQ(songs->document()->lastBlock().blockFormat().leftMargin(), 48);
    EXPECT_EQ(h.program().settings.read(keys::SeitenrandLinks), QStringLiteral("720"));
}

TEST(TextsComponent, MarkedTextRunsAsWebAddressFileMailOrWord)
{
    MainWindowHarness h(entries());
    RecordingPlatform &platform = static_cast<RecordingPlatform &>(h.program().platform());
    QAction *weblink = h.find<QAction>(QStringLiteral("mnuWeblink"));
    ASSERT_TRUE(weblink && weblink->isEnabled());

    auto *links = h.find<QTextEdit>(QStringLiteral("rtfLinks"));
    links->setPlainText(QStringLiteral("Seite: www.abba.com und mehr"));
    QTextCursor cursor(links->document());
    cursor.setPosition(6);
    cursor.setPosition(20, QTextCursor::KeepAnchor); // " www.abba.com " with its blanks
    links->setTextCursor(cursor);
    focus(links, QEvent::FocusIn);
    ASSERT_EQ(h.program().lastFocusedControl, QStringLiteral("rtfLinks"));
    Asked asked;
    answerNextInput(asked, QStringLiteral("www.abba.com"));
    weblink->trigger();
    EXPECT_EQ(asked.title, QStringLiteral("Linkausführung"));
    EXPECT_EQ(asked.preset, QStringLiteral("www.abba.com"));
    EXPECT_EQ(platform.opened, QStringList{QStringLiteral("www.abba.com")});

    // A path with a drive letter opens with the associated program.
    auto *band = h.find<QLineEdit>(QStringLiteral("TextBand"));
    h.program().lastFocusedControl = QStringLiteral("TextBand");
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(h.env.root());
    writeFile(h.env.path(QStringLiteral("C:\\Musik\\x.pdf")), "%PDF");
    band->setText(QStringLiteral("C:\\Musik\\x.pdf"));
    band->selectAll();
    platform.associatedProgram = QStringLiteral("/usr/bin/okular");
    weblink->trigger();
    EXPECT_EQ(platform.started, QStringList{QStringLiteral("/usr/bin/okular C:\\Musik\\x.pdf")});
    QDir::setCurrent(oldCurrent);
}

TEST(TextsComponent, LabelsSearchTheShop)
{
    MainWindowHarness h(entries());
    RecordingPlatform &platform = static_cast<RecordingPlatform &>(h.program().platform());
    h.find<QLineEdit>(QStringLiteral("TextBand"))->setText(QStringLiteral("Die Ärzte"));
    h.find<QLineEdit>(QStringLiteral("TextLPTitel"))->setText(QStringLiteral("Geräusch"));
    QTest::mouseClick(h.find<QLabel>(QStringLiteral("Bez_1")), Qt::LeftButton);
    ASSERT_EQ(platform.opened.size(), 1);
    EXPECT_TRUE(platform.opened.first().startsWith(QStringLiteral("https://www.amazon.de/s/ref=nb_ss_w?")));
    EXPECT_TRUE(platform.opened.first().contains(QStringLiteral("&field-keywords=Die+Ärzte+Geraeusch&")));
    QTest::mouseClick(h.find<QLabel>(QStringLiteral("Bez_2")), Qt::LeftButton); // no shop query
    EXPECT_EQ(platform.opened.size(), 1);
}

TEST(TextsComponent, SongListSizeLyricsAndPages)
{
    MainWindowHarness h(entries());
    auto *pages = h.find<QTabWidget>(QStringLiteral("tabTexte"));
    auto *songs = h.find<QTextEdit>(QStringLiteral("TextSongs"));
    auto *small = h.find<QWidget>(QStringLiteral("cmdTextSmall"));
    auto *big = h.find<QWidget>(QStringLiteral("cmdTextBig"));
    ASSERT_TRUE(pages && songs && small && big);
    const auto check = [&](int height, bool labels) {
        QCoreApplication::processEvents();
        EXPECT_EQ(songs->height(), twipsToPixelsY(height));
        EXPECT_EQ(h.find<QWidget>(QStringLiteral("Bez_0"))->isVisible(), labels);
    };
    check(1790, true);
    QTest::mouseClick(small, Qt::LeftButton);
    check(4860, false);
    QTest::mouseClick(big, Qt::LeftButton);
    check(1790, true);

    auto *lyrics = h.find<QTextEdit>(QStringLiteral("txtSongText"));
    QAction *onOff = h.find<QAction>(QStringLiteral("mnuSongTextEinAus"));
    ASSERT_TRUE(onOff->isEnabled());
    onOff->trigger();
    EXPECT_TRUE(lyrics->isVisible());
    EXPECT_EQ(h.window->focusWidget(), lyrics);
    onOff->trigger();
    EXPECT_FALSE(lyrics->isVisible());

    // Clicking a note page gives its box the focus; the playlist page asks for a re-read.
    int rereads = 0;
    h.window->texts().hooks.playlistPageClicked = [&rereads] { ++rereads; };
    QTabBar *tabs = pages->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(pages->currentIndex(), 2);
    EXPECT_EQ(h.window->focusWidget(), h.find<QWidget>(QStringLiteral("rtfInfo")));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
    EXPECT_EQ(rereads, 1);
}
