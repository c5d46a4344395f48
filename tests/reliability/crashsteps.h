#pragma once

// What the crash worker has stored after step n, for each kind of write. The
// worker performs step after step and acknowledges each one once it returned;
// after a kill the files must show the state of the last acknowledged step or
// of the one after it — nothing older, nothing in between.

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

namespace klangtruhe::test::crash {

inline constexpr int kEntries = 5; // catalogue rows the edits go round

// The Info text that step n stores in entry n % kEntries.
inline QString editText(int step)
{
    return QStringLiteral("Stand %1 – Änderung mit etwas Länge, damit Seiten geschrieben werden. ").arg(step).repeated(8);
}

// Each entry's Info after step n ("" where no step has touched it yet).
inline QMap<int, QString> catalogueState(int step)
{
    QMap<int, QString> state;
    for (int entry = 0; entry < kEntries; ++entry)
        state[entry] = QString();
    for (int k = 1; k <= step; ++k)
        state[k % kEntries] = editText(k);
    return state;
}

inline QString playlistLine(int step)
{
    return QStringLiteral("D:\\Musik\\Band %1\\Lied Nummer %1 – Größe.mp3").arg(step);
}

// Steps add a line; every third removes the oldest line instead.
inline bool isRemoval(int step) { return step % 3 == 0; }

inline QStringList playlistState(int step)
{
    QStringList lines;
    for (int k = 1; k <= step; ++k) {
        if (isRemoval(k)) {
            if (!lines.isEmpty())
                lines.removeFirst();
        } else {
            lines << playlistLine(k);
        }
    }
    return lines;
}

// The exclusion list of step n: ten styles that move on with every step.
inline QStringList exclusionState(int step)
{
    QStringList styles;
    for (int k = qMax(1, step - 9); k <= step; ++k)
        styles << QStringLiteral("Stilrichtung %1 (Übersicht)").arg(k);
    return styles;
}

inline QString settingValue(int step) { return QStringLiteral("Wert %1").arg(step); }

// The time the backup of step n is named by.
inline QDateTime backupTime(int step) { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)).addDays(step); }

} // namespace klangtruhe::test::crash
