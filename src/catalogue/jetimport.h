#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace klangtruhe {

// What an import of an Access catalogue found.
struct JetImportReport {
    qint64 rowsRead = 0;
    qint64 storedRows = 0;       // the count the Access file states
    int picturesUnwrapped = 0;
    QStringList ignoredFields;   // columns the catalogue has no field for
    QStringList missingFields;   // catalogue fields the file lacks (left empty)
    QStringList driveRoots;      // "D:\" and the like, found in Musikpfad
    QString text() const;        // the German report as the program prints it
};

// Called after each row with (rows done, rows stated); returning false cancels.
using ImportProgress = std::function<bool(qint64, qint64)>;

// Converts the table Schallplatten of an Access file into a new catalogue at
// target. The source is only read; target must not exist. The catalogue is
// written under a temporary name and renamed at the end, so a failed or
// cancelled import leaves nothing behind. False and a German message on failure.
bool importJetCatalogue(const QString &source, const QString &target, JetImportReport &report, QString &error,
                        const ImportProgress &progress = {});

class JetTableReader;

// The same from rows already opened (the catalogue table of an Access file).
bool importJetRows(JetTableReader &reader, const QString &target, JetImportReport &report, QString &error,
                   const ImportProgress &progress = {});

// The default name of the converted catalogue: "<name> (Klangtruhe).mdb" beside the source.
QString importTargetPath(const QString &source);

} // namespace klangtruhe
