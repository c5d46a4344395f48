#include "catalogue/backups.h"

#include "catalogue/jetfunctions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <sqlite3.h>

namespace klangtruhe {

namespace {

const QString kStampFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

int countEntries(const QString &path)
{
    sqlite3 *db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        registerJetFunctions(db);
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, "select count(*) from Schallplatten", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

QString sqliteMessage(sqlite3 *db, int rc)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
}

} // namespace

QString backupFolderOf(const QString &cataloguePath)
{
    return QFileInfo(cataloguePath).absolutePath() + QStringLiteral("/Sicherungen");
}

QString backupPathFor(const QString &cataloguePath, const QDateTime &when)
{
    return backupFolderOf(cataloguePath) + u'/' + QFileInfo(cataloguePath).completeBaseName() + u' '
        + when.toString(kStampFormat) + QStringLiteral(".mdb");
}

QList<BackupFile> listBackups(const QString &cataloguePath)
{
    const QString prefix = QFileInfo(cataloguePath).completeBaseName() + u' ';
    QList<BackupFile> found;
    const QDir folder(backupFolderOf(cataloguePath));
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("*.mdb")}, QDir::Files)) {
        const QString name = file.completeBaseName();
        if (!name.startsWith(prefix))
            continue;
        const QDateTime made = QDateTime::fromString(name.mid(prefix.size()), kStampFormat);
        if (!made.isValid())
            continue; // another catalogue whose name begins alike, or a stray file
        found.append({file.absoluteFilePath(), made, countEntries(file.absoluteFilePath())});
    }
    std::sort(found.begin(), found.end(), [](const BackupFile &a, const BackupFile &b) { return a.made > b.made; });
    return found;
}

bool backupDue(const QList<BackupFile> &existing, const QDate &today)
{
    return existing.isEmpty() || existing.constFirst().made.date() < today;
}

QStringList backupsBeyond(const QList<BackupFile> &existing, int keep)
{
    QStringList beyond;
    for (qsizetype i = std::max(0, keep); i < existing.size(); ++i)
        beyond << existing.at(i).path;
    return beyond;
}

bool writeBackup(sqlite3 *source, const QString &target, QString *error)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        if (error)
            *error = QStringLiteral("Der Ordner '%1' kann nicht angelegt werden.").arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
        return false;
    }
    const QString part = target + QStringLiteral(".teil");
    QFile::remove(part);
    sqlite3 *copy = nullptr;
    int rc = sqlite3_open_v2(part.toUtf8().constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool ok = rc == SQLITE_OK;
    if (ok) {
        sqlite3_backup *backup = sqlite3_backup_init(copy, "main", source, "main");
        ok = backup != nullptr;
        if (backup) {
            rc = sqlite3_backup_step(backup, -1);
            ok = rc == SQLITE_DONE;
            sqlite3_backup_finish(backup);
        }
    }
    if (!ok && error)
        *error = QStringLiteral("Die Sicherung konnte nicht geschrieben werden (%1).").arg(sqliteMessage(copy, rc));
    sqlite3_close(copy);
    if (ok && !QFile::rename(part, target)) {
        ok = false;
        if (error)
            *error = QStringLiteral("Die Sicherung '%1' kann nicht angelegt werden.").arg(QDir::toNativeSeparators(target));
    }
    if (!ok)
        QFile::remove(part);
    return ok;
}

bool writeBackupOfFile(const QString &cataloguePath, const QString &target, QString *error)
{
    sqlite3 *source = nullptr;
    const int rc = sqlite3_open_v2(cataloguePath.toUtf8().constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    bool ok = rc == SQLITE_OK;
    if (ok)
        ok = writeBackup(source, target, error);
    else if (error)
        *error = QStringLiteral("Die Datenbank kann nicht gelesen werden (%1).").arg(sqliteMessage(source, rc));
    sqlite3_close(source);
    return ok;
}

bool replaceWithBackup(const QString &backupPath, const QString &cataloguePath, QString *error)
{
    QFile in(backupPath);
    QSaveFile out(cataloguePath);
    bool ok = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly);
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        ok = !chunk.isEmpty() && out.write(chunk) == chunk.size();
    }
    ok = ok && out.commit();
    if (!ok && error)
        *error = QStringLiteral("Die Sicherung konnte nicht an die Stelle der Datenbank treten; die Datenbank ist unverändert.");
    return ok;
}

} // namespace klangtruhe
