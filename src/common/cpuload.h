#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace klangtruhe {

class Platform;
struct LoadReading;

// The processor load as a moving average over the last StackSize readings
// (five by default). Readings are whole percent; the average is rounded to
// the nearest whole number, halves to even.
class clsCPULoad {
public:
    clsCPULoad();

    // The averaged load after taking this reading into account. A reading the
    // counters could not give (negative) answers 0 and leaves the history alone.
    long Value(const LoadReading &reading);
    // Adds a reading in percent and returns the new average.
    long push(long reading);

    long StackSize() const { return long(m_history.size()); }
    // A new length empties the history.
    void setStackSize(long size);

    long lastAverage() const { return m_lastAverage; }

private:
    std::vector<long> m_history;
    long m_count = 0;
    long m_sum = 0;
    long m_lastAverage = 0;
};

// What the main window's Timer4 shows in status panels 4 and 5 once a second.
// The processor history starts with the first tick.
class LoadDisplay {
public:
    explicit LoadDisplay(Platform &platform);
    ~LoadDisplay();

    // Reads the counters once and updates both texts.
    void tick();
    QString cpuText() const { return m_cpuText; }
    QString ramText() const { return m_ramText; }

private:
    Platform &m_platform;
    std::unique_ptr<clsCPULoad> m_cpuLoad;
    QString m_cpuText = QStringLiteral("CPU 0 %");
    QString m_ramText = QStringLiteral("RAM 0 %");
};

// "CPU 12 %", "RAM 48 %".
QString cpuPanelText(long percent);
QString ramPanelText(long percent);

} // namespace klangtruhe
