#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace klangtruhe {

// Copies of a catalogue in the folder "Sicherungen" beside it, named
// "<catalogue name> <yyyy-MM-dd HH-mm-ss>.mdb", newest first when listed.

struct BackupFile {
    QString path;
    QDateTime made;
    int entries = -1; // −1: the copy cannot be read
};

QString backupFolderOf(const QString &cataloguePath);
QString backupPathFor(const QString &cataloguePath, const QDateTime &when);

// The backups of this catalogue, newest first, with their entry counts.
QList<BackupFile> listBackups(const QString &cataloguePath);

// A backup is due before the first stored change of a session when the
// newest one is not from today.
bool backupDue(const QList<BackupFile> &existing, const QDate &today);

// The backups beyond the newest `keep`.
QStringList backupsBeyond(const QList<BackupFile> &existing, int keep);

// Copies the open catalogue page by page through SQLite's backup, so the
// copy is never torn by edits; written under a temporary name and renamed,
// so an interruption leaves no half copy under a backup's name.
bool writeBackup(sqlite3 *source, const QString &target, QString *error);
// The same for a catalogue file that is not open.
bool writeBackupOfFile(const QString &cataloguePath, const QString &target, QString *error);

// Puts the backup in the catalogue's place at once (or not at all); the
// catalogue must be closed.
bool replaceWithBackup(const QString &backupPath, const QString &cataloguePath, QString *error);

} // namespace klangtruhe
