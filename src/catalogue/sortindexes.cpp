#include "catalogue/sortindexes.h"

#include "catalogue/jetfunctions.h"

#include <string>
#include <vector>
#include <sqlite3.h>

namespace klangtruhe {

namespace {

constexpr const char *kPrefix = "Klangtruhe_Sortierung_";

std::vector<std::string> ourIndexes(sqlite3 *db)
{
    std::vector<std::string> names;
    sqlite3_stmt *list = nullptr;
    // Not LIKE: on our connections it follows Jet's wildcards.
    const std::string prefix = kPrefix;
    const std::string sql = "select name from sqlite_master where type = 'index' and substr(name, 1, "
        + std::to_string(prefix.size()) + ") = '" + prefix + "'";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &list, nullptr) == SQLITE_OK) {
        while (sqlite3_step(list) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(list, 0)));
    }
    sqlite3_finalize(list);
    return names;
}

} // namespace

void ensureSortIndexes(sqlite3 *db)
{
    if (sqlite3_db_readonly(db, "main") != 0)
        return;
    const std::string collate = std::string(" COLLATE ") + germanCollationName;
    const std::vector<std::pair<std::string, std::string>> wanted = {
        {bandSortIndexName, "Band" + collate + ", LPTitel" + collate},
        {titleSortIndexName, "LPTitel" + collate}};
    const std::vector<std::string> present = ourIndexes(db);
    auto has = [&](const std::string &name) {
        for (const std::string &p : present) {
            if (p == name)
                return true;
        }
        return false;
    };
    bool complete = present.size() == wanted.size();
    for (const auto &index : wanted)
        complete = complete && has(index.first);
    if (complete)
        return;

    // All or nothing: a catalogue locked by another program simply stays without.
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    bool ok = true;
    for (const std::string &name : present) {
        bool current = false;
        for (const auto &index : wanted)
            current = current || index.first == name;
        if (!current)
            ok = ok && sqlite3_exec(db, ("DROP INDEX \"" + name + "\"").c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    for (const auto &index : wanted) {
        const std::string sql = "CREATE INDEX IF NOT EXISTS \"" + index.first + "\" ON Schallplatten (" + index.second + ")";
        ok = ok && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_exec(db, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace klangtruhe
