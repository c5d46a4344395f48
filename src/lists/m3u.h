#pragma once

#include "catalogue/pathmap.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace klangtruhe {

// One track of an M3U playlist: its path, its length in whole seconds
// (−1 unknown) and the text "#EXTINF" shows for it.
struct M3uEntry {
    QString path;
    int seconds = -1;
    QString title;
    bool operator==(const M3uEntry &other) const
    {
        return path == other.path && seconds == other.seconds && title == other.title;
    }
};

struct M3uContents {
    QList<M3uEntry> entries;
    int skippedAddresses = 0; // stream and web addresses: no file to play
};

// ".m3u8" is UTF-8; ".m3u" is Windows-1252 unless a byte order mark says otherwise.
bool isUtf8Playlist(const QString &fileName);

// Reads what this and other players write: "#EXTM3U" and "#EXTINF:length,text"
// where present, other comment lines ignored, file URLs as paths, web
// addresses counted and skipped. A relative path is taken from the playlist's
// folder; a Windows path goes through the path map.
M3uContents parseM3u(const QByteArray &bytes, bool utf8, const QString &playlistFolder, const PathMap &pathMap);

// "#EXTM3U", then "#EXTINF" and the path per track, CR LF. False when a text
// cannot be written in Windows-1252 (an .m3u playlist); bytes stay untouched.
bool writeM3u(const QList<M3uEntry> &entries, bool utf8, QByteArray &bytes);

// "Band - Titel" of a track path: the band is the folder name up to its first
// " - ", the title the file name without its ending and rating suffix.
QString m3uTitle(const QString &trackPath);

} // namespace klangtruhe
