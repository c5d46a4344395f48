#include "auxplayers/sleeprules.h"

#include "common/numbers.h"

#include <algorithm>

namespace klangtruhe {

TimeOfDayClock systemTimeOfDay()
{
    return [] { return QTime::currentTime(); };
}

QString timeOfDayText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

bool sleepTimeReached(const QString &nowText, const QString &sleepZeit)
{
    return nowText.left(5) == sleepZeit;
}

QString sleepFieldNotice(int field, const QString &text)
{
    // A text without a number counts as 0.
    const double value = leadingNumber(text);
    if (field == 0 && (value > 24 || value < 0))
        return QStringLiteral("Stunden 00-24");
    if (field == 1 && (value > 60 || value < 0))
        return QStringLiteral("Minuten 00-60");
    return QString();
}

QString confirmedSleepTime(const QString &hours, const QString &minutes)
{
    const auto padded = [](const QString &text) { return text.size() == 2 ? text : QLatin1Char('0') + text; };
    return padded(hours) + QLatin1Char(':') + padded(minutes);
}

QTime defaultSleepTime(const QTime &now)
{
    const int minutes = (now.hour() * 60 + now.minute()) / 15 * 15 + 15;
    const QTime next(minutes / 60 % 24, minutes % 60);
    return next == QTime(0, 0) ? QTime(0, 15) : next;
}

bool sleepTimePassedToday(const QString &sleepZeit, const QTime &now)
{
    const QTime chosen = QTime::fromString(sleepZeit, QStringLiteral("HH:mm"));
    return chosen.isValid() && sleepZeit != kNoSleepTime && chosen <= QTime(now.hour(), now.minute());
}

double fadeRunTime(double secondsLeftInTrack)
{
    if (secondsLeftInTrack < 0)
        return 0.0;
    return std::min(secondsLeftInTrack, kLongestFadeTrack);
}

double fadeVolume(double userVolume, double secondsLeft)
{
    if (secondsLeft >= kFadeSeconds)
        return userVolume;
    if (secondsLeft <= 0)
        return 0.0;
    const double share = secondsLeft / kFadeSeconds;
    return userVolume * share * share;
}

} // namespace klangtruhe
