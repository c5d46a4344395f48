#pragma once

#include "catalogue/cataloguedatabase.h"
#include "catalogue/recentlist.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QFont;
class QModelIndex;
class QLabel;
class QMainWindow;
class QTableView;
class QWidget;

namespace klangtruhe {

class Data1;
class DetailView;
class Program;
class RecordGrid;
class RecordTableModel;
class StatusBar;

// What other subsystems do when the catalogue changes; the main window plugs
// them in as their components exist. Every hook may stay empty.
struct CatalogueHooks {
    // The steps of the entry-change sequence that belong to other subsystems.
    std::function<void()> coverDisplay;
    std::function<void()> trackList;
    std::function<void()> coverStrip;
    std::function<void()> eBookList;
    // After opening and refreshing: re-read the cover folder and redraw the strip.
    std::function<void()> coverStripRefresh;
    // A new selection makes an earlier "only excluded styles" finding void.
    std::function<void()> clearStilAusgeschlossen;
    // A rating star gives the text pages their place back from the playlist view.
    std::function<void()> hidePlaylistView;
    // The captions "Band", "Titel" and "Bestell-Nr." search the web (label index 0, 1, 8).
    std::function<void(int labelIndex)> onlineSearch;
    // Opens the help file at a topic ("spaltenanordnen.html").
    std::function<void(const QString &topic)> ShowHelp;
};

// The catalogue of the main window: the data source Data1, the record table
// MSFlexGrid1 and the label with the selection's name, and the operations
// that choose, open and refresh the catalogue file.
class CatalogueComponent : public QObject {
    Q_OBJECT
public:
    CatalogueComponent(Program &program, QMainWindow &window, StatusBar &status);
    ~CatalogueComponent() override;

    CatalogueHooks hooks;

    Data1 &data() { return *m_data; }
    QTableView *grid() const { return m_grid; }
    RecordTableModel &model() { return *m_model; }
    QLabel *tableNameLabel() const { return m_tableName; }
    QMainWindow &window() { return m_window; }
    RecordGrid &recordGrid() { return *m_recordGrid; }
    DetailView &detailView() { return *m_detail; }

    // Opening at start-up: the stored path, the first-start file, or the template.
    void openAtStartup();
    // "&Datenbank laden...": with a path from the recent list, or through the file dialog.
    void OpenDatabase(const std::optional<QString> &path = std::nullopt);
    // "&Aktualisieren": the whole table with the standard statement.
    void refresh();
    // Applies a record source statement; the caller decides what is stored.
    bool applyRecordSource(const QString &statement, DatabaseError &error);
    void chooseRecentEntry(int index);

    RecentList recentList() const { return m_recent; }
    void loadRecentList();

    // Rebuilds the table's column layout (widths, order, hidden columns).
    std::function<void()> TabelleAnordnen;

    // Stores every column width in twips as "Spaltenbreite" + i.
    void storeColumnWidths();
    // The grid's settings at start-up: "TopRow", the column layout and widths.
    void readGridSettings();
    // The program font for the grid and the detail fields (the Songs box only at start-up).
    void applyProgramFont(const QFont &font, bool songsToo = true);
    // The field captions from "Bez.ini" in the database folder.
    void BezLaden();
    // Status bar panel 3: the number of entries of the current selection.
    void AnzahlTontraeger();
    // "&Tabellenspalten anordnen...": the column dialog, then the columns
    // rebuilt and their widths optimised.
    void mnuTabelleAnordnen_Click();
    // "P&fadzuordnung...": where the stored Windows paths lie here.
    void mnuPfadzuordnung_Click();

private:
    void connectMenu();
    void showRecentList();
    void selectGridRow(int position);
    void onCurrentChanged(int position);
    // Status panel 1: the catalogue file, and whether the shown result takes edits.
    void showCatalogueName();
    void onGridRowChanged(int row);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void onGridCurrentChanged(const QModelIndex &current);

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    Data1 *m_data;
    RecordTableModel *m_model;
    QTableView *m_grid;
    QLabel *m_tableName;
    RecordGrid *m_recordGrid;
    DetailView *m_detail;
    RecentList m_recent;
    bool m_syncingGrid = false;
};

} // namespace klangtruhe
