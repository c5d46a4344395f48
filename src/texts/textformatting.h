#pragma once

#include <QString>
#include <Qt>

class QColor;
class QFont;
class QTextCursor;

namespace klangtruhe {

// The formatting steps of the song list's button bar and font menu, on a
// cursor of the box's document. Without a selection a character step sets
// the format of the insertion point (what is typed next).

// How a character attribute lies over the selection.
enum class Coverage { None, Partly, All };

enum class CharToggle { Bold, Italic, Underline, StrikeOut };

Coverage coverage(const QTextCursor &cursor, CharToggle attribute);
// On when it is off or mixed, off when all of the selection has it.
void toggleCharAttribute(QTextCursor &cursor, CharToggle attribute);

// "Standardschrift": Segoe UI 10, plain, black, no raised or lowered text.
void setStandardFont(QTextCursor &cursor);
// Font name, size, bold, italic, strike-through and underline of a font dialog.
void setChosenFont(QTextCursor &cursor, const QFont &font);
void setTextColour(QTextCursor &cursor, const QColor &colour);

// Raises (positive) or lowers (negative) the text by so many twips; 0 puts it
// back on the line.
void setCharOffset(QTextCursor &cursor, int twips);
inline constexpr int kSubSuperOffsetTwips = 30;

// Bullets of the paragraphs the selection touches.
Coverage bulletCoverage(const QTextCursor &cursor);
// Sets bullets on all those paragraphs or takes them off.
void setBullets(QTextCursor &cursor, bool on);

void setParagraphAlignment(QTextCursor &cursor, Qt::Alignment alignment);

enum class IndentSide { Left, Right };
// The indent of the selected paragraphs in twips.
void setParagraphIndent(QTextCursor &cursor, IndentSide side, double twips);

} // namespace klangtruhe
