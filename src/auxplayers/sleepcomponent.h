#pragma once

#include "auxplayers/sleeprules.h"

#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QTimer;

namespace klangtruhe {

class Program;
class StatusBar;

// The sleep function of the main window: the menu entry "&Sleep..." arms and
// disarms it, `TimerSleep` compares the time of day with the chosen minute
// and then ends the program or shuts the computer down. The chosen time and
// the shutdown choice live only in memory.
class SleepComponent : public QObject {
    Q_OBJECT
public:
    // closeAllWindows is the program's "&Beenden".
    SleepComponent(Program &program, QMainWindow &window, StatusBar &status,
                   std::function<void()> closeAllWindows, TimeOfDayClock clock = {});

    void mnuSleep_Click();
    void TimerSleep_Timer();

    QString sleepZeit() const { return m_sleepZeit; }
    bool sleepHerunterfahren() const { return m_herunterfahren; }
    QTimer &timerSleep() const { return *m_timerSleep; }
    void setClock(TimeOfDayClock clock) { m_clock = std::move(clock); }

private:
    void arm();
    void disarm();
    // Shows frmUhrzeit and starts the timer for the time it confirmed.
    void askTimeAndStart(bool herunterfahren);
    void switchOff(bool uncheck);

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    std::function<void()> m_closeAllWindows;
    TimeOfDayClock m_clock;
    QAction *m_mnuSleep = nullptr;
    QTimer *m_timerSleep;
    QString m_sleepZeit = kNoSleepTime;
    bool m_herunterfahren = false;
};

} // namespace klangtruhe
