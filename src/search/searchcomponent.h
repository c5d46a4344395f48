#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMainWindow;

namespace klangtruhe {

class CatalogueComponent;
class ExclusionComponent;
class PlayerComponent;
class PlaylistComponent;
class Program;
class StatusBar;

// The main window's side of the search dialog: "&Suchen..." opens Suchbox,
// then applies its statement, replaces text in the found entries or collects
// the tracks of a song rating into a playlist.
class SearchComponent : public QObject {
    Q_OBJECT
public:
    SearchComponent(Program &program, QMainWindow &window, StatusBar &status, CatalogueComponent &catalogue,
                    PlayerComponent &player, PlaylistComponent &playlists, ExclusionComponent &exclusions);

    // The cover strip re-reads its folder at the end of every search.
    std::function<void()> CoverAktualisieren;

    void MenuSuchen_Click();

private:
    // The found entries' texts get the replacement; false when a step failed.
    bool replaceInFoundEntries(int &replaced);
    // Collects the tracks of the song rating; false when the user named no playlist.
    bool collectSongRating();
    void updateMenu();

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    CatalogueComponent &m_catalogue;
    PlayerComponent &m_player;
    PlaylistComponent &m_playlists;
    ExclusionComponent &m_exclusions;
    QAction *m_menu = nullptr;
};

} // namespace klangtruhe
