#include "common/events.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace klangtruhe {

void doEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void sleepMs(int ms)
{
    if (ms <= 0) {
        doEvents();
        return;
    }
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    // A nested loop that itself exits early (a dialog's exec() ending) must not
    // end our wait early, so keep going until the deadline really passed.
    while (!deadline.hasExpired()) {
        loop.exec(QEventLoop::AllEvents);
        if (!deadline.hasExpired())
            QTimer::singleShot(static_cast<int>(deadline.remainingTime()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    }
}

double timeOfDay()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

} // namespace klangtruhe
