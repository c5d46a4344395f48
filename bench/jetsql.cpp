// Jet dialect on SQLite: letter filter, header sort and field searches over a
// catalogue of realistic size; the all-fields searches run the search
// dialog's own statement. Usage: jetsql [--entries N]
#include "benchcatalogue.h"

#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include "search/searchrules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

using namespace klangtruhe;

namespace {

bool execute(sqlite3 *db, const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

bool fill(sqlite3 *db, int entries)
{
    std::string create = "create table Schallplatten (";
    for (const QString &field : catalogueFieldNames())
        create += field.toStdString() + " text, ";
    create += "Bilder blob)";
    return execute(db, create.c_str()) && bench::insertEntries(db, entries);
}

// Runs the Jet statement as the data source will (translated), steps every
// row and returns the best time of several runs in milliseconds (the machine
// is shared; the best run is the one least disturbed).
double timeQuery(sqlite3 *db, const QString &jetStatement, int *rows = nullptr, int runs = 5, bool translate = true)
{
    const QByteArray sql = (translate ? jetToSqlite(jetStatement) : jetStatement).toUtf8();
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "%s: %s\n", sql.constData(), sqlite3_errmsg(db));
            return -1;
        }
        int count = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            ++count;
        sqlite3_finalize(statement);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (rows)
            *rows = count;
    }
    return *std::min_element(times.begin(), times.end());
}

void report(const char *name, double value, const char *unit) { std::printf("%s: %.0f %s\n", name, value, unit); }

// "Alle" in the search dialog: its own statement over the thirteen fields,
// the Songs condition rewritten for the rich-text escapes.
QString allFieldsSearch(const QString &text)
{
    QStringList fields;
    for (const SearchField &field : searchFields())
        fields << QString::fromLatin1(field.field);
    return searchStatement(fields, QStringLiteral("Band"), text);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int entries = 100000;
    const QStringList arguments = app.arguments();
    const int at = arguments.indexOf(QStringLiteral("--entries"));
    if (at >= 0 && at + 1 < arguments.size())
        entries = arguments[at + 1].toInt();

    QTemporaryDir folder;
    const QByteArray path = (folder.path() + QStringLiteral("/bench.mdb")).toUtf8();
    sqlite3 *db = nullptr;
    if (sqlite3_open(path.constData(), &db) != SQLITE_OK || !registerJetFunctions(db))
        return 1;

    QElapsedTimer timer;
    timer.start();
    if (!fill(db, entries))
        return 1;
    report("entries", entries, "rows");
    report("build_table", static_cast<double>(timer.elapsed()), "ms");

    int rows = 0;
    // Reading every row at all, without our functions: the floor of any filter.
    report("scan_floor", timeQuery(db, "select rowid from Schallplatten where Bewertung = '7'", nullptr, 5, false), "ms");
    report("letter_filter",
           timeQuery(db, "select rowid from Schallplatten where Band like 'a*' or Band like 'ä*' order by Band, LPTitel",
                     &rows),
           "ms");
    report("letter_filter_rows", rows, "rows");
    report("letter_filter_select_all",
           timeQuery(db, "select * from Schallplatten where Band like 's*' or Band like 'ß*' order by Band, LPTitel"),
           "ms");
    report("rating_filter", timeQuery(db, "select rowid from Schallplatten where Bewertung like '1' order by Band, LPTitel"),
           "ms");
    report("sort", timeQuery(db, "select rowid from Schallplatten order by LPTitel ASC"), "ms");
    report("sort_desc", timeQuery(db, "select rowid from Schallplatten order by Band DESC"), "ms");
    report("sort_band_lptitel", timeQuery(db, "select rowid from Schallplatten order by Band, LPTitel"), "ms");
    report("sort_sqlite_nocase",
           timeQuery(db, "select rowid from Schallplatten order by LPTitel collate nocase", nullptr, 5, false), "ms");
    report("search_one_field", timeQuery(db, "select rowid from Schallplatten where Band like '*ster*' order by Band"),
           "ms");
    report("search_all_fields", timeQuery(db, allFieldsSearch("qzx"), &rows, 3), "ms");
    report("search_all_fields_umlaut", timeQuery(db, allFieldsSearch("Müller"), &rows, 3), "ms");
    report("search_all_fields_umlaut_rows", rows, "rows");
    report("search_songs_umlaut",
           timeQuery(db, "select rowid from Schallplatten where Songs like '*Gr\\?fc\\?dfe*' order by Band", &rows, 3),
           "ms");

    // The comparator alone, sorting the titles in memory.
    {
        std::vector<std::string> titles;
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, "select LPTitel from Schallplatten", -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW)
            titles.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        std::vector<double> times;
        for (int run = 0; run < 5; ++run) {
            std::vector<std::string> copy = titles;
            timer.restart();
            std::sort(copy.begin(), copy.end(),
                      [](const std::string &a, const std::string &b) { return compareGerman(a, b) < 0; });
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        report("sort_comparator_only", *std::min_element(times.begin(), times.end()), "ms");
    }

    // What SQLite's own ASCII-only LIKE costs on the same data, for comparison.
    sqlite3 *plain = nullptr;
    sqlite3_open(path.constData(), &plain);
    QString builtin = allFieldsSearch("qzx");
    builtin.replace(QLatin1String("'*qzx*'"), QLatin1String("'%qzx%'"));
    report("search_all_fields_sqlite_like", timeQuery(plain, builtin, nullptr, 3, false), "ms");
    sqlite3_close(plain);

    // The same with the file mapped into memory instead of read page by page.
    execute(db, "pragma mmap_size = 1073741824");
    report("scan_floor_mmap", timeQuery(db, "select rowid from Schallplatten where Bewertung = '7'", nullptr, 5, false),
           "ms");
    report("letter_filter_mmap",
           timeQuery(db, "select rowid from Schallplatten where Band like 'a*' or Band like 'ä*' order by Band, LPTitel"),
           "ms");
    report("sort_mmap", timeQuery(db, "select rowid from Schallplatten order by LPTitel ASC"), "ms");
    report("search_all_fields_mmap", timeQuery(db, allFieldsSearch("qzx"), nullptr, 3), "ms");
    execute(db, "pragma mmap_size = 0");

    // A covering index in the filter's order: the filter reads the small index
    // instead of the table and needs no sort.
    timer.restart();
    execute(db, "create index BandGerman on Schallplatten (Band collate GERMAN, LPTitel collate GERMAN)");
    report("index_band_create", static_cast<double>(timer.elapsed()), "ms");
    report("letter_filter_with_index",
           timeQuery(db, "select rowid from Schallplatten where Band like 'a*' or Band like 'ä*' order by Band, LPTitel"),
           "ms");
    report("letter_filter_with_index_select_all",
           timeQuery(db, "select * from Schallplatten where Band like 's*' or Band like 'ß*' order by Band, LPTitel"),
           "ms");

    // An index in the collation's order lets SQLite skip the sort.
    timer.restart();
    execute(db, "create index LPTitelGerman on Schallplatten (LPTitel collate GERMAN)");
    report("index_create", static_cast<double>(timer.elapsed()), "ms");
    report("sort_with_index", timeQuery(db, "select rowid from Schallplatten order by LPTitel ASC"), "ms");
    report("sort_with_index_select_all", timeQuery(db, "select * from Schallplatten order by LPTitel ASC"), "ms");

    sqlite3_close(db);
    return 0;
}
