#include "search/quicksearchstep.h"

#include <algorithm>

namespace klangtruhe {

int quickSearchStartRow(const QuickSearchState &state, const QString &key)
{
    if (key != state.text || state.row <= 0)
        return 1;
    return state.row;
}

int quickSearchScan(int first, int last, const std::function<bool(int row)> &cellsMatch,
                    const std::function<bool(int row)> &showAndMark)
{
    for (int row = std::max(first, 1); row <= last; ++row) {
        if (!cellsMatch(row))
            continue;
        if (showAndMark(row))
            return row;
    }
    return 0;
}

void quickSearchHit(QuickSearchState &state, int row, const QString &key)
{
    state.row = row + 1;
    state.text = key;
}

void quickSearchMiss(QuickSearchState &state)
{
    state.text.clear();
    state.row = 1;
}

} // namespace klangtruhe
