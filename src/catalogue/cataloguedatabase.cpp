#include "catalogue/cataloguedatabase.h"

#include "catalogue/catalogueschema.h"
#include "catalogue/jetfunctions.h"
#include "catalogue/jetsql.h"
#include "catalogue/sortindexes.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <sqlite3.h>

Q_LOGGING_CATEGORY(lcDatabase, "klangtruhe.catalogue.database")

namespace klangtruhe {

CatalogueFileKind catalogueFileKind(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return CatalogueFileKind::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return CatalogueFileKind::Other;
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        return CatalogueFileKind::Empty;
    if (head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return CatalogueFileKind::SQLite;
    // Access files carry their engine's name at byte 4.
    const QByteArray name = head.mid(4, 15);
    if (name.startsWith("Standard Jet DB") || name.startsWith("Standard ACE DB"))
        return CatalogueFileKind::JetAccess;
    return CatalogueFileKind::Other;
}

CatalogueDatabase::CatalogueDatabase(sqlite3 *db, QString path)
    : m_db(db)
    , m_path(std::move(path))
{
}

CatalogueDatabase::~CatalogueDatabase()
{
    sqlite3_close_v2(m_db);
}

std::unique_ptr<CatalogueDatabase> CatalogueDatabase::open(const QString &path, DatabaseError &error)
{
    error = {};
    const QString name = QFileInfo(path).fileName();
    switch (catalogueFileKind(path)) {
    case CatalogueFileKind::Missing:
        error = {dberr::FileNotFound, QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(path)};
        return nullptr;
    case CatalogueFileKind::Empty:
    case CatalogueFileKind::Other:
        error = {dberr::UnrecognisedFormat,
                 QStringLiteral("Nicht erkennbares Datenbankformat '%1'. Die Datei ist keine Klangtruhe-Datenbank.").arg(path)};
        return nullptr;
    case CatalogueFileKind::JetAccess:
        error = {dberr::JetFile,
                 QStringLiteral("'%1' ist eine Access-Datenbank (Jet). Sie wird nur umgewandelt geöffnet "
                                "('Datenbank laden...' bietet die Umwandlung an).").arg(name)};
        return nullptr;
    case CatalogueFileKind::SQLite:
        break;
    }

    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        qCWarning(lcDatabase) << "cannot open" << path << sqlite3_errstr(rc);
        error = {dberr::Locked, QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(path)};
        sqlite3_close_v2(db);
        return nullptr;
    }
    std::unique_ptr<CatalogueDatabase> database(new CatalogueDatabase(db, path));
    sqlite3_busy_timeout(db, 2000);
    sqlite3_extended_result_codes(db, 1);
    registerJetFunctions(db);

    // Reading the schema is the first real read: a damaged or locked file shows here.
    sqlite3_stmt *check = nullptr;
    int found = -1;
    if (sqlite3_prepare_v2(db, "select count(*) from sqlite_master where type in ('table','view') and name = 'Schallplatten' collate nocase",
                           -1, &check, nullptr) == SQLITE_OK
        && sqlite3_step(check) == SQLITE_ROW)
        found = sqlite3_column_int(check, 0);
    const int checkRc = sqlite3_errcode(db);
    sqlite3_finalize(check);
    if (found < 0) {
        const bool busy = (checkRc & 0xff) == SQLITE_BUSY || (checkRc & 0xff) == SQLITE_LOCKED;
        qCWarning(lcDatabase) << "schema not readable:" << path << sqlite3_errmsg(db);
        error = {busy ? dberr::Locked : dberr::UnrecognisedFormat,
                 busy ? QStringLiteral("Die Datenbank '%1' ist gesperrt.").arg(name)
                      : QStringLiteral("Nicht erkennbares Datenbankformat '%1'. Die Datei ist beschädigt "
                                       "oder keine Klangtruhe-Datenbank.").arg(path)};
        return nullptr;
    }
    if (found == 0) {
        error = {dberr::TableMissing,
                 QStringLiteral("Die Tabelle 'Schallplatten' wurde in '%1' nicht gefunden. "
                                "Die Datei ist keine Klangtruhe-Datenbank.").arg(name)};
        return nullptr;
    }
    sqlite3_stmt *version = nullptr;
    int userVersion = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &version, nullptr) == SQLITE_OK
        && sqlite3_step(version) == SQLITE_ROW)
        userVersion = sqlite3_column_int(version, 0);
    sqlite3_finalize(version);
    if (userVersion > kSchemaVersion) {
        error = {dberr::NewerVersion,
                 QStringLiteral("Die Datenbank '%1' stammt von einer neueren Programmversion.").arg(name)};
        return nullptr;
    }
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    ensureSortIndexes(db);
    return database;
}

bool CatalogueDatabase::isReadOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

DatabaseError CatalogueDatabase::lastError() const
{
    const int code = sqlite3_errcode(m_db);
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE)
        return {};
    const QString name = QFileInfo(m_path).fileName();
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return {dberr::ReadOnly, QStringLiteral("Die Datenbank '%1' ist schreibgeschützt; "
                                                "die Änderung wurde nicht gespeichert.").arg(name)};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {dberr::Locked, QStringLiteral("Die Datenbank '%1' ist von einem anderen Programm gesperrt.").arg(name)};
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return {dberr::UnrecognisedFormat, QStringLiteral("Die Datenbank '%1' ist beschädigt.").arg(name)};
    case SQLITE_FULL:
        return {dberr::DiskFull, QStringLiteral("Der Datenträger ist voll; die Änderung an der Datenbank '%1' "
                                                "wurde nicht gespeichert.").arg(name)};
    case SQLITE_IOERR:
        return {dberr::DiskError, QStringLiteral("Die Datenbank '%1' konnte nicht gelesen oder geschrieben werden; "
                                                "die Änderung wurde nicht gespeichert.").arg(name)};
    default:
        // SQLite's own words are English and name its internals: the log gets them.
        qCWarning(lcDatabase) << "statement error:" << sqlite3_errmsg(m_db);
        return {dberr::SyntaxError, QStringLiteral("Fehler in der Abfrage: Die Abfrage ist ungültig und wurde "
                                                   "nicht ausgeführt.")};
    }
}

int CatalogueDatabase::execute(const QString &jetStatement, DatabaseError &error)
{
    error = {};
    const QByteArray sql = jetToSqlite(jetStatement).toUtf8();
    sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt *statement = nullptr;
    int changed = -1;
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE || rc == SQLITE_ROW)
            changed = sqlite3_changes(m_db);
    }
    if (changed < 0)
        error = lastError();
    sqlite3_finalize(statement);
    sqlite3_exec(m_db, changed < 0 ? "ROLLBACK" : "COMMIT", nullptr, nullptr, nullptr);
    if (changed < 0)
        qCWarning(lcDatabase) << "statement failed:" << jetStatement << error.description;
    return changed;
}

} // namespace klangtruhe
