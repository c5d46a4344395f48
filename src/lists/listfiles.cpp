#include "lists/listfiles.h"

#include "common/ansitext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

namespace klangtruhe {

namespace {
// Error numbers as the program's failure reports always showed them.
constexpr int kPathNotFound = 76;
constexpr int kFileAccess = 75;
constexpr int kBadCharacter = 5;

FileError accessError(const QString &path, const QString &reason)
{
    const bool folderMissing = !QFileInfo(QFileInfo(path).absolutePath()).isDir();
    if (folderMissing)
        return {kPathNotFound, QStringLiteral("Pfad nicht gefunden: %1").arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()))};
    return {kFileAccess, QStringLiteral("Fehler beim Zugriff auf %1 (%2)").arg(QDir::toNativeSeparators(path), reason)};
}

// Write-protection is the usual cause; say so in words the user knows.
FileError writeError(const QString &path, const QString &reason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (folder.isDir() && !folder.isWritable())
        return {kFileAccess, QStringLiteral("Der Ordner %1 ist schreibgeschützt. Die Datei %2 wurde nicht geändert.")
                                 .arg(QDir::toNativeSeparators(folder.absoluteFilePath()), file.fileName())};
    if (file.isFile() && !file.isWritable())
        return {kFileAccess, QStringLiteral("Die Datei %1 ist schreibgeschützt und wurde nicht geändert.")
                                 .arg(QDir::toNativeSeparators(path))};
    return accessError(path, reason);
}
} // namespace

QString fileErrorReason(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::NoError:
        return QStringLiteral("kein Fehler gemeldet");
    case QFileDevice::PermissionsError:
        return QStringLiteral("keine Berechtigung");
    case QFileDevice::OpenError:
        return QStringLiteral("die Datei lässt sich nicht öffnen");
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        // Write errors are nearly always a full disk; say so when the disk agrees.
        if (const QStorageInfo storage(QFileInfo(file.fileName()).absolutePath());
            storage.isValid() && storage.bytesAvailable() < 64 * 1024)
            return QStringLiteral("der Datenträger ist voll");
        return QStringLiteral("Schreibfehler");
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError:
        return QStringLiteral("die alte Datei ließ sich nicht ersetzen");
    default:
        return QStringLiteral("Dateifehler %1").arg(static_cast<int>(file.error()));
    }
}

std::optional<QStringList> readListFile(const QString &path, FileError *error)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = accessError(path, fileErrorReason(file));
        return QStringList();
    }
    return splitListLines(decodeListFile(file.readAll()));
}

bool writeListFile(const QString &path, const QStringList &entries, FileError *error)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        QByteArray line;
        if (!encodeAnsi(entry, line)) {
            if (error)
                *error = unwritableEntry(entry);
            return false;
        }
        bytes += line + QByteArray("\r\n");
    }
    return replaceListFileBytes(path, bytes, error);
}

FileError unwritableEntry(const QString &entry)
{
    return {kBadCharacter, QStringLiteral("Der Eintrag \"%1\" enthält Zeichen, die in der Datei nicht "
                                          "gespeichert werden können. Die Datei wurde nicht geändert.")
                               .arg(entry)};
}

bool replaceListFileBytes(const QString &path, const QByteArray &bytes, FileError *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = writeError(path, fileErrorReason(file));
        return false;
    }
    return true;
}

} // namespace klangtruhe
