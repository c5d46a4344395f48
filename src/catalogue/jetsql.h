#pragma once

#include <QString>

namespace klangtruhe {

// Turns a statement written for Jet into one SQLite runs the same way, given
// the functions of registerJetFunctions() on the connection:
//  - every ORDER BY term sorts with COLLATE GERMAN (ASC / DESC kept);
//  - a text literal in double quotes becomes a single-quoted one.
// Everything else, and anything inside a literal, is left exactly as it is.
QString jetToSqlite(const QString &jetStatement);

} // namespace klangtruhe
