#include "player/movierules.h"

#include "common/numbers.h"

#include <algorithm>

namespace klangtruhe {

namespace {

int wholeSeconds(double position)
{
    return static_cast<int>(roundHalfEven(position));
}

} // namespace

void MovieAbLoop::setA(double position)
{
    m_posAGesetzt = true;
    m_button = SetB;
    m_timer = false;
    m_posA = wholeSeconds(position);
}

void MovieAbLoop::setB(double position)
{
    m_posAGesetzt = false;
    m_button = Exit;
    m_posB = wholeSeconds(position);
    m_timer = true;
}

void MovieAbLoop::exit()
{
    m_posA = 0;
    m_button = SetA;
    m_timer = false;
}

std::optional<int> MovieAbLoop::tick(double position) const
{
    if (m_timer && position >= m_posB)
        return m_posA;
    return std::nullopt;
}

int movieTrackStep(int current, int trackCount, bool forward)
{
    const int last = std::max(trackCount - 1, 0);
    if (forward)
        return current >= last ? 0 : current + 1;
    return current != 0 ? current - 1 : last;
}

MovieWindowState movieWindowStateOf(int stored)
{
    switch (stored) {
    case 1:
        return MovieWindowState::Minimised;
    case 2:
        return MovieWindowState::Maximised;
    default:
        return MovieWindowState::Normal;
    }
}

} // namespace klangtruhe
