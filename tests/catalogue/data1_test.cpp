#include "catalogue/columnlayout.h"
#include "catalogue/data1.h"
#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QSignalSpy>
#include <sqlite3.h>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

std::vector<Row> threeEntries()
{
    return {Row{{"Band", "Beatles"}, {"LPTitel", "Abbey Road"}, {"Stil", "Rock"}},
            Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}, {"Stil", "Pop"}},
            Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}, {"Stil", "Krautrock"}, {"Info", QVariant()}}};
}

bool open(Data1 &data, const QString &path, const QString &statement)
{
    data.setDatabaseName(path);
    data.setRecordSource(statement);
    DatabaseError error;
    return data.refresh(error);
}

} // namespace

TEST(Data1, MovesStoresEditsOnEntryChangeKeepsThemThroughALockAndRefusesForeignFiles)
{
    TestEnvironment env;
    const QString path = makeCatalogue(env.path("a.mdb"), threeEntries());
    Data1 data;
    QSignalSpy changed(&data, &Data1::currentChanged);
    ASSERT_TRUE(open(data, path, QStringLiteral("select * from Schallplatten order by Band, LPTitel")));
    EXPECT_EQ(data.recordCount(), 3);
    EXPECT_EQ(data.fieldValue(QStringLiteral("Band")), QStringLiteral("Abba"));
    EXPECT_EQ(changed.count(), 1);

    EXPECT_TRUE(data.setAbsolutePosition(2));
    EXPECT_EQ(data.fieldValue(QStringLiteral("band")), QStringLiteral("Can"));
    EXPECT_FALSE(data.setAbsolutePosition(3));
    EXPECT_EQ(changed.count(), 2);

    // An edit is not yet stored...
    ASSERT_TRUE(data.setAbsolutePosition(0));
    data.setFieldValue(QStringLiteral("Info"), QStringLiteral("Erstpressung – ßüper"));
    EXPECT_FALSE(querySingle(path, QStringLiteral("select Info from Schallplatten where Band = 'Abba'")).isValid());
    // ...but at once when another entry becomes current: a second connection sees it.
    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(querySingle(path, QStringLiteral("select Info from Schallplatten where Band = 'Abba'")).toString(),
              QStringLiteral("Erstpressung – ßüper"));

    // Editing while another program holds the file: reported, and the edit is kept.
    sqlite3 *other = nullptr;
    sqlite3_open(path.toUtf8().constData(), &other);
    sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    QSignalSpy refused(&data, &Data1::editNotStored);
    data.setFieldValue(QStringLiteral("Info"), QStringLiteral("später"));
    data.setAbsolutePosition(2);
    ASSERT_EQ(refused.count(), 1);
    EXPECT_EQ(refused.first().first().value<DatabaseError>().number, dberr::Locked);

    // Once the file is free again, the next store writes the kept edit.
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    data.setAbsolutePosition(0);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(querySingle(path, QStringLiteral("select count(*) from Schallplatten where Info = 'später'")).toString(),
              QStringLiteral("1"));

    // Foreign and damaged files are refused and the open catalogue stays.
    writeFile(env.path("random.mdb"), QByteArray("\x13\x37 not a database at all \xff\xfe", 26));
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    writeFile(env.path("access.mdb"), jet);
    execSql(env.path("other.mdb"), QStringLiteral("create table Kunden (Name text)"));
    struct Case {
        const char *file;
        int number;
    } cases[] = {{"random.mdb", dberr::UnrecognisedFormat}, {"access.mdb", dberr::JetFile},
                 {"other.mdb", dberr::TableMissing}, {"missing.mdb", dberr::FileNotFound}};
    DatabaseError error;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        data.setDatabaseName(env.path(QString::fromLatin1(c.file)));
        EXPECT_FALSE(data.refresh(error));
        EXPECT_EQ(error.number, c.number);
        EXPECT_EQ(data.recordCount(), 3) << "the open catalogue stays";
    }

    // A reload makes the first entry of the new result current; UPDATE reports the rows it changed.
    ASSERT_TRUE(open(data, path, QStringLiteral("select Band, Stil from Schallplatten where Stil = 'Rock'")));
    EXPECT_EQ(data.fieldNames(), (QStringList{"Band", "Stil"}));
    EXPECT_EQ(data.text(0, 0), QStringLiteral("Beatles"));
    EXPECT_EQ(data.execute(QStringLiteral("update Schallplatten set Stil = 'Rock' where Stil = 'Pop'"), error), 1);
}

