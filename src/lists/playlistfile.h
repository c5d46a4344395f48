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

// Every item's full path, in order: the lines a playlist file holds.
QStringList playlistLines(const QList<PlaylistItem> &items);

// Splits a track path at "\" or "/" (files written on Windows read here too).
// A line without a separator becomes a name alone, so saving keeps it.
PlaylistItem splitPlaylistLine(const QString &line);

// The lines a load takes: no empty lines, and no line equal to the one
// accepted just before it.
QStringList acceptedPlaylistLines(const QStringList &lines);

// How a playlist file is written, as far as its bytes tell. Windows-1252 is
// the default; another encoding is taken only from a byte order mark or from
// clear evidence, so a stray NUL or umlaut never turns a file into garbage.
enum class ListEncoding { Ansi, Utf8, Utf8WithMark, Utf16LE, Utf16LEWithMark, Utf16BEWithMark };

struct PlaylistText {
    ListEncoding encoding = ListEncoding::Ansi;
    QString text;
    QString lineBreak = QStringLiteral("\r\n"); // the first one the file uses
    // Writing text back in encoding gives exactly the bytes that were read.
    // Only such a file may be changed: anything else would lose what we could not read.
    bool faithful = true;
};

PlaylistText decodePlaylistText(const QByteArray &bytes);
// The bytes of text in the given encoding (with its mark); false when a
// character cannot be written there.
bool encodePlaylistText(const QString &text, ListEncoding encoding, QByteArray &bytes);

// Text of a playlist file (see decodePlaylistText); nullopt when the bytes
// are no text at all (a damaged or foreign file).
std::optional<QString> decodePlaylistBytes(const QByteArray &bytes);

// Reads a playlist file into items. nullopt when the file does not exist;
// on a file that cannot be read or is no text, nullopt with error set.
std::optional<QList<PlaylistItem>> readPlaylistFile(const QString &path, FileError *error = nullptr);

// Writes every item as one line, replacing the file at once or not at all.
// An existing file keeps its encoding and line breaks; one that could not be
// read faithfully is left alone and reported.
bool writePlaylistFile(const QString &path, const QList<PlaylistItem> &items, FileError *error = nullptr);

// Appends lines to the playlist file, creating it when it is missing. The
// old bytes stay exactly as they were; the new file replaces the old one at
// once, so an interruption costs at most the new lines.
bool appendPlaylistLines(const QString &path, const QStringList &lines, FileError *error = nullptr);

// Every line equal to oldPath becomes newPath, in each playlist (*.txt) of
// folder; each file is replaced at once. Returns the files changed.
QStringList renameInPlaylists(const QString &folder, const QString &oldPath, const QString &newPath);

} // namespace klangtruhe
