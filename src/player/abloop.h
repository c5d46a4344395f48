#pragma once

#include <optional>

namespace klangtruhe {

// The A-B loop of the embedded player: first click marks A, second marks B
// and starts the loop, third ends it. Positions are whole seconds; PosA = 0
// means "no loop", so an A marked before 0.5 s makes the third click mark a
// new A instead of ending the running loop.
class AbLoop {
public:
    // Which of imgPosAB(0..2) shows.
    enum Button { SetA = 0, SetB = 1, Exit = 2 };

    // A click on imgPosAB at the player's position in seconds. The caller
    // ignores clicks while nothing plays.
    void click(double position);
    // SonderfunktionenAus: back to no loop.
    void clear();

    // One tick of TimerPosAB: the position to jump to, if any.
    std::optional<int> tick(double position) const;

    Button visibleButton() const { return m_button; }
    bool timerRunning() const { return m_timer; }
    bool posAGesetzt() const { return m_posAGesetzt; }
    int posA() const { return m_posA; }
    int posB() const { return m_posB; }

private:
    bool m_posAGesetzt = false;
    int m_posA = 0;
    int m_posB = 0;
    bool m_timer = false;
    Button m_button = SetA;
};

} // namespace klangtruhe
