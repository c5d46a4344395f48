#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace klangtruhe {

struct HealthReport;

// A table as spreadsheet programs with German settings open it by a double
// click: UTF-8 with a byte order mark, fields separated by semicolons, lines
// ending in CR LF. A field with a semicolon, a quote, a line break or blanks
// at its ends is quoted, its quotes doubled.
QByteArray csvBytes(const QStringList &header, const std::vector<QStringList> &rows);

// The health report as such a table: one line per finding.
QByteArray healthReportCsv(const HealthReport &report);

// Writes the bytes through a file beside the target that then replaces it;
// false with a German reason when the file cannot be written.
bool writeReportFile(const QString &path, const QByteArray &bytes, QString &reason);

} // namespace klangtruhe
