#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QActionGroup;
class QCheckBox;
class QMenu;
class QTableView;
class QToolButton;

namespace klangtruhe {

class CatalogueComponent;
class Program;

// The record table's own procedures: the column builder, the header sort,
// the letter and rating buttons with their column menu, the table option,
// jump mode and the width optimisation. Widths are kept in twips per display
// position; the grid's sections only show them.
class RecordGrid : public QObject {
    Q_OBJECT
public:
    RecordGrid(Program &program, CatalogueComponent &catalogue);

    // Rebuilds the column layout from the store (widths, order, hidden columns).
    void TabelleAnordnen();
    // "Tabellenspaltenbreite &optimieren" (F9).
    void optimiseColumnWidths();
    // Release of letter/rating button k (0..31).
    void ButtonAlpabeth_Click(int index);
    // A click on the header of display column `section`.
    void headerSort(int section);
    // Settings steps "TopRow", the column layout and the widths at start-up.
    void readGridSettings();
    // Stores every column width as "Spaltenbreite" + position.
    void storeColumnWidths();

    // The click handler of the table option (also run when a rating button ticks it).
    void chkTabelle_Click();

    QStringList columnLayout() const { return m_columnLayout; }
    bool lastSortAscending() const { return m_lastSortAscending; }
    // Width of display column i in twips (0 = hidden).
    int columnWidth(int column) const;
    void setColumnWidth(int column, int twips);
    // The grid's top row as the grid counts (1 = first entry).
    int topRow() const;
    // The field of the checked entry of the "Spaltenkopf" menu.
    QString letterColumn() const;
    QCheckBox *tableOption() const { return m_chkTabelle; }
    QMenu *columnMenu() const { return m_columnMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSelectionColours(bool inCell);
    void createLetterButtons();
    void applyWidths();
    void fitWidthsToColumns();
    void onSectionResized(int section, int oldSize, int newSize);
    void jumpToLetter(int index);
    void showEditMenu(const QPoint &globalPosition);

    Program &m_program;
    CatalogueComponent &m_catalogue;
    QTableView *m_grid;
    QCheckBox *m_chkTabelle = nullptr;
    QMenu *m_columnMenu = nullptr;
    QActionGroup *m_columnChoice = nullptr;
    std::vector<QToolButton *> m_letterButtons;

    QStringList m_columnLayout;
    std::vector<int> m_widths; // twips per display position, at least 18
    bool m_lastSortAscending = false;
    bool m_applyingWidths = false;
};

} // namespace klangtruhe
