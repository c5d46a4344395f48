#pragma once

#include "player/movierules.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

namespace klangtruhe {

class MediaComponent;
class PictureButton;
class Program;

// The main window's procedures the movie window calls.
struct MovieWindowHooks {
    // MiniPlayerVorBackStart: Start on the current track.
    std::function<void()> start;
    // MiniPlayerStop: stop playback in the whole program.
    std::function<void()> stop;
    // TontraegerZufaellig: a random catalogue entry.
    std::function<void()> randomEntry;
    // Tracks in the track list.
    std::function<int()> trackCount;
};

// The movie window: films and pictures play here instead of in the main
// window's small player, with a button row of their own and an A-B loop of
// their own. Showing it the first time (or again after it was closed) places
// it as it was left; closing it stops playback everywhere and remembers the
// placement.
class frmWinMediaPlayer : public QWidget {
    Q_OBJECT
public:
    explicit frmWinMediaPlayer(Program &program, QWidget *parent = nullptr);
    ~frmWinMediaPlayer() override;

    MovieWindowHooks hooks;

    MediaComponent &WindowsMediaPlayer1() { return *m_player; }
    PictureButton *imgVorBack(int index) const { return m_imgVorBack.at(index); }
    QTimer &TimerPosAB() { return m_timerPosAB; }
    const MovieAbLoop &abLoop() const { return m_abLoop; }
    // Pictures follow the window's size (imgVorBack(7) was clicked last).
    bool stretchesToFit() const { return m_stretch; }
    // Between showing it and closing it; a hidden window stays loaded.
    bool isLoaded() const { return m_loaded; }

    void imgVorBack_Click(int index);
    void ABsonderzeichen();
    void TimerPosAB_Timer();

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildButtons();
    void Form_Load();
    void storePlacement();
    void showAbButtons();
    void stepTrack(bool forward);

    Program &m_program;
    std::unique_ptr<MediaComponent> m_player;
    std::array<PictureButton *, 10> m_imgVorBack{};
    QTimer m_timerPosAB;
    MovieAbLoop m_abLoop;
    bool m_stretch = false;
    bool m_loaded = false;
};

} // namespace klangtruhe
