// Daily backups beside the catalogue: when one is made, what is kept, and
// putting one back through the menu.
#include "catalogue/backupcomponent.h"
#include "catalogue/backups.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "programfolder.h"
#include "support/catalogues.h"
#include "support/dialogdriver.h"

#include <QDialog>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QStringList backupNames(const QString &catalogue)
{
    return QDir(backupFolderOf(catalogue)).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(Backups, DueOncePerDayNamedByTimeAndOnlyTheNewestKept)
{
    TestEnvironment env;
    const QString catalogue = makeCatalogue(env.path("Archiv.mdb"), {Row{{"Band", "Can"}}, Row{{"Band", "Neu!"}}});
    const QDateTime morning(QDate(2026, 12, 7), QTime(8, 30, 0));
    EXPECT_EQ(backupPathFor(catalogue, morning), env.path("Sicherungen/Archiv 2026-12-07 08-30-00.mdb"));
    EXPECT_TRUE(backupDue({}, morning.date()));

    for (int day = 1; day <= 12; ++day)
        ASSERT_TRUE(writeBackupOfFile(catalogue, backupPathFor(catalogue, morning.addDays(-day)), nullptr));
    // Another catalogue's backup and a stray file in the folder are no backups of this one.
    writeFile(env.path("Sicherungen/Archiv2 2026-12-06 08-30-00.mdb"), "x");
    writeFile(env.path("Sicherungen/Archiv Kopie.mdb"), "x");
    const QList<BackupFile> found = listBackups(catalogue);
    ASSERT_EQ(found.size(), 12);
    EXPECT_EQ(found.first().made, morning.addDays(-1));
    EXPECT_TRUE(backupDue(found, morning.date()));
    EXPECT_FALSE(backupDue(found, morning.date().addDays(-1)));
    EXPECT_EQ(backupsBeyond(found, 10), (QStringList{found.at(10).path, found.at(11).path}));
}

TEST(Backups, TheFirstEditOfTheDayIsBackedUpFirstAndAChosenBackupComesBack)
{
    ProgramFolder f;
    const QString catalogue = makeCatalogue(f.env.path("Archiv.mdb"), {Row{{"Band", "Can"}, {"Info", "alt"}}, Row{{"Band", "Neu!"}}});
    f.store({{QStringLiteral("ArchivPfad"), catalogue},
             {QStringLiteral("Data1RecordSource"), QStringLiteral("select * from Schallplatten order by Band")},
             {QStringLiteral("SicherungenAnzahl"), QStringLiteral("2")}});
    QDateTime today(QDate(2026, 12, 7), QTime(20, 15, 0));
    for (int day = 3; day >= 2; --day)
        writeBackupOfFile(catalogue, backupPathFor(catalogue, today.addDays(-day)), nullptr);

    ASSERT_TRUE(f.start());
    Data1 &data = f.window().catalogue().data();
    f.window().backups().clock = [&] { return today; };
    auto edit = [&](const QString &info) {
        data.setAbsolutePosition(0);
        data.setFieldValue(QStringLiteral("Info"), info);
        data.setAbsolutePosition(1);
    };
    edit(QStringLiteral("neu"));
    EXPECT_EQ(querySingle(catalogue, QStringLiteral("select Info from Schallplatten where Band = 'Can'")), QStringLiteral("neu"));
    EXPECT_EQ(querySingle(backupPathFor(catalogue, today), QStringLiteral("select Info from Schallplatten where Band = 'Can'")),
              QStringLiteral("alt"))
        << "the copy holds the state before the change";
    EXPECT_EQ(backupNames(catalogue), (QStringList{"Archiv 2026-12-05 20-15-00.mdb", "Archiv 2026-12-07 20-15-00.mdb"}));

    // Later edits of the session, or of the same day, are not copied again.
    today = today.addSecs(60);
    edit(QStringLiteral("neuer"));
    EXPECT_EQ(backupNames(catalogue).size(), 2);

    // Restoring: the list names date and count; after "Ja" the old state is back and the current one kept.
    onNextModalDialog([](QWidget *dialog) {
        auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("lvwSicherungen"));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("07.12.2026 20:15:00"));
        list->setCurrentItem(list->topLevelItem(0));
        answerNextModalDialog(QStringLiteral("cmdButton_1"));
        static_cast<QDialog *>(dialog)->accept();
    });
    f.find(QStringLiteral("mnuSicherungWiederherstellen"))->trigger();
    EXPECT_EQ(querySingle(catalogue, QStringLiteral("select Info from Schallplatten where Band = 'Can'")), QStringLiteral("alt"));
    EXPECT_EQ(data.recordCount(), 2);
    EXPECT_EQ(querySingle(backupPathFor(catalogue, today), QStringLiteral("select Info from Schallplatten where Band = 'Can'")),
              QStringLiteral("neuer"));
}
