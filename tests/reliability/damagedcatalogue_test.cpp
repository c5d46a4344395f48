#include "catalogue/cataloguedatabase.h"
#include "catalogue/data1.h"
#include "reliability/germanmessages.h"
#include "support/audiofixtures.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>


using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QStringList folderListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

// Every file that is no catalogue of ours is refused in German, and neither
// the file nor its folder changes.
TEST(DamagedCatalogue, ForeignAndBrokenFilesAreRefusedInGermanAndLeftAlone)
{
    TestEnvironment env;
    const QString good = makeCatalogue(env.path(QStringLiteral("vorlage/gut.mdb")),
                                       {{{QStringLiteral("Band"), QStringLiteral("Abba")}}});
    const QByteArray whole = readFile(good);
    ASSERT_GT(whole.size(), 4096);
    QByteArray pageDamaged = whole;
    // The schema page is overwritten past its header: the file still says SQLite.
    pageDamaged.replace(100, 3000, randomBytes(3000, 5));
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    const QString other = env.path(QStringLiteral("vorlage/andere.db"));
    execSql(other, QStringLiteral("create table Kunden (Name text)"));

    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("leer.mdb"), QByteArray()},
        {QStringLiteral("abgeschnitten.mdb"), whole.left(1500)},
        {QStringLiteral("halb.mdb"), whole.left(whole.size() / 2)},
        {QStringLiteral("zufall.mdb"), randomBytes(8192, 1)},
        {QStringLiteral("seitenfehler.mdb"), pageDamaged},
        {QStringLiteral("access.mdb"), jet},
        {QStringLiteral("fremd.mdb"), readFile(other)},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = env.path(QStringLiteral("sammlungen/") + name);
        writeFile(path, bytes);
        const QStringList before = folderListing(QFileInfo(path).absolutePath());

        DatabaseError error;
        auto database = CatalogueDatabase::open(path, error);
        if (database) {
            // A damage SQLite only meets when it reads the table: reading fails, in German.
            Data1 data;
            data.setDatabaseName(path);
            data.setRecordSource(QStringLiteral("select * from Schallplatten order by Band"));
            EXPECT_FALSE(data.refreshWith(std::move(database), error) && data.recordCount() > 0);
        }
        EXPECT_TRUE(error.isError());
        EXPECT_FALSE(error.description.isEmpty());
        EXPECT_FALSE(soundsEnglish(error.description)) << error.description.toStdString();
        EXPECT_EQ(readFile(path), bytes) << "the file was changed";
        EXPECT_EQ(folderListing(QFileInfo(path).absolutePath()), before) << "files appeared beside it";
    }
}

// A stored record source is only ever read: one that changes data does not run.
TEST(DamagedCatalogue, RecordSourcesThatWouldChangeDataDoNotRun)
{
    TestEnvironment env;
    const QString path = makeCatalogue(env.path(QStringLiteral("Sammlung.mdb")),
                                       {{{QStringLiteral("Band"), QStringLiteral("Abba")}},
                                        {{QStringLiteral("Band"), QStringLiteral("Zappa")}}});
    const QStringList statements = {
        QStringLiteral("delete from Schallplatten"),
        QStringLiteral("update Schallplatten set Band = 'weg'"),
        QStringLiteral("drop table Schallplatten"),
        QStringLiteral("insert into Schallplatten (Band) values ('neu')"),
        QStringLiteral("select * from Schallplatten; drop table Schallplatten"),
        QStringLiteral("with x as (select 1) delete from Schallplatten"),
    };
    for (const QString &statement : statements) {
        SCOPED_TRACE(statement.toStdString());
        Data1 data;
        data.setDatabaseName(path);
        data.setRecordSource(statement);
        DatabaseError error;
        if (!data.refresh(error)) {
            EXPECT_FALSE(soundsEnglish(error.description)) << error.description.toStdString();
        }
        EXPECT_EQ(querySingle(path, QStringLiteral("select group_concat(Band) from Schallplatten")).toString(),
                  QStringLiteral("Abba,Zappa"));
    }
}