TEST(Data1, ShowsWhatAnOddCatalogueHasAndFailsCleanlyOnMissingFields)
{
    TestEnvironment env;
    const QString path = env.path("odd.mdb");
    execSql(path, QStringLiteral("create table Schallplatten (Band text, LPTitel text, Extra text, Bilder blob);"
                                 "insert into Schallplatten values ('Zappa', NULL, 'x', NULL);"
                                 "insert into Schallplatten values (NULL, '%1', NULL, x'00ff');")
                      .arg(QString(100000, QLatin1Char('y'))));
    Data1 data;
    ASSERT_TRUE(open(data, path, QStringLiteral("select * from Schallplatten order by Band, LPTitel")));
    EXPECT_EQ(data.fieldNames(), (QStringList{"Band", "LPTitel", "Extra", "Bilder"}));
    EXPECT_EQ(data.text(0, 1).size(), 100000);
    EXPECT_EQ(data.text(0, 3), QString()); // a picture is no text
    EXPECT_EQ(data.fieldValue(QStringLiteral("Musikpfad")), QString());

    data.setRecordSource(QStringLiteral("select * from Schallplatten order by Musikpfad"));
    DatabaseError error;
    EXPECT_FALSE(data.refresh(error));
    EXPECT_EQ(data.recordCount(), 2);
}

namespace {

// How SQLite runs a statement as the data source sends it (rowids in order).
QString queryPlan(const QString &path, const QString &jetStatement)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    registerJetFunctions(db);
    QString rowids = jetStatement;
    rowids.replace(QStringLiteral("select *"), QStringLiteral("select rowid"));
    const QByteArray sql = ("EXPLAIN QUERY PLAN " + jetToSqlite(rowids)).toUtf8();
    sqlite3_stmt *plan = nullptr;
    QStringList steps;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &plan, nullptr) == SQLITE_OK) {
        while (sqlite3_step(plan) == SQLITE_ROW)
            steps << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(plan, 3)));
    }
    sqlite3_finalize(plan);
    sqlite3_close(db);
    return steps.join(QStringLiteral(" | "));
}

} // namespace

TEST(Data1, OrdersAndLetterFiltersReadTheSortIndexesInGermanOrder)
{
    TestEnvironment env;
    const QString path = makeCatalogue(env.path("sorted.mdb"),
                                       {Row{{"Band", "Zappa"}, {"LPTitel", "Hot Rats"}}, Row{{"Band", "Ärzte"}, {"LPTitel", "Debil"}},
                                        Row{{"Band", "Abba"}, {"LPTitel", "Voulez-Vous"}}, Row{{"Band", "Abba"}, {"LPTitel", "Arrival"}},
                                        Row{{"Band", "Öl"}, {"LPTitel", "Eins"}}});
    // An index of an earlier collation version would order by rules no longer ours.
    execSql(path, QStringLiteral("create index Klangtruhe_Sortierung_Band_0 on Schallplatten (Band collate nocase)"));

    Data1 data;
    ASSERT_TRUE(open(data, path, letterFilterStatement(0, QStringLiteral("Band"))));
    QStringList shown;
    for (int r = 0; r < data.recordCount(); ++r)
        shown << data.text(r, 0) + u'/' + data.text(r, 1);
    EXPECT_EQ(shown, (QStringList{"Abba/Arrival", "Abba/Voulez-Vous", "Ärzte/Debil"}));

    EXPECT_EQ(querySingle(path, QStringLiteral("select group_concat(name, ',') from (select name from sqlite_master "
                                               "where type = 'index' and substr(name, 1, 10) = 'Klangtruhe' order by name)")),
              QStringLiteral("Klangtruhe_Sortierung_Band_1,Klangtruhe_Sortierung_Titel_1"));
    for (const QString &statement : {QStringLiteral("select * from Schallplatten order by Band"),
                                     letterFilterStatement(1, QStringLiteral("Band")),
                                     QStringLiteral("select * from Schallplatten order by LPTitel DESC")}) {
        const QString plan = queryPlan(path, statement);
        EXPECT_TRUE(plan.contains(QStringLiteral("COVERING INDEX Klangtruhe_Sortierung"))) << plan.toStdString();
        EXPECT_FALSE(plan.contains(QStringLiteral("TEMP B-TREE"))) << plan.toStdString();
    }
}
