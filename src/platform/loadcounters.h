#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace klangtruhe {

// Processor times summed over all processors, in whatever unit the system
// counts (clock ticks on Linux, 100 ns on Windows).
struct CpuTimes {
    quint64 busy = 0;
    quint64 total = 0;
    bool valid = false;
};

// The "cpu" line of /proc/stat: user nice system idle iowait irq softirq steal
// (guest time is already part of user time). Idle and iowait count as idle.
CpuTimes parseProcStat(const QByteArray &procStat);

// Busy share in percent between two readings; -1 when either is invalid or no
// time has passed (a counter reset counts as no time).
double cpuPercentBetween(const CpuTimes &before, const CpuTimes &after);

// Memory in use in percent from /proc/meminfo: (MemTotal − MemAvailable) of
// MemTotal; -1 when either line is missing.
double memoryPercentFromMeminfo(const QByteArray &meminfo);

} // namespace klangtruhe
