#pragma once

struct sqlite3;

namespace klangtruhe {

// Indexes in the German collation on the fields the table is ordered and
// filtered by most (band with title, title): the start order, the letter
// filter and the header sort read them instead of every whole entry.
// Created on first open of a writable catalogue; indexes of an earlier
// collation version are replaced, since their order would no longer hold.
void ensureSortIndexes(sqlite3 *db);

// The names of the current indexes, for checks.
inline constexpr const char *bandSortIndexName = "Klangtruhe_Sortierung_Band_1";
inline constexpr const char *titleSortIndexName = "Klangtruhe_Sortierung_Titel_1";

} // namespace klangtruhe
