#pragma once

#include "lists/listfiles.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace klangtruhe {

// One line of a playlist as the view shows it in three columns. Joined in
// the order pfad + bandUndCd + name they give the line back unchanged.
struct PlaylistItem {
    QString name;      // "Playlist": the file name
    QString bandUndCd; // the folder holding the file, with its separator
    QString pfad;      // the folder above that one, with its separator
    QString fullPath() const { return pfad + bandUndCd + name; }
    bool operator==(const PlaylistItem &other) const
    {
        return name == other.name && bandUndCd == other.bandUndCd && pfad == other.pfad;
    }
};

// Splits a track path at "\" or "/" (files written on Windows read here too).
// A line without a separator becomes a name alone, so saving keeps it.
PlaylistItem splitPlaylistLine(const QString &line);

// The lines a load takes: no empty lines, and no line equal to the one
// accepted just before it.
QStringList acceptedPlaylistLines(const QStringList &lines);

// Text of a playlist file. Windows-1252 normally; UTF-8 and UTF-16 (with or
// without byte order mark) are recognised so no name turns into garbage.
// nullopt when the bytes are no text at all (a damaged or foreign file).
std::optional<QString> decodePlaylistBytes(const QByteArray &bytes);

// Reads a playlist file into items. nullopt when the file does not exist;
// on a file that cannot be read or is no text, nullopt with error set.
std::optional<QList<PlaylistItem>> readPlaylistFile(const QString &path, FileError *error = nullptr);

// Writes every item as one line, replacing the file at once or not at all.
bool writePlaylistFile(const QString &path, const QList<PlaylistItem> &items, FileError *error = nullptr);

// Appends lines to the playlist file, creating it when it is missing. The
// old content is kept as it was when the new lines cannot be written.
bool appendPlaylistLines(const QString &path, const QStringList &lines, FileError *error = nullptr);

} // namespace klangtruhe
