#pragma once
struct sqlite3;
namespace klangtruhe {
bool registerJetFunctions(sqlite3 *db);
}
