#pragma once

#include <QList>
#include <QString>

namespace klangtruhe {

// The file name of a new playlist: the answer, with ".txt" unless it ends so.
QString playlistFileName(const QString &answer);

// The characters of the answer that no file name may hold (Windows' rules,
// so playlists move between systems), each once; "" when the name is fine.
QString forbiddenNameCharacters(const QString &answer);

// The first column's header: "Playlist - " + name without its last four
// characters + " (" + count + ")".
QString playlistHeader(const QString &playlistName, int itemCount);

// The check-mark toggle: the new state of AlleHakenAn, which is also the
// state every item gets.
inline bool toggledAllTicks(bool alleHakenAn) { return !alleHakenAn; }

// Removing the selected items, walked from the last to the first: the
// numbers (1-based) of the items that stay.
QList<int> itemsKept(const QList<bool> &selected);

// The item the focus or a click makes current: the selected item when the
// current one is not 0, else 1.
inline int itemOnFocus(int aktuellerTrack, int selectedItem) { return aktuellerTrack != 0 ? selectedItem : 1; }

// TrackGespielt for a playlist of count items: elements 0 .. count, all 0.
inline QList<int> playedMarksFor(int count) { return QList<int>(count + 1, 0); }

} // namespace klangtruhe
