#pragma once

#include <QString>

namespace klangtruhe {

// Both searches compare in lower case. Letters are lowered one by one, so a
// position found in the lowered text is the same position in the original
// (a whole-string lowering may change the length, e.g. for "İ").
QString lowerKeepingPositions(const QString &text);

// 0-based index of the first occurrence of an already lowered key in the
// lowered text, from `from` on; -1 when there is none or the key is empty.
int findLowered(const QString &text, const QString &lowerKey, int from = 0);
inline bool containsLowered(const QString &text, const QString &lowerKey)
{
    return findLowered(text, lowerKey) >= 0;
}

// The quick search's key: the search box's text in lower case, or "" when
// there is nothing to search for (empty, or a single blank).
QString quickSearchKey(const QString &boxText);

// The full-text search: the 1-based position of `needle` in `text` at or
// after the 1-based `start`, ignoring case; 0 when not found. A start below
// 1 counts as 1; an empty needle is never found.
int findFromPosition(const QString &text, const QString &needle, int start);

} // namespace klangtruhe

namespace klangtruhe {

// The search text of a playlist title: the file name cut before its last
// ".", without the rating marks " - 1" .. " - 6", in lower case.
QString playlistTitleSearchText(const QString &itemText);

} // namespace klangtruhe
