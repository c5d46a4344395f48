#include "app/ausgabebox.h"
#include "catalogue/programfolder.h"
#include "support/dialogdriver.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

TEST(MenuBar, ShortcutsReachTheirEntries)
{
    ProgramFolder f;
    ASSERT_TRUE(f.start());
    Ausgabebox *window = &f.window();
    const auto press = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, key, modifiers);
    };

    QSignalSpy refreshed(f.find(QStringLiteral("MenuAktualisieren")), &QAction::triggered);
    press(Qt::Key_F5);
    EXPECT_EQ(refreshed.count(), 1);
    QSignalSpy optimised(f.find(QStringLiteral("mnuSpaltenbreite")), &QAction::triggered);
    press(Qt::Key_F9);
    EXPECT_EQ(optimised.count(), 1);

    // F1 opens the help page with the browser (the recording platform sees it).
    press(Qt::Key_F1);
    ASSERT_EQ(f.program->platform().opened.size(), 1);
    EXPECT_TRUE(f.program->platform().opened.first().endsWith(QStringLiteral("index.html")));

    // Ctrl+T the tips, Ctrl+I the info window, Ctrl+O the file dialog.
    const struct {
        Qt::Key key;
        const char *dialog;
    } dialogs[] = {{Qt::Key_T, "Tipps und Tricks"}, {Qt::Key_I, "frmInfo"}, {Qt::Key_O, " Datenbank laden"}};
    for (const auto &d : dialogs) {
        QString seen;
        onNextModalDialog([&seen](QWidget *dialog) {
            seen = dialog->objectName() == QStringLiteral("frmInfo") ? dialog->objectName() : dialog->windowTitle();
            dialog->close();
        });
        press(d.key, Qt::ControlModifier);
        EXPECT_EQ(seen, QString::fromUtf8(d.dialog));
    }

    // Button 18 shows its caption whole under its picture; cmdButton_2 refreshes.
    auto *internet = f.find<QToolButton>(QStringLiteral("cmdButton_18"));
    ASSERT_NE(internet, nullptr);
    EXPECT_EQ(internet->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_LE(internet->fontMetrics().horizontalAdvance(internet->text()), internet->width() - 6);
    QTest::mouseClick(f.find<QToolButton>(QStringLiteral("cmdButton_2")), Qt::LeftButton);
    EXPECT_EQ(refreshed.count(), 2);

    // Ctrl+B ends the program the "&Beenden" way.
    press(Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
}
