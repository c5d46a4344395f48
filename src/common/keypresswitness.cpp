#include "common/keypresswitness.h"

#include <QKeyEvent>

namespace klangtruhe {

void KeyPressWitness::pressed(const QKeyEvent *event)
{
    m_key = event->key();
}

bool KeyPressWitness::released(const QKeyEvent *event)
{
    if (event->isAutoRepeat() || event->key() != m_key)
        return false;
    m_key = 0;
    return true;
}

} // namespace klangtruhe
