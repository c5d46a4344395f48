#pragma once

#include <QString>
#include <QTextFormat>

#include <string_view>

// Shared conventions of the RTF reader and writer of the rich-text fields.
namespace klangtruhe {

// True when the text is meant as RTF: it opens with "{\rtf", after blanks,
// line ends or a byte-order mark at most.
bool looksLikeRtf(QStringView text);
// The same for text as the database engine hands it out.
bool looksLikeRtfUtf8(std::string_view text);

// RichEdit raises and lowers text by half points (\up, \dn); Qt only knows
// super- and subscript, so the amount rides along in this property and is
// written back unchanged. Positive raises, negative lowers.
inline constexpr int RtfCharOffsetProperty = QTextFormat::UserProperty + 0x52;

// The first number of a numbered list (\pnstart); Qt 6.4 lists always count
// from 1, so a different start is only kept to be written back.
inline constexpr int RtfListStartProperty = QTextFormat::UserProperty + 0x53;
// The nesting level (0 = outermost) a list was read at; lists of different
// levels interleave without ending each other's numbering.
inline constexpr int RtfListLevelProperty = QTextFormat::UserProperty + 0x54;

// Margins and indents of a QTextDocument are pixels at 96 dpi; RTF measures
// them in twips, 15 to the pixel.
inline constexpr double TwipsPerDocumentPixel = 15.0;

} // namespace klangtruhe
