#include "common/cpuload.h"

#include "common/numbers.h"
#include "platform/platform.h"

#include <algorithm>

namespace klangtruhe {

clsCPULoad::clsCPULoad()
{
    setStackSize(5);
}

void clsCPULoad::setStackSize(long size)
{
    m_history.assign(std::size_t(std::max(1L, size)), 0);
    m_count = 0;
    m_sum = 0;
}

long clsCPULoad::push(long reading)
{
    const long last = StackSize() - 1;
    if (m_count <= last) {
        m_history[std::size_t(m_count)] = reading;
        m_sum += reading;
        ++m_count;
    } else {
        m_sum = m_sum - m_history.front() + reading;
        std::rotate(m_history.begin(), m_history.begin() + 1, m_history.end());
        m_history.back() = reading;
    }
    m_lastAverage = long(roundHalfEven(double(m_sum) / double(m_count)));
    return m_lastAverage;
}

long clsCPULoad::Value(const LoadReading &reading)
{
    if (!(reading.processorPercent >= 0))
        return 0;
    return push(long(roundHalfEven(reading.processorPercent)));
}

LoadDisplay::LoadDisplay(Platform &platform)
    : m_platform(platform)
{
}

LoadDisplay::~LoadDisplay() = default;

void LoadDisplay::tick()
{
    if (!m_cpuLoad)
        m_cpuLoad = std::make_unique<clsCPULoad>();
    const LoadReading reading = m_platform.readLoad();
    m_cpuText = cpuPanelText(m_cpuLoad->Value(reading));
    // Memory counters that cannot be read show 0 rather than a stale value.
    const long memory = reading.memoryPercent >= 0 ? long(roundHalfEven(reading.memoryPercent)) : 0;
    m_ramText = ramPanelText(memory);
}

QString cpuPanelText(long percent)
{
    return QStringLiteral("CPU ") + QString::number(short(percent)) + QStringLiteral(" %");
}

QString ramPanelText(long percent)
{
    return QStringLiteral("RAM ") + QString::number(percent) + QStringLiteral(" %");
}

} // namespace klangtruhe
