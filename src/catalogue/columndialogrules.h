#pragma once

#include <QStringList>

namespace klangtruhe {

// The two lists of the column arrangement dialog: shown columns in display
// order, hidden columns.
struct ColumnLists {
    QStringList visible;
    QStringList hidden;
};

// From the stored layout texts: "…1" shown, "…0" hidden, no flag shown as it is.
ColumnLists listsFromLayoutTexts(const QStringList &layoutTexts);
// What "&OK" stores at positions 0, 1, …: the shown columns with "1", then the
// hidden ones with "0". Positions beyond the result keep their stored texts.
QStringList layoutTextsFromLists(const ColumnLists &lists);
// "&Default": the preset the user can start from.
ColumnLists defaultColumnPreset();
// "&Standard": all 18 fields in table order, shown.
ColumnLists standardColumnPreset();

// Moves item `row` one place up (-1) or down (+1); returns its new row, or
// `row` itself when it is already at that end (or no item is chosen).
int moveListItem(QStringList &items, int row, int direction);

} // namespace klangtruhe
