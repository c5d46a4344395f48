#include "catalogue/frmspaltenanordnen.h"
#include "catalogue/recordgrid.h"
#include "catalogue/recordtablemodel.h"
#include "mainwindowharness.h"
#include "support/dialogdriver.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QStringList items(QWidget *dialog, const char *list)
{
    QStringList texts;
    auto *widget = dialog->findChild<QListWidget *>(QString::fromLatin1(list));
    for (int i = 0; widget && i < widget->count(); ++i)
        texts << widget->item(i)->text();
    return texts;
}

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

TEST(ColumnDialog, OkRebuildsTheGridAndCancelStoresNothingButTheSortOption)
{
    MainWindowHarness h({Row{{"Band", "Abba"}, {"Preis", "12,99"}}});
    bool notSort = true;
    onNextModalDialog([&](QWidget *dialog) {
        notSort = dialog->findChild<QCheckBox *>(QStringLiteral("chkNotSort"))->isChecked();
        select(dialog, "lstTabelle", QStringLiteral("Preis"));
        press(dialog, "cmdEntfernen");
        press(dialog, "cmdOK");
    });
    h.catalogue().mnuTabelleAnordnen_Click();
    EXPECT_FALSE(notSort);
    SettingsStore &settings = h.program().settings;
    EXPECT_EQ(settings.read(keys::TabelleAnordnenCaption, 17), QStringLiteral("Preis0"));
    // The grid shows Preis hidden at the end, the widths optimised.
    EXPECT_EQ(h.catalogue().model().headerText(17), QStringLiteral("Preis"));
    EXPECT_EQ(h.catalogue().recordGrid().columnWidth(17), 0);
    EXPECT_NE(settings.read(keys::Spaltenbreite, 0), QStringLiteral("1000"));

    // "Default" offers the default columns; cancelling stores nothing, but the sort option acts at once.
    QStringList afterDefault;
    onNextModalDialog([&](QWidget *dialog) {
        press(dialog, "cmdDefault");
        afterDefault = items(dialog, "lstTabelle");
        dialog->findChild<QCheckBox *>(QStringLiteral("chkNotSort"))->click();
        press(dialog, "cmdExit");
    });
    h.catalogue().mnuTabelleAnordnen_Click();
    EXPECT_EQ(afterDefault, (QStringList{"Band", "LPTitel", "Medium", "Stil", "Bewertung", "Datum", "Plattenfirma",
                                         "BestellNr", "Preis"}));
    EXPECT_EQ(settings.read(keys::TabelleAnordnenCaption, 17), QStringLiteral("Preis0"));
    EXPECT_EQ(settings.read(keys::TableNotSort), QStringLiteral("0"));
    EXPECT_TRUE(h.program().tableNotSorted);
}

TEST(ColumnDialog, ButtonsMoveItemsAndStandardConfirmsAndStores)
{
    TestEnvironment env;
    Program program(std::make_unique<RecordingPlatform>());
    program.settings.write(keys::TabelleAnordnenCaption, 2, QStringLiteral("Medium0"));
    frmSpaltenAnordnen dialog(program);
    dialog.show();
    EXPECT_EQ(items(&dialog, "lstSpalten"), QStringList{QStringLiteral("Medium")});

    select(&dialog, "lstTabelle", QStringLiteral("SonstigesTab"));
    press(&dialog, "cmdHochTief_0");
    EXPECT_EQ(items(&dialog, "lstTabelle").at(15), QStringLiteral("SonstigesTab"));

    // "einfügen" brings a hidden column back at the end.
    select(&dialog, "lstSpalten", QStringLiteral("Medium"));
    press(&dialog, "cmdEinfügen");
    EXPECT_EQ(items(&dialog, "lstTabelle").last(), QStringLiteral("Medium"));
    EXPECT_TRUE(items(&dialog, "lstSpalten").isEmpty());

    closeNextModalDialog(); // the notice
    press(&dialog, "cmdStandard");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(program.settings.read(keys::TabelleAnordnenCaption, 2), QStringLiteral("Medium1"));
    EXPECT_EQ(program.settings.read(keys::TabelleAnordnenCaption, 15), QStringLiteral("InternetTab1"));
}
