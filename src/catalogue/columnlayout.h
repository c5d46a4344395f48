#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace klangtruhe {

class SettingsStore;

// The stored column layout: 18 texts, a field name followed by "1" (shown)
// or "0" (hidden). A text without either flag is taken as it is.
enum class LayoutFlag { Shown, Hidden, None };

LayoutFlag layoutFlag(const QString &layoutText);
// The text without its flag (the whole text when it has none).
QString layoutFieldName(const QString &layoutText);

// "Band1" .. "SonstigesTab1": the default of every position.
QStringList defaultLayoutTexts();
// The 18 stored texts "TabelleAnordnenCaption0..17", defaults filled in.
QStringList readLayoutTexts(SettingsStore &settings);
// The 18 stored widths "Spaltenbreite0..17" as texts.
QStringList readColumnWidths(SettingsStore &settings);

// Width in twips for a shown column from its stored text: the whole number
// (the current width when the text is no number), 1000 when that is 0.
int shownColumnWidth(const QString &storedWidth, int currentWidth);

// Steps 2 and 3 of the column builder on plain data: the layout with the flags
// cut off, and the width of every position 0..17 that exists. Positions whose
// text has no flag keep their width.
QStringList applyLayoutWidths(const QStringList &layoutTexts, const QStringList &storedWidths,
                              std::vector<int> &widths);

// Step 5 on plain data: for every position i, the first column at i or right
// of it whose header is columnLayout[i] moves to i. Returns the moves (from,
// to) in order and updates headers; widths stay with positions, and the
// positions flagged "0" are hidden again.
std::vector<std::pair<int, int>> arrangeColumns(QStringList &headers, const QStringList &columnLayout,
                                                const QStringList &layoutTexts, std::vector<int> &widths);

// The record source statements of the letter and rating buttons (index 0..31)
// in table mode; column is the field chosen in the "Spaltenkopf" menu.
QString letterFilterStatement(int index, const QString &column);
// The caption of button 0..31: "A".."Z", "1".."6".
QString letterButtonCaption(int index);
// Jump mode: the first data row (1-based, as the grid counts) whose text
// starts with the letter, upper-cased; 0 when none. Umlauts are no match.
bool startsWithLetter(const QString &cellText, QChar upperLetter);
// Whether the found row may become the top row (not the header, not the last row).
bool mayBecomeTopRow(int gridRow, int gridRows);

// The header sort: the statement for the field and the new state of the
// shared toggle. Without a field (a position beyond the layout) the
// statement stays as it was.
struct SortStep {
    QString statement;
    bool ascending;
};
SortStep headerSortStatement(const QString &field, bool lastSortAscending, const QString &currentStatement);

// The 15 fields of the letter buttons' column menu, in menu order.
QStringList letterColumnFields();

// The grid's selection colours: the system's highlight pair while the grid
// is in a cell, highlight text on window text once the focus has left it.
struct SelectionColours {
    QColor background;
    QColor text;
};
SelectionColours gridSelectionColours(const QPalette &system, bool inCell);

} // namespace klangtruhe
