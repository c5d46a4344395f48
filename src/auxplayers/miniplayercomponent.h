#pragma once

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <functional>
#include <optional>

class QAction;
class QMainWindow;

namespace klangtruhe {

class CatalogueComponent;
class PictureButton;
class PlayerComponent;
class Program;
class StatusBar;
class frmMiniPlayer;

// What the mini player needs of the main window's frame.
struct MiniPlayerFrameHooks {
    // "&Beenden": every window closes and the program ends.
    std::function<void()> closeAllWindows;
    // The load display Timer4 on/off.
    std::function<void(bool)> setLoadDisplay;
};

// The main window's side of the mini player: the button `imgMiniPlayer`, the
// switch between main window and mini player, the procedures the mini player
// calls (MiniPlayerPause, MiniPlayerStop, ...) and the menu entry
// "&Miniplayer im Vordergrund halten".
class MiniPlayerComponent : public QObject {
    Q_OBJECT
public:
    MiniPlayerComponent(Program &program, QMainWindow &window, StatusBar &status, PlayerComponent &player,
                        CatalogueComponent &catalogue, MiniPlayerFrameHooks frame);
    ~MiniPlayerComponent() override;

    void imgMiniPlayer_Click();
    // The volume tool (Pegling.exe on Windows, the desktop's mixer elsewhere);
    // beside the mini player when its place (twips) is given. A missing tool is
    // said when the user asks for it, never when it comes up with the program.
    void imgLautsprecherregler_Click(std::optional<QRectF> miniPlayerPlace = {});
    void startVolumeToolAtStart();

    void MiniPlayerPause();
    void MiniPlayerPosAB();
    void MiniPlayerStop();
    void MiniPlayerVorBackStart();
    void MiniPlayerResume();

    // The window once it was loaded, else null.
    frmMiniPlayer *miniPlayer() const;
    bool miniPlayerVisible() const;
    void setCaption(const QString &caption);
    void showPauseActive(bool active);
    void closeMiniPlayer();
    // The caption ticker's text for phase 1 to 3 from the playing source.
    QString tickerText(int phase) const;

private:
    void startVolumeTool(std::optional<QRectF> miniPlayerPlace, bool tellWhenMissing);
    bool stepTrack(int direction);
    void showMainWindow();
    // Position, size, column widths and chkBildpfad, as on closing but whatever the window state.
    void storeMainWindowState();
    void wirePlayer();

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    PlayerComponent &m_player;
    CatalogueComponent &m_catalogue;
    MiniPlayerFrameHooks m_frame;
    PictureButton *m_imgMiniPlayer = nullptr;
    PictureButton *m_imgLautsprecherregler = nullptr;
    QAction *m_mnuMiniPlayerOnTop = nullptr;
    QAction *m_mnuStartLautregler = nullptr;
    QPointer<frmMiniPlayer> m_miniPlayer;
};

} // namespace klangtruhe
