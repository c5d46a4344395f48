#pragma once

#include "texts/textformatting.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace klangtruhe {

class Program;
class TextBarButton;

// What the texts need from other subsystems.
struct TextsHooks {
    // "Suchen" and "Weitersuchen" of the button bar: the full-text search.
    std::function<void()> Suchen;
    std::function<void()> Weitersuchen;
    // The page "Playlists" was clicked: re-read the playlist file list.
    std::function<void()> playlistPageClicked;
};

// The rich texts of an entry: the song list's button bar and font menu, the
// enlarging of the song list, the lyrics on and off, executing a marked text
// as a link and the shop search of the clickable labels. The five text boxes
// themselves belong to the detail view, which binds them to the entry.
class TextsComponent : public QObject {
    Q_OBJECT
public:
    TextsComponent(Program &program, QMainWindow &window);

    TextsHooks hooks;

    // Button bar, by index: 0 font, 1 colour, 2 standard font, 3 bold,
    // 4 italic, 5 underline, 7 search, 8 search on, 11 bullets, 12-14 alignment.
    void ButtonText_Click(int index);
    // The font menu "&Schrift".
    void mnuSchriftTiefgestellt_Click();
    void mnuSchriftHochgestellt_Click();
    void mnuSchriftDurchstrichen_Click();
    void mnuRandLinks_Click();
    void mnuRandRechts_Click();
    // The song list over the detail fields, and back.
    void cmdTextSmall_Click();
    void cmdTextBig_Click();
    bool songListEnlarged() const { return m_enlarged; }

    void mnuSongTextEinAus_Click();
    // Runs the text marked in the field that last had the focus as a web
    // address, file, mail address or word.
    void mnuWeblink_Click();
    // Label 0, 1 or 8 clicked: searches the shop for band, title or order number.
    void onlineSearch(int labelIndex);

    // "rtfLinks" or "txtSongText" when one of them had the focus last, else "".
    const QString &LetzterTextbereich() const { return m_letzterTextbereich; }
    QMenu *fontMenu() const { return m_fontMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createButtonBar(QWidget *page);
    void createFontMenu();
    void connectMenuEntry(const char *name, void (TextsComponent::*handler)());
    void takeSongListOutOfGrid();
    void placeSongList();
    void watchTextPages();
    // Runs a formatting step on the song list's selection and gives it the focus.
    void formatSongs(const std::function<void(QTextCursor &)> &step);
    void askIndent(IndentSide side);
    void chooseFont();
    void chooseColour();
    void reportCancel();
    void fontMenuFocusChanged(QObject *box, bool focusIn);
    QString markedText() const;

    Program &m_program;
    QMainWindow &m_window;
    QTabWidget *m_pages = nullptr;
    QWidget *m_datenPage = nullptr;
    QTextEdit *m_songs = nullptr;
    QTextEdit *m_songText = nullptr;
    QLabel *m_songsLabel = nullptr;
    QMenu *m_fontMenu = nullptr;
    std::vector<TextBarButton *> m_barButtons;
    TextBarButton *m_smallButton = nullptr;
    TextBarButton *m_bigButton = nullptr;
    QWidget *m_barStrip = nullptr;
    QString m_letzterTextbereich;
    bool m_enlarged = false;
};

} // namespace klangtruhe
