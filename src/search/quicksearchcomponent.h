#pragma once

#include "search/fulltextstep.h"
#include "search/quicksearchstep.h"

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QMainWindow;
class QTextEdit;

namespace klangtruhe {

class CatalogueComponent;
class PlayerComponent;
class Program;

// What the searches need from other subsystems.
struct QuickSearchHooks {
    // The next entry change comes from the search: the cover strip keeps its place.
    std::function<void()> setCoverKlick;
};

// The two searches of the main window. The quick search walks the rows of
// the table with the text of the search box txtSuchen, one hit per request,
// and marks where it found the text; the full-text search looks for a text
// in the song list TextSongs of the current entry.
class QuickSearchComponent : public QObject {
    Q_OBJECT
public:
    // Creates txtSuchen in the window's central area; the window's layout places it.
    QuickSearchComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue,
                         PlayerComponent &player);

    QuickSearchHooks hooks;

    // One quick-search step with the text of the search box.
    void Suchen();
    // The search box's text becomes `text`, then one step (the playlist shows
    // the entry of a title this way).
    void suchenText(const QString &text);
    // Shows the catalogue entry of a playlist title (the playlist's item text).
    void SuchenPlaylistTitel(const QString &itemText);
    // The next quick search starts at the first row.
    void restartQuickSearch() { m_quick.row = 1; }
    // The box's search button and the Enter key: a step, and the box keeps the focus.
    void searchButtonClicked();

    // The text button bar's "Suchen" and "Weitersuchen".
    void fullTextSuchen();
    void fullTextWeitersuchen();

    QLineEdit *searchBox() const { return m_box; }
    // The search box's background as a Windows colour value.
    quint32 searchBoxColour() const { return m_colour; }
    const QuickSearchState &quickState() const { return m_quick; }
    const FullTextSearchState &fullTextState() const { return m_fullText; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSearchBoxColour(quint32 colour);
    // The row's entry becomes current; marks fields, tracks and texts that contain the key.
    bool showAndMark(int row, const QString &key);
    void markTracks(const QString &key);
    bool selectInBox(QTextEdit *box, const QString &key);
    void selectFullTextFind(QTextEdit *songs, int position);
    QTextEdit *songList() const;

    Program &m_program;
    QMainWindow &m_window;
    CatalogueComponent &m_catalogue;
    PlayerComponent &m_player;
    QLineEdit *m_box = nullptr;
    quint32 m_colour = 0;
    QuickSearchState m_quick;
    FullTextSearchState m_fullText;
    bool m_searching = false;
};

} // namespace klangtruhe
