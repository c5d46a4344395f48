#pragma once

#include "auxplayers/miniplayerrules.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

namespace klangtruhe {

class PictureButton;
class SettingsStore;

// What the mini player asks of the main window. Each may stay empty.
struct MiniPlayerHost {
    // Status panel 2 of the main window ("no play", "playing: ...", "Pause ...").
    std::function<QString()> playerStatus;
    // The main window's procedures the buttons forward to.
    std::function<void()> MiniPlayerPause;
    std::function<void()> MiniPlayerPosAB;
    std::function<void()> MiniPlayerStop;
    std::function<void()> MiniPlayerVorBackStart;
    std::function<void()> MiniPlayerResume;
    std::function<void()> TontraegerZufaellig;
    // Moves AktuellerTrack one back (0) or forward (1); false when nothing can play.
    std::function<bool(int)> stepTrack;
    // " Maximieren ": the main window comes back.
    std::function<void()> showMainWindow;
    // The ticker: "&Laufschrift" checked, its text per phase, the player stopped.
    std::function<bool()> laufschrift;
    std::function<QString(int)> tickerText;
    std::function<bool()> playerStopped;
    // A pause between tracks is cut short.
    std::function<void()> abortPause;
    // imgLautsprecherregler: the volume tool beside the window (outer left, top, width in twips).
    std::function<void(double, double, double)> startVolumeTool;
    // Closing the mini player ends the program.
    std::function<void()> closeProgram;
};

// The mini player window `frmMiniPlayer`: one row or column of picture buttons
// that drive the main window's player, and a caption with the ticker.
class frmMiniPlayer : public QWidget {
    Q_OBJECT
public:
    frmMiniPlayer(SettingsStore &settings, MiniPlayerHost host, QWidget *owner);

    static QString restCaption() { return QStringLiteral("Klangtruhe-Miniplayer"); }

    void imgVorBack_Click(int index);
    // Pause and A-B pictures back to their resting look.
    void ABsonderzeichen();
    // Pictures from the player's state when the mini player is shown.
    void showPlayerState(bool pausiert, const AbPictures &ab);
    // imgVorBack(12): the other form at its stored position.
    void switchForm();
    // Moves the window to the position stored for its form; called when it is shown,
    // not on activation, so a window the user moved stays put.
    void Form_Activate();
    // Stores the current form's position.
    void storePosition();
    void Timer3_Timer();

    MiniPlayerForm form() const { return m_form; }
    QTimer &Timer3() { return m_timer3; }
    PictureButton *button(int index) const { return m_buttons[static_cast<size_t>(index)]; }
    // The ticker waits this long per character and between its halves (tests shorten it).
    int tickerStepMs = 120;
    int tickerHoldMs = 500;
    int tickerPhase() const { return m_tickerPhase; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyForm(MiniPlayerForm form, double left, double top);
    bool playing() const;
    void typeTicker();

    SettingsStore &m_settings;
    MiniPlayerHost m_host;
    std::array<PictureButton *, 14> m_buttons{};
    MiniPlayerForm m_form = MiniPlayerForm::Horizontal;
    QTimer m_timer3;
    int m_tickerPhase = 0;
    bool m_tickerRunning = false;
    bool m_unloading = false;
};

} // namespace klangtruhe
