#include "app/ausgabebox.h"
#include "app/program.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "support/catalogues.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"
#include "webtranslate/deeplrules.h"
#include "webtranslate/webtranslatecomponent.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(DeeplRules, PagesAndTheTextThatGoesToTheClipboard)
{
    EXPECT_TRUE(deeplAddress(DeeplPage::Translation).startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(deeplAddress(DeeplPage::Translation).endsWith(QStringLiteral("/translate/")));
    EXPECT_TRUE(deeplAddress(DeeplPage::Write).endsWith(QStringLiteral("/write/")));
    for (const char *box : {"TextSongs", "rtfInfo", "rtfSonstiges"})
        EXPECT_EQ(deeplSourceBox(QString::fromLatin1(box)), QString::fromLatin1(box));
    for (const char *other : {"TextBand", "rtfLinks", "txtSongText", "filTrack", "txtSuchen", "", "textsongs"})
        EXPECT_EQ(deeplSourceBox(QString::fromLatin1(other)), QString()) << other;
    EXPECT_EQ(deeplText(QStringLiteral("Teil"), QStringLiteral("Ganzer Teil")), QStringLiteral("Teil"));
    EXPECT_EQ(deeplText(QString(), QStringLiteral("Ganzer Teil")), QStringLiteral("Ganzer Teil"));
}

TEST(WebTranslate, MenuEntriesOpenThePageAndPutTheChosenTextOnTheClipboard)
{
    TestEnvironment env;
    QDir().mkpath(env.programFolder());
    const QString catalogue = env.path("sammlung.mdb");
    makeCatalogue(catalogue, {Row{{"Band", "Kraftwerk"},
                                  {"LPTitel", "Ralf und Florian"},
                                  {"Songs", "{\\rtf1\\ansi\\deff0 Tanzmusik\\par Kristallo\\par}"},
                                  {"InfoTab", "{\\rtf1\\ansi\\deff0 Aufgenommen in D\\'fcsseldorf\\par}"}}});
    QSettings store(env.settingsFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("Options/ArchivPfad"), catalogue);
    store.sync();
    StartedProgram started;
    Ausgabebox *window = started.window();
    ASSERT_NE(window, nullptr);
    window->catalogue().data().setAbsolutePosition(0);
    QClipboard *clipboard = QGuiApplication::clipboard();

    auto *translation = window->findChild<QAction *>(QStringLiteral("mnuTranslation"));
    auto *write = window->findChild<QAction *>(QStringLiteral("mnuDeeplWrite"));
    ASSERT_TRUE(translation && write);
    EXPECT_TRUE(translation->isEnabled());
    EXPECT_TRUE(write->isEnabled());

    // The info page without a selection: its whole text.
    window->program().lastFocusedControl = QStringLiteral("rtfInfo");
    translation->trigger();
    EXPECT_EQ(started.platform().opened, QStringList{deeplAddress(DeeplPage::Translation)});
    EXPECT_EQ(clipboard->text(), QStringLiteral("Aufgenommen in Düsseldorf"));

    // The song list with a selection over a line break: that part, as plain lines.
    auto *songs = window->findChild<QTextEdit *>(QStringLiteral("TextSongs"));
    QTextCursor cursor = songs->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(13, QTextCursor::KeepAnchor);
    songs->setTextCursor(cursor);
    window->program().lastFocusedControl = QStringLiteral("TextSongs");
    write->trigger();
    EXPECT_EQ(started.platform().opened.last(), deeplAddress(DeeplPage::Write));
    EXPECT_EQ(clipboard->text(), QStringLiteral("musik\nKri"));
}
