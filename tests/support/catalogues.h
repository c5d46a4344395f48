#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <vector>

namespace klangtruhe::test {

using Row = QMap<QString, QVariant>; // field name -> value

// Creates a catalogue file with the program's schema and the given rows.
QString makeCatalogue(const QString &path, const std::vector<Row> &rows);

// Runs SQL on a file through a connection of its own (as a second program would).
void execSql(const QString &path, const QString &sql);
// The first column of the first row of a query, through a connection of its own.
QVariant querySingle(const QString &path, const QString &sql);

} // namespace klangtruhe::test
