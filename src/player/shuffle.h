#pragma once

#include "player/playorder.h"

#include <QList>
#include <QString>

#include <functional>

namespace klangtruhe {

class RandomSource;

// Texts of the notices shown when the random entry choice finds only excluded entries.
inline const QString kStilAusgeschlossenText = QStringLiteral(
    "Diese Stilrichtung wurde im Menüpunkt 'Optionen/Stilrichtung ausschließen...' ausgeschlossen.\r\n"
    "Entfernen Sie dort das Häkchen, damit Sie diese Stilrichtung verwenden können.");
inline const QString kBandAusgeschlossenText = QStringLiteral(
    "Diese Band wurde im Menüpunkt 'Optionen/Band ausschließen...' ausgeschlossen.\r\n"
    "Entfernen Sie dort das Häkchen, damit Sie diese Stilrichtung verwenden können.");

// How the play-exclusion lists judge one table row: the style is tested
// first, the band only when the style passed.
enum class RowExclusion { Allowed, StyleRejected, BandRejected };

struct EntryChoice {
    enum class Kind {
        NoEntries,    // empty selection: nothing changes
        SameEntry,    // another song of the current entry
        NewEntry,     // move the catalogue to table row `row`
        StyleNotice,  // all draws hit excluded styles: style notice, StilAusgeschlossen, Timer1 off
        BandNotice    // all draws hit excluded bands: band notice only
    };
    Kind kind = Kind::NoEntries;
    // Table row 1 .. n: the entry taken, or for a notice the last row drawn
    // (where the catalogue stood when the notice came).
    int row = 0;
    int songsAufTontraeger = 0;  // the counter's new value
};

// The entry part of TontraegerZufaellig for the track-list source. Rows are
// drawn with replacement, 1 .. entryCount; at most entryCount style and
// entryCount band rejections per call. `timeOfDay` in seconds since midnight.
EntryChoice chooseShuffleEntry(int entryCount, int songsPerEntry, int songsAufTontraeger,
                               const std::function<RowExclusion(int row)> &exclusionOfRow,
                               RandomSource &random, double timeOfDay);

// The song part, once the track list holds the files of the chosen entry:
// the index 1 .. fileCount − 1 to play (file 0 is never drawn), or -1 when
// the entry has at most one file and the current track stays.
int chooseShuffleSong(int fileCount, RandomSource &random, double timeOfDay);

// The playlist source picks a random checked item not yet played; at the
// end of the marks: Stop, or item 1 with Repeat.
TrackChoice chooseShufflePlaylistItem(QList<int> &trackGespielt, const QList<bool> &checked, bool repeat,
                                      RandomSource &random, double timeOfDay);

} // namespace klangtruhe
