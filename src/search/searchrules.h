#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace klangtruhe {

// One field box of the search dialog: its caption, the field it searches and
// the field a search on it alone is ordered by.
struct SearchField {
    const char *caption;
    const char *field;
    const char *sortField;
};
inline constexpr int kSearchFieldCount = 13;
inline constexpr int kSongsBox = 6;
inline constexpr int kStilBox = 4;
inline constexpr int kCdRatingBox = 12;
const std::array<SearchField, kSearchFieldCount> &searchFields();

// The style list: each line trimmed; empty lines and the excluded styles
// (compared case-sensitively, themselves trimmed) left out.
QStringList offeredStyles(const QStringList &styleLines, const QStringList &excludedLines);

// A style picked from the list: it becomes the search text, or is appended after ", ".
QString withStyle(const QString &searchText, const QString &style);

// The search text split at every ", ": more than one part become conditions
// on the style ("Rock, Pop" -> "Rock*' or Stil like '*Pop").
QString joinedStyleParts(const QString &searchText);

// Rich text stores the German letters as \'xx; the pattern for the field
// Songs looks for them with the single-character wildcard in the apostrophe's place.
QString songsPattern(const QString &text);

// Every apostrophe doubled, for a text literal of a statement.
QString quoteDoubled(const QString &text);

// The record source statement of a search over the fields (in box order)
// for the search text as typed (its ", " parts become style conditions);
// one field is ordered by sortField, several by Band. The text is placed
// trimmed (and rewritten for Songs); "" when no field is given.
QString searchStatement(const QStringList &fields, const QString &sortField, const QString &searchText);

// The cell text with its first occurrence of `from` replaced (case-sensitive);
// the text unchanged when `from` is empty or absent.
QString replacedFirst(const QString &text, const QString &from, const QString &to);

// "update Schallplatten set F = 'new' where F = 'old'" with doubled apostrophes.
QString replaceStatement(const QString &field, const QString &oldText, const QString &newText);

// Whether a track's file name carries the song-rating marker (" - 3.");
// the marker " - 0." stands for none of the ratings 1 to 6.
bool trackHasRating(const QString &fileName, const QString &marker);

} // namespace klangtruhe
