#pragma once

#include <QString>
#include <QStringView>

namespace klangtruhe {

// The visible text of a rich-text field on one line, as a table cell or a
// sort key wants it: the non-empty paragraphs joined by " · ", tabs as
// blanks, formatting, tables of fonts and colours, pictures and field
// instructions left out. Text that is no RTF comes back as it is.
// Reading stops once `maxChars` characters are collected, so a long field
// costs no more than its head; any input returns in time linear in its length.
QString richTextLine(QStringView fieldText, int maxChars);

// The separator between paragraphs of richTextLine().
inline constexpr QStringView kParagraphSeparator = u" · ";

} // namespace klangtruhe
