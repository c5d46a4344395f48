#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <optional>

namespace klangtruhe {

// A failure of reading or writing a list file, as the failure report shows it.
struct FileError {
    int number = 0;
    QString description;
};

// Reads a list file (Windows-1252, one entry per line; UTF-8/UTF-16 with a
// byte order mark are read too). Every line is an entry, empty ones included.
// nullopt when the file does not exist; an error when it cannot be read.
std::optional<QStringList> readListFile(const QString &path, FileError *error = nullptr);

// Writes the entries in Windows-1252 with CR LF, replacing the file at once
// or not at all. An entry that cannot be written in that code page fails the
// whole write and leaves the old file as it was.
bool writeListFile(const QString &path, const QStringList &entries, FileError *error = nullptr);

// Why a file operation failed, in German (Qt's own error texts are English).
QString fileErrorReason(const QFileDevice &file);

// The report for an entry the file's encoding cannot hold.
FileError unwritableEntry(const QString &entry);

// Replaces the file with bytes at once or not at all; the error says why not
// in words the user knows (missing folder, write protection).
bool replaceListFileBytes(const QString &path, const QByteArray &bytes, FileError *error = nullptr);

} // namespace klangtruhe
