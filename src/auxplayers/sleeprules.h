#pragma once

#include <QString>
#include <QTime>
#include <functional>

namespace klangtruhe {

// The wall clock as the sleep function sees it; tests hand in their own.
using TimeOfDayClock = std::function<QTime()>;
TimeOfDayClock systemTimeOfDay();

// "HH:mm:ss" on the 24-hour clock, whatever the system's own time format.
QString timeOfDayText(const QTime &time);

// "00:00" stands for "no time chosen".
inline const QString kNoSleepTime = QStringLiteral("00:00");

// The chosen minute has come when the clock text starts with it. Hours of 24
// or minutes of 60 are accepted by the dialog but never match.
bool sleepTimeReached(const QString &nowText, const QString &sleepZeit);

// The notice for a field that is left with a value out of range, or "".
// field 0 is the hours, 1 the minutes.
QString sleepFieldNotice(int field, const QString &text);

// The confirmed time: a field that is not exactly two characters long gets
// one "0" in front ("7" and "5" give "07:05").
QString confirmedSleepTime(const QString &hours, const QString &minutes);

// What the time dialog offers first: the next full quarter hour after now, so
// that "OK" never arms the minute that is running. Midnight ("00:00" means no
// time) becomes 00:15.
QTime defaultSleepTime(const QTime &now);

// A confirmed time that would come again only tomorrow: earlier today or the
// running minute. Times that never match (24:00, xx:60) have not passed.
bool sleepTimePassedToday(const QString &sleepZeit, const QTime &now);

// The gentle end: the playing track goes on to its end, but at most this long.
inline constexpr double kLongestFadeTrack = 600.0;
// ... and fades out over its last seconds.
inline constexpr double kFadeSeconds = 30.0;

// How long the track plays on once the sleep time has come: to its end, at
// most kLongestFadeTrack; 0 when nothing plays (−1).
double fadeRunTime(double secondsLeftInTrack);

// The output level secondsLeft before the end: the user's level until the
// fade begins, then falling along a square curve (the ear hears a straight
// line as a sudden drop at the end) to silence at 0.
double fadeVolume(double userVolume, double secondsLeft);

// Every key typed in the time fields counts; each second one moves the focus on.
class TwoKeyCounter {
public:
    // True when this key completes a pair (the counter starts over).
    bool press()
    {
        if (++m_count < 2)
            return false;
        m_count = 0;
        return true;
    }

private:
    int m_count = 0;
};

} // namespace klangtruhe
