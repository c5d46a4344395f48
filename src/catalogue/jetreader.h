#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace klangtruhe {

// Reads the rows of one table of an Access (Jet 3/Jet 4) file, read-only.
// Text comes back as UTF-8 in full length; binary columns as raw bytes.
class JetTableReader {
public:
    virtual ~JetTableReader() = default;
    virtual QStringList columnNames() const = 0;
    virtual bool isBinaryColumn(int column) const = 0;
    // The row count the file itself stores for the table.
    virtual qint64 storedRowCount() const = 0;
    // Moves to the next row; false at the end.
    virtual bool nextRow() = 0;
    // The value of a column in the current row (text as UTF-8).
    virtual QByteArray value(int column) const = 0;
};

// Opens a table of a Jet file; nullptr and a German message when the file
// cannot be read or the table is missing.
std::unique_ptr<JetTableReader> openJetTable(const QString &path, const QString &table, QString &error);

} // namespace klangtruhe
