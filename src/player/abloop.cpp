#include "player/abloop.h"

#include "common/numbers.h"

namespace klangtruhe {

namespace {

int wholeSeconds(double position)
{
    return static_cast<int>(roundHalfEven(position));
}

} // namespace

void AbLoop::click(double position)
{
    if (m_posAGesetzt) {
        m_posAGesetzt = false;
        m_button = Exit;
        m_posB = wholeSeconds(position);
        m_timer = true;
    } else if (m_posA != 0) {
        m_posA = 0;
        m_button = SetA;
        m_timer = false;
    } else {
        m_posAGesetzt = true;
        m_button = SetB;
        m_timer = false;
        m_posA = wholeSeconds(position);
    }
}

void AbLoop::clear()
{
    m_posAGesetzt = false;
    m_posA = 0;
    m_button = SetA;
    m_timer = false;
}

std::optional<int> AbLoop::tick(double position) const
{
    if (m_timer && position >= m_posB)
        return m_posA;
    return std::nullopt;
}

} // namespace klangtruhe
