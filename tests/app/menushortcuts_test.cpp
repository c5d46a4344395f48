#include "app/ausgabebox.h"
#include "app/statusbar.h"
#include "catalogue/catalogueschema.h"
#include "support/dialogdriver.h"
#include "support/startedprogram.h"
#include "support/tempfolders.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {
void bareProgramFolder(const TestEnvironment &env)
{
    QDir().mkpath(env.programFolder());
    createEmptyCatalogue(env.programFolder() + QStringLiteral("Archiv_leer.mdb"));
}
} // namespace

TEST(MenuBar, ShortcutsReachTheirEntries)
{
    TestEnvironment env;
    bareProgramFolder(env);
    StartedProgram program;
    ASSERT_TRUE(program.running());
    Ausgabebox *window = program.window();
    window->activateWindow();
    QApplication::setActiveWindow(window);

    QSignalSpy refreshed(window->findChild<QAction *>(QStringLiteral("MenuAktualisieren")), &QAction::triggered);
    QTest::keyClick(window, Qt::Key_F5);
    EXPECT_EQ(refreshed.count(), 1);

    // F1 opens the help page with the browser (the recording platform sees it).
    QTest::keyClick(window, Qt::Key_F1);
    ASSERT_EQ(program.platform().opened.size(), 1);
    EXPECT_TRUE(program.platform().opened.first().endsWith(QStringLiteral("index.html")));

    // Ctrl+T shows the tips, Ctrl+I the info window.
    QString tipsTitle;
    onNextModalDialog([&tipsTitle](QWidget *dialog) {
        tipsTitle = dialog->windowTitle();
        dialog->close();
    });
    QTest::keyClick(window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(tipsTitle, QStringLiteral("Tipps und Tricks"));

    QString infoName;
    onNextModalDialog([&infoName](QWidget *dialog) {
        infoName = dialog->objectName();
        dialog->close();
    });
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(infoName, QStringLiteral("frmInfo"));

    QString openTitle;
    onNextModalDialog([&openTitle](QWidget *dialog) {
        openTitle = dialog->windowTitle();
        dialog->close();
    });
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(openTitle, QStringLiteral(" Datenbank laden"));

    QSignalSpy optimised(window->findChild<QAction *>(QStringLiteral("mnuSpaltenbreite")), &QAction::triggered);
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_F9);
    EXPECT_EQ(optimised.count(), 1);

    // Button 18 shows its caption whole under its picture.
    auto *internet = window->findChild<QToolButton *>(QStringLiteral("cmdButton_18"));
    ASSERT_NE(internet, nullptr);
    EXPECT_EQ(internet->text(), QStringLiteral("Internet"));
    EXPECT_EQ(internet->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_LE(internet->fontMetrics().horizontalAdvance(internet->text()), internet->width() - 6);

    // A tool button runs its entry: cmdButton_2 refreshes.
    auto *refreshButton = window->findChild<QToolButton *>(QStringLiteral("cmdButton_2"));
    ASSERT_NE(refreshButton, nullptr);
    EXPECT_EQ(refreshButton->toolTip(), QStringLiteral(" Aktualisieren "));
    QTest::mouseClick(refreshButton, Qt::LeftButton);
    EXPECT_EQ(refreshed.count(), 2);

    // Ctrl+B ends the program the "&Beenden" way.
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}
