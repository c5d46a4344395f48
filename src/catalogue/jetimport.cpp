#include "catalogue/jetimport.h"

#include "catalogue/catalogueschema.h"
#include "catalogue/jetreader.h"
#include "catalogue/olepicture.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QRegularExpression>
#include <sqlite3.h>
#include <vector>

namespace klangtruhe {
namespace {

// Writes the rows of the reader into the open, empty catalogue db.
bool copyRows(JetTableReader &reader, sqlite3 *db, JetImportReport &report, QString &error,
              const ImportProgress &progress)
{
    const QStringList source = reader.columnNames();
    QStringList fields = catalogueFieldNames();
    fields << pictureFieldName();
    // For each catalogue field the source column, or -1.
    std::vector<int> from;
    for (const QString &field : fields) {
        int found = -1;
        for (int i = 0; i < source.size() && found < 0; ++i) {
            if (source[i].compare(field, Qt::CaseInsensitive) == 0)
                found = i;
        }
        if (found < 0)
            report.missingFields << field;
        from.push_back(found);
    }
    for (const QString &column : source) {
        if (!fields.contains(column, Qt::CaseInsensitive))
            report.ignoredFields << column;
    }
    const int pictureColumn = from.back();
    const int musicPathColumn = from[size_t(catalogueFieldNames().indexOf(QStringLiteral("Musikpfad")))];

    QString sql = QStringLiteral("insert into Schallplatten (%1) values (?").arg(fields.join(QLatin1Char(',')));
    sql += QStringLiteral(",?").repeated(int(fields.size()) - 1) + QLatin1Char(')');
    sqlite3_stmt *insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &insert, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    static const QRegularExpression drive(QStringLiteral("^([A-Za-z]:\\\\)"));
    report.storedRows = reader.storedRowCount();
    bool ok = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    while (ok && reader.nextRow()) {
        std::vector<QByteArray> values(size_t(fields.size()));
        for (size_t f = 0; f < size_t(fields.size()); ++f) {
            if (from[f] < 0)
                continue;
            values[f] = reader.value(from[f]);
            if (from[f] == pictureColumn && !values[f].isEmpty()) {
                bool unwrapped = false;
                values[f] = unwrapOlePicture(values[f], &unwrapped);
                report.picturesUnwrapped += unwrapped ? 1 : 0;
                sqlite3_bind_blob(insert, int(f) + 1, values[f].constData(), int(values[f].size()), SQLITE_STATIC);
            } else if (from[f] == pictureColumn) {
                sqlite3_bind_null(insert, int(f) + 1);
            } else {
                sqlite3_bind_text(insert, int(f) + 1, values[f].constData(), int(values[f].size()), SQLITE_STATIC);
            }
        }
        if (musicPathColumn >= 0) {
            const QString root = drive.match(QString::fromUtf8(values[size_t(catalogueFieldNames().indexOf(QStringLiteral("Musikpfad")))])).captured(1).toUpper();
            if (!root.isEmpty() && !report.driveRoots.contains(root))
                report.driveRoots << root;
        }
        ok = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
        sqlite3_clear_bindings(insert);
        ++report.rowsRead;
        if (ok && progress && !progress(report.rowsRead, report.storedRows)) {
            error = QStringLiteral("Das Einlesen wurde abgebrochen.");
            sqlite3_finalize(insert);
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    if (!ok)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(insert);
    if (ok)
        ok = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    else
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return ok;
}

} // namespace

QString JetImportReport::text() const
{
    QString text = QStringLiteral("%1 Einträge eingelesen, %2 Bilder ausgepackt.").arg(rowsRead).arg(picturesUnwrapped);
    if (rowsRead != storedRows)
        text += QStringLiteral("\nAchtung: Die Access-Datei nennt %1 Einträge, gelesen wurden %2 (Unterschied %3); "
                               "die Datei ist vielleicht beschädigt.")
                    .arg(storedRows).arg(rowsRead).arg(storedRows - rowsRead);
    if (!ignoredFields.isEmpty())
        text += QStringLiteral("\nNicht übernommene Felder: %1").arg(ignoredFields.join(QStringLiteral(", ")));
    if (!missingFields.isEmpty())
        text += QStringLiteral("\nFehlende Felder (leer gelassen): %1").arg(missingFields.join(QStringLiteral(", ")));
    return text;
}

QString importTargetPath(const QString &source)
{
    const QFileInfo info(source);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(" (Klangtruhe).mdb"));
}

bool importJetCatalogue(const QString &source, const QString &target, JetImportReport &report, QString &error,
                        const ImportProgress &progress)
{
    report = {};
    error.clear();
    if (QFileInfo::exists(target)) {
        error = QStringLiteral("Die Zieldatei '%1' besteht bereits; sie wird nicht überschrieben.").arg(target);
        return false;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).absoluteFilePath()) {
        error = QStringLiteral("Quelle und Ziel sind dieselbe Datei.");
        return false;
    }
    if (!QFileInfo(source).isFile()) {
        error = QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(source);
        return false;
    }
    std::unique_ptr<JetTableReader> reader = openJetTable(source, QString::fromLatin1(kCatalogueTable), error);
    return reader && importJetRows(*reader, target, report, error, progress);
}

bool importJetRows(JetTableReader &reader, const QString &target, JetImportReport &report, QString &error,
                   const ImportProgress &progress)
{
    report = {};
    const QString temporary = target + QStringLiteral(".teil");
    QFile::remove(temporary);
    QString createError;
    if (!createEmptyCatalogue(temporary, &createError)) {
        error = QStringLiteral("Die Datei '%1' kann nicht angelegt werden: %2").arg(target, createError);
        return false;
    }
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
        ok = copyRows(reader, db, report, error, progress);
    } else {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    if (ok && !QFile::rename(temporary, target)) {
        error = QStringLiteral("Die Datei '%1' kann nicht angelegt werden.").arg(target);
        ok = false;
    }
    if (!ok)
        QFile::remove(temporary);
    return ok;
}

} // namespace klangtruhe
