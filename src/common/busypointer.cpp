#include "common/busypointer.h"

#include <QApplication>

namespace klangtruhe {

BusyPointer::BusyPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer()
{
    release();
}

void BusyPointer::release()
{
    if (m_active)
        QApplication::restoreOverrideCursor();
    m_active = false;
}

} // namespace klangtruhe
