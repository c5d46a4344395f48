#include "platform/loadcounters.h"

#include <QList>
#include <algorithm>

namespace klangtruhe {

CpuTimes parseProcStat(const QByteArray &procStat)
{
    CpuTimes times;
    for (const QByteArray &line : procStat.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.isEmpty() || fields.first() != "cpu")
            continue;
        // user nice system idle [iowait irq softirq steal]; older kernels give fewer.
        if (fields.size() < 5)
            return times;
        quint64 values[8] = {};
        const int count = std::min<int>(8, int(fields.size()) - 1);
        for (int i = 0; i < count; ++i) {
            bool ok = false;
            values[i] = fields.at(i + 1).toULongLong(&ok);
            if (!ok)
                return times;
        }
        quint64 total = 0;
        for (quint64 value : values)
            total += value;
        const quint64 idle = values[3] + values[4];
        times.total = total;
        times.busy = total - idle;
        times.valid = true;
        return times;
    }
    return times;
}

double cpuPercentBetween(const CpuTimes &before, const CpuTimes &after)
{
    if (!before.valid || !after.valid || after.total <= before.total || after.busy < before.busy)
        return -1;
    const double busy = double(after.busy - before.busy);
    const double total = double(after.total - before.total);
    return std::clamp(100.0 * busy / total, 0.0, 100.0);
}

double memoryPercentFromMeminfo(const QByteArray &meminfo)
{
    qint64 total = -1;
    qint64 available = -1;
    for (const QByteArray &line : meminfo.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        bool ok = false;
        const qint64 value = fields.at(1).toLongLong(&ok);
        if (!ok)
            continue;
        if (fields.first() == "MemTotal:")
            total = value;
        else if (fields.first() == "MemAvailable:")
            available = value;
    }
    if (total <= 0 || available < 0 || available > total)
        return -1;
    return 100.0 * double(total - available) / double(total);
}

} // namespace klangtruhe
