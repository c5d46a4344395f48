#include "auxplayers/sleepcomponent.h"

#include "app/program.h"
#include "app/statusbar.h"
#include "auxplayers/frmuhrzeit.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "common/wincolour.h"

#include <QAction>
#include <QMainWindow>
#include <QTimer>

namespace klangtruhe {

namespace {
const QString kSleepOff = QStringLiteral("Sleep Off");
}

SleepComponent::SleepComponent(Program &program, QMainWindow &window, StatusBar &status,
                               std::function<void()> closeAllWindows, TimeOfDayClock clock)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_closeAllWindows(std::move(closeAllWindows))
    , m_clock(clock ? std::move(clock) : systemTimeOfDay())
{
    setObjectName(QStringLiteral("SleepComponent"));
    m_timerSleep = new QTimer(this);
    m_timerSleep->setObjectName(QStringLiteral("TimerSleep"));
    m_timerSleep->setInterval(5000);
    connect(m_timerSleep, &QTimer::timeout, this, &SleepComponent::TimerSleep_Timer);
    m_fadeTimer = new QTimer(this);
    m_fadeTimer->setObjectName(QStringLiteral("TimerSleepAusblenden"));
    m_fadeTimer->setInterval(250);
    connect(m_fadeTimer, &QTimer::timeout, this, &SleepComponent::fadeStep);

    m_mnuSleep = window.findChild<QAction *>(QStringLiteral("mnuSleep"));
    if (m_mnuSleep) {
        m_mnuSleep->setCheckable(true);
        m_mnuSleep->setChecked(false);
        m_mnuSleep->setEnabled(true);
        // The entry toggles itself before this runs; the handler decides from the state before the click.
        connect(m_mnuSleep, &QAction::triggered, this, [this](bool checked) {
            m_mnuSleep->setChecked(!checked);
            mnuSleep_Click();
        });
    }
}

void SleepComponent::mnuSleep_Click()
{
    if (!m_mnuSleep)
        return;
    if (m_mnuSleep->isChecked())
        disarm();
    else
        arm();
}

void SleepComponent::disarm()
{
    switchOff(true);
}

void SleepComponent::switchOff(bool uncheck)
{
    if (uncheck)
        m_mnuSleep->setChecked(false);
    m_herunterfahren = false;
    m_timerSleep->stop();
    if (m_fading)
        endFade();
    m_status.setPanel(6, kSleepOff);
}

void SleepComponent::endFade()
{
    m_fading = false;
    m_fadeTimer->stop();
    if (hooks.setVolume)
        hooks.setVolume(m_userVolume);
}

void SleepComponent::arm()
{
    m_mnuSleep->setChecked(true);
    const QString answer =
        MsgLumo(m_program, &m_window,
                QStringLiteral("Soll der PC nach Aufruf der Sleep-Funktion \r\nheruntergefahren werden?"), 32, 2,
                QStringLiteral("Sleep-Modus"), 1, colours::DialogBack, colours::DialogText);
    if (answer == QLatin1String("Ja")) {
        if (!m_program.platform().isAdministrator()) {
            MsgLumo(m_program, &m_window, QStringLiteral("Für das Herunterfahren des PC's werden Admin-Rechte benötigt!"),
                    4, 0, QStringLiteral("Benutzerhinweis"), 1, colours::DialogBack, colours::DialogText);
            m_mnuSleep->setChecked(false);
            return;
        }
        askTimeAndStart(true);
    } else if (answer == QLatin1String("Nein")) {
        askTimeAndStart(false);
    } else if (answer == QLatin1String("Exit")) {
        switchOff(true);
    }
    // No time confirmed (or none ever): the function stays off.
    if (m_sleepZeit == kNoSleepTime)
        switchOff(true);
}

void SleepComponent::askTimeAndStart(bool herunterfahren)
{
    {
        frmUhrzeit dialog(m_program, &m_window, m_clock);
        dialog.offerStopOnly(!herunterfahren);
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        dialog.exec();
        m_sleepZeit = dialog.sleepZeit();
        m_sanft = dialog.sanftAusblenden();
        m_nurAnhalten = !herunterfahren && dialog.nurAnhalten();
    }
    doEvents();
    m_herunterfahren = herunterfahren;
    m_timerSleep->start();
    m_status.setPanel(6, QStringLiteral("Sleep ") + m_sleepZeit);
}

void SleepComponent::TimerSleep_Timer()
{
    const QString now = timeOfDayText(m_clock());
    if (m_fading || !m_mnuSleep || !m_mnuSleep->isChecked() || !sleepTimeReached(now, m_sleepZeit))
        return;
    const double runTime = m_sanft && hooks.secondsLeftInTrack ? fadeRunTime(hooks.secondsLeftInTrack()) : 0.0;
    if (runTime > 0) {
        m_fading = true;
        m_fadeRunTime = runTime;
        m_userVolume = hooks.volume ? hooks.volume() : 1.0;
        m_fadeClock.start();
        m_fadeTimer->start();
        m_status.setPanel(6, QStringLiteral("Sleep: ausblenden"));
        return;
    }
    finish();
}

void SleepComponent::fadeStep()
{
    if (!m_fading)
        return;
    const double left = m_fadeRunTime - static_cast<double>(m_fadeClock.elapsed()) / 1000.0;
    // Stopped by hand, or the track ended early: nothing more to fade.
    const bool playing = !hooks.secondsLeftInTrack || hooks.secondsLeftInTrack() >= 0;
    // Stopped a moment before the end, so the next track never starts.
    if (left > 0.3 && playing) {
        if (hooks.setVolume)
            hooks.setVolume(fadeVolume(m_userVolume, left));
        return;
    }
    if (hooks.stopPlayback)
        hooks.stopPlayback();
    endFade();
    finish();
}

void SleepComponent::finish()
{
    if (m_nurAnhalten && !m_herunterfahren) {
        if (hooks.stopPlayback)
            hooks.stopPlayback();
        switchOff(true);
        return;
    }
    if (m_herunterfahren) {
        // Asked once: the system's shutdown ends the program. Should the system
        // refuse, the program ends as without shutdown rather than play on all night.
        switchOff(true);
        if (m_program.platform().shutdownComputer())
            return;
        qWarning("Sleep: the computer could not be shut down; the program ends instead");
    }
    if (m_closeAllWindows)
        m_closeAllWindows();
    doEvents();
}

} // namespace klangtruhe
