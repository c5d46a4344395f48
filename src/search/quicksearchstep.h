#pragma once

#include <QString>
#include <functional>

namespace klangtruhe {

// Where the quick search stands between two requests. Rows are the table's
// rows as it counts them: 0 is the header, 1 the first entry.
struct QuickSearchState {
    QString text; // lower-case key of the last hit; "" at start and after a miss
    int row = 1;  // the row the next request starts at
};

// The first row to look at for this key: a new key, or no position, starts at row 1.
int quickSearchStartRow(const QuickSearchState &state, const QString &key);

// Walks the rows from `first` to `last`. A row whose cells do not contain the
// key (`cellsMatch` false) is passed over; for the others `showAndMark` makes
// the row's entry current, marks what it finds and says whether that counts
// as a hit. Returns the row of the hit, or 0 when the walk ends without one.
int quickSearchScan(int first, int last, const std::function<bool(int row)> &cellsMatch,
                    const std::function<bool(int row)> &showAndMark);

// After a hit the next request goes on below the hit row with the same key;
// after a miss everything starts again at row 1.
void quickSearchHit(QuickSearchState &state, int row, const QString &key);
void quickSearchMiss(QuickSearchState &state);

} // namespace klangtruhe
