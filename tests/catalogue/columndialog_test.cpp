#include "catalogue/recordgrid.h"
#include "catalogue/recordtablemodel.h"
#include "mainwindowharness.h"
#include "support/dialogdriver.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

void press(QWidget *dialog, const char *button)
{
    auto *b = dialog->findChild<QPushButton *>(QString::fromUtf8(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

void select(QWidget *dialog, const char *list, const QString &text)
{
    auto *widget = dialog->findChild<QListWidget *>(QString::fromLatin1(list));
    const auto found = widget->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    widget->setCurrentItem(found.first());
}

} // namespace

TEST(ColumnDialog, OkStoresTheLayoutAndRebuildsTheGrid)
{
    MainWindowHarness h({Row{{"Band", "Abba"}, {"Preis", "12,99"}}});
    onNextModalDialog([](QWidget *dialog) {
        select(dialog, "lstTabelle", QStringLiteral("Preis"));
        press(dialog, "cmdEntfernen");
        press(dialog, "cmdOK");
    });
    h.catalogue().mnuTabelleAnordnen_Click();
    SettingsStore &settings = h.program().settings;
    EXPECT_EQ(settings.read(keys::TabelleAnordnenCaption, 17), QStringLiteral("Preis0"));
    // The grid shows Preis hidden at the end, the widths optimised.
    EXPECT_EQ(h.catalogue().model().headerText(17), QStringLiteral("Preis"));
    EXPECT_EQ(h.catalogue().recordGrid().columnWidth(17), 0);
    EXPECT_NE(settings.read(keys::Spaltenbreite, 0), QStringLiteral("1000"));
}
