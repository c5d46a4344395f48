#pragma once

#include "auxplayers/sleeprules.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QTimer;

namespace klangtruhe {

class Program;
class StatusBar;

// What the sleep function needs of the player; each may stay empty.
struct SleepHooks {
    std::function<double()> secondsLeftInTrack; // −1: nothing plays
    std::function<double()> volume;
    std::function<void(double)> setVolume;
    std::function<void()> stopPlayback;
};

// The sleep function of the main window: the menu entry "&Sleep..." arms and
// disarms it, `TimerSleep` compares the time of day with the chosen minute
// and then ends the program, shuts the computer down or only stops playing.
// Faded out, the playing track first goes on to its end while it grows
// quiet; the user's level comes back once it has stopped. The chosen time and
// the shutdown choice live only in memory.
class SleepComponent : public QObject {
    Q_OBJECT
public:
    // closeAllWindows is the program's "&Beenden".
    SleepComponent(Program &program, QMainWindow &window, StatusBar &status,
                   std::function<void()> closeAllWindows, TimeOfDayClock clock = {});

    SleepHooks hooks;

    void mnuSleep_Click();
    void TimerSleep_Timer();
    // One step of the fade (every 250 ms while it runs).
    void fadeStep();
    bool fading() const { return m_fading; }

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
    void endFade();
    // The chosen end, once the music has stopped or faded.
    void finish();

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    std::function<void()> m_closeAllWindows;
    TimeOfDayClock m_clock;
    QAction *m_mnuSleep = nullptr;
    QTimer *m_timerSleep;
    QString m_sleepZeit = kNoSleepTime;
    bool m_herunterfahren = false;
    bool m_sanft = false;
    bool m_nurAnhalten = false;
    bool m_fading = false;
    QTimer *m_fadeTimer;
    QElapsedTimer m_fadeClock;
    double m_fadeRunTime = 0;
    double m_userVolume = 1.0;
};

} // namespace klangtruhe
