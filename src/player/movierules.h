#pragma once

#include <optional>

namespace klangtruhe {

// The movie window's own A-B loop. Unlike the main window's loop, every
// button has one fixed action (mark A, mark B, leave the loop), and showing
// the "mark A" button again (ABsonderzeichen) touches only which button
// shows: a running loop keeps its watcher.
class MovieAbLoop {
public:
    // Which of imgVorBack(4..6) shows.
    enum Button { SetA = 4, SetB = 5, Exit = 6 };

    // Positions are the player's, in seconds; they are kept whole.
    void setA(double position);
    void setB(double position);
    void exit();
    // ABsonderzeichen: only the "mark A" button shows.
    void showSetA() { m_button = SetA; }

    // One tick of TimerPosAB: the position to jump to, if any.
    std::optional<int> tick(double position) const;

    Button visibleButton() const { return m_button; }
    bool timerRunning() const { return m_timer; }
    bool FensterPosAGesetzt() const { return m_posAGesetzt; }
    int FensterPosA() const { return m_posA; }
    int FensterPosB() const { return m_posB; }

private:
    bool m_posAGesetzt = false;
    int m_posA = 0;
    int m_posB = 0;
    bool m_timer = false;
    Button m_button = SetA;
};

// The movie window's back/forward step on the track list's numbering: it
// wraps from the first track to the last and from the last to the first.
int movieTrackStep(int current, int trackCount, bool forward);

// Window state as stored: 0 normal, 1 minimised, 2 maximised.
enum class MovieWindowState { Normal = 0, Minimised = 1, Maximised = 2 };

// The stored value as a state; anything unknown counts as normal.
MovieWindowState movieWindowStateOf(int stored);

} // namespace klangtruhe
