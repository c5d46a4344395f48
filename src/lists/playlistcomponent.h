#pragma once

#include <QObject>
#include <QString>

class QAction;
class QListWidget;
class QMainWindow;
class QTabWidget;

namespace klangtruhe {

class PlayerComponent;
class PlaylistView;
class Program;

// The playlists of the main window: the view `lvwPlaylist` in the place of
// the text pages, the file list `filPlaylist` on the page "Playlists", the
// menu "&Playlist" and the procedures other windows call (save, load, add).
// Every playlist file lies in the program folder's "Playlist" folder.
class PlaylistComponent : public QObject {
    Q_OBJECT
public:
    PlaylistComponent(Program &program, QMainWindow &window, PlayerComponent &player, QTabWidget *tabTexte);

    // Playlist state of the main window.
    QString PlaylistName;
    bool PlaylistDirektLaden = false;
    bool PlaylistGeaendert = false;
    bool AlleHakenAn = true;

    // The menu "&Playlist".
    void mnuPlaylistNeu_Click();
    void mnuPlaylistLaden_Click();
    void mnuPlaylistAnzeigen_Click();
    void mnuPlaylistKill_Click();
    void mnuPlaylistHaken_Click();
    void mnuPlaylistAufnehmen_Click();
    // M3U and M3U8 playlists of other players, in and out.
    void mnuPlaylistImportieren_Click();
    void mnuPlaylistExportieren_Click();
    void PlaylistSpeichern();

    // A search result becomes the playlist "Suchliste.txt": an old one is
    // deleted outright and the view emptied; the search then adds tracks.
    void beginSearchList();

    // The view takes the text pages' place, or gives it back.
    void showView();
    void hideView();
    // Re-reads the playlist files into filPlaylist.
    void readFileList();
    // A double-click on a file of filPlaylist loads it without the dialog.
    void filPlaylist_DblClick(const QString &fileName);

    // A track file was renamed (its rating): every playlist file and the
    // view follow, so the track stays in its playlists.
    void trackRenamed(const QString &oldPath, const QString &newPath);

    // The folder every playlist is written to and read from, with its separator.
    QString playlistFolder() const;
    PlaylistView &view() { return *m_view; }
    QListWidget *filPlaylist() const { return m_files; }

private:
    void connectMenu();
    void selectPlaylistsPage();
    void updateHeader();
    void takeOverItems();
    // false: the file is no playlist and nothing changed.
    bool load();
    QString askName();
    QString playlistPath() const;

    // Events of the view.
    void onFocus();
    void onClick();
    void onMouseReleased();
    void onKeyReleased(int key);
    void onRightPressed();
    void onDoubleClick();

    Program &m_program;
    QMainWindow &m_window;
    PlayerComponent &m_player;
    QTabWidget *m_tabTexte;
    PlaylistView *m_view = nullptr;
    QListWidget *m_files = nullptr;
    QAction *m_anzeigen = nullptr;
    QAction *m_haken = nullptr;
};

} // namespace klangtruhe
