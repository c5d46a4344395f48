#pragma once

#include <QMainWindow>
#include <memory>

namespace klangtruhe {

class CatalogueComponent;
class CoverComponent;
class EbookComponent;
class ExclusionComponent;
class FrameComponent;
class MiniPlayerComponent;
class PlayerComponent;
class PlaylistComponent;
class QuickSearchComponent;
class ReportsComponent;
class SearchComponent;
class Program;
class SleepComponent;
class BackupComponent;
class StatusBar;
class TextsComponent;
class WebTranslateComponent;

// The main window: a frame that composes one component per subsystem. It
// owns the program's state for the run, the menus, the status bar and the
// layout rules; the components own their controls and procedures.
class Ausgabebox : public QMainWindow {
    Q_OBJECT
public:
    explicit Ausgabebox(std::unique_ptr<Program> program);
    ~Ausgabebox() override;

    Program &program() { return *m_program; }
    StatusBar &status() { return *m_status; }
    CatalogueComponent &catalogue() { return *m_catalogue; }
    ExclusionComponent &exclusions() { return *m_exclusions; }
    FrameComponent &frame() { return *m_frame; }
    PlayerComponent &player() { return *m_player; }
    TextsComponent &texts() { return *m_texts; }
    SleepComponent &sleep() { return *m_sleep; }
    BackupComponent &backups() { return *m_backups; }
    MiniPlayerComponent &miniPlayer() { return *m_miniPlayer; }
    CoverComponent &covers() { return *m_covers; }
    EbookComponent &ebooks() { return *m_ebooks; }
    PlaylistComponent &playlists() { return *m_playlists; }
    QuickSearchComponent &quickSearch() { return *m_quickSearch; }
    SearchComponent &search() { return *m_search; }
    ReportsComponent &reports() { return *m_reports; }
    WebTranslateComponent &webTranslate() { return *m_webTranslate; }

    // Applies the start-up options of the settings store.
    void RegistryLesen();
    // "&Beenden": stores the pending edit, closes every window of the program.
    void Beenden();
    // Brings the window forward (a second start asked for it).
    void bringToFront();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void storePlacement();
    void wirePlayerToDetailView();
    void applyLayout();

    std::unique_ptr<Program> m_program;
    StatusBar *m_status;
    CatalogueComponent *m_catalogue;
    ExclusionComponent *m_exclusions;
    FrameComponent *m_frame;
    PlayerComponent *m_player;
    TextsComponent *m_texts;
    SleepComponent *m_sleep;
    BackupComponent *m_backups;
    MiniPlayerComponent *m_miniPlayer;
    CoverComponent *m_covers = nullptr;
    EbookComponent *m_ebooks = nullptr;
    PlaylistComponent *m_playlists = nullptr;
    QuickSearchComponent *m_quickSearch = nullptr;
    SearchComponent *m_search = nullptr;
    ReportsComponent *m_reports = nullptr;
    WebTranslateComponent *m_webTranslate = nullptr;
    bool m_unloaded = false;
};

} // namespace klangtruhe
