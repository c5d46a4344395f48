#include "support/catalogues.h"

#include "catalogue/catalogueschema.h"
#include "catalogue/jetfunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

namespace klangtruhe::test {

QString makeCatalogue(const QString &path, const std::vector<Row> &rows)
{
    QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    createEmptyCatalogue(path);
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const Row &row : rows) {
        QStringList names, marks;
        for (auto it = row.begin(); it != row.end(); ++it) {
            names << it.key();
            marks << QStringLiteral("?");
        }
        const QByteArray sql = QStringLiteral("insert into Schallplatten (%1) values (%2)")
                                   .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))).toUtf8();
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr);
        int index = 1;
        for (auto it = row.begin(); it != row.end(); ++it, ++index) {
            if (it.value().isNull()) {
                sqlite3_bind_null(insert, index);
            } else {
                const QByteArray text = it.value().toString().toUtf8();
                sqlite3_bind_text(insert, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(insert);
        sqlite3_finalize(insert);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

void execSql(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    registerJetFunctions(db); // the program's sort indexes need its collation
    sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

QVariant querySingle(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    registerJetFunctions(db);
    sqlite3_stmt *statement = nullptr;
    QVariant result;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL)
        result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return result;
}

} // namespace klangtruhe::test
