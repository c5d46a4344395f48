#pragma once

#include <QString>

// The fixed steps the mouse wheel makes on the main window's controls, one
// step per wheel message, without widgets. "away" is the wheel turned away
// from the user (a positive delta): lists and texts move towards their start.
namespace klangtruhe::wheel {

enum class Kind { None, Slider, List, FlexGrid, DataGrid, Text };

// The control kind by a word in its lower-case class name, tested in this
// order: "slider"/"scrollbar", "listbox"/"combobox", "flexgrid", "datagrid",
// "textbox"/"richtext".
Kind kindOfClassName(const QString &lowerCaseClassName);

// The direction of a wheel message's delta read as a signed 32-bit number.
bool turnedAway(int delta);

// Value ∓ 1 within Min..Max.
int sliderValue(int value, int minimum, int maximum, bool away);
// TopIndex ∓ 1 within 0..ListCount − 1.
int listTopIndex(int topIndex, int listCount, bool away);
// TopRow ∓ 1 within 1..Rows − 1 (row 0 is the fixed header row).
int gridTopRow(int topRow, int rows, bool away);
// FirstRow ∓ 1; the grid itself refuses what it cannot show.
int dataGridFirstRow(int firstRow, bool away);
// The caret ∓ 50 characters, only while a whole step fits.
int textCaret(int selStart, int textLength, bool away);

} // namespace klangtruhe::wheel
