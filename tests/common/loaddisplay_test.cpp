#include "common/cpuload.h"
#include "platform/loadcounters.h"
#include "support/recordingplatform.h"

#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {
LoadReading processor(double percent)
{
    LoadReading reading;
    reading.processorPercent = percent;
    return reading;
}
} // namespace

TEST(CpuLoad, MovingAverageOverFiveReadingsRoundedHalfToEven)
{
    clsCPULoad load;
    EXPECT_EQ(load.StackSize(), 5);
    std::vector<long> averages;
    for (double reading : {10, 20, 30, 40, 50, 60})
        averages.push_back(load.Value(processor(reading)));
    EXPECT_EQ(averages, (std::vector<long>{10, 15, 20, 25, 30, 40}));

    clsCPULoad even;
    even.push(2);
    EXPECT_EQ(even.push(3), 2); // 2.5 -> 2, halves go to the even number

    // A reading taken at 12.5 % enters the history as 12.
    clsCPULoad rounded;
    EXPECT_EQ(rounded.Value(processor(12.5)), 12);
}

TEST(CpuLoad, InvalidReadingShowsZeroWithoutEnteringTheHistory)
{
    clsCPULoad load;
    load.Value(processor(40));
    EXPECT_EQ(load.Value(processor(-1)), 0);
    EXPECT_EQ(load.Value(processor(20)), 30); // (40 + 20) / 2: the failed second is not counted

    load.setStackSize(2);
    EXPECT_EQ(load.StackSize(), 2);
    EXPECT_EQ(load.push(90), 90); // a new length starts a new history
    EXPECT_EQ(load.push(10), 50);
    EXPECT_EQ(load.push(30), 20);
}

TEST(LoadDisplay, PanelTextsFromThePlatformReading)
{
    RecordingPlatform platform;
    LoadDisplay display(platform);
    platform.load.processorPercent = 33.4;
    platform.load.memoryPercent = 47.5;
    display.tick();
    EXPECT_EQ(display.cpuText(), QStringLiteral("CPU 33 %"));
    EXPECT_EQ(display.ramText(), QStringLiteral("RAM 48 %"));

    platform.load = LoadReading{}; // counters that cannot be read
    display.tick();
    EXPECT_EQ(display.cpuText(), QStringLiteral("CPU 0 %"));
    EXPECT_EQ(display.ramText(), QStringLiteral("RAM 0 %"));
}

TEST(LoadCounters, ProcStatAndMeminfo)
{
    const CpuTimes before = parseProcStat("cpu  100 0 100 700 100 0 0 0 0 0\ncpu0 50 0 50 350 50 0 0 0 0 0\n");
    ASSERT_TRUE(before.valid);
    EXPECT_EQ(before.total, 1000u);
    EXPECT_EQ(before.busy, 200u);
    const CpuTimes after = parseProcStat("cpu  250 10 140 1300 100 0 0 0 0 0\n");
    EXPECT_DOUBLE_EQ(cpuPercentBetween(before, after), 25.0); // 200 busy of 800
    EXPECT_EQ(cpuPercentBetween(after, after), -1);          // no time passed
    EXPECT_EQ(cpuPercentBetween(after, before), -1);         // counters went back
    EXPECT_FALSE(parseProcStat("intr 1 2 3\n").valid);
    EXPECT_FALSE(parseProcStat("cpu  1 2 x 4\n").valid);
    EXPECT_TRUE(parseProcStat("cpu 1 2 3 4\n").valid); // old kernels give four fields

    EXPECT_DOUBLE_EQ(memoryPercentFromMeminfo("MemTotal:       1000 kB\nMemFree: 100 kB\nMemAvailable:    250 kB\n"),
                     75.0);
    EXPECT_EQ(memoryPercentFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\n"), -1);
    EXPECT_EQ(memoryPercentFromMeminfo("MemTotal: 0 kB\nMemAvailable: 0 kB\n"), -1);
}

TEST(LoadCounters, TheSystemGivesReadingsWithinRange)
{
    auto platform = createSystemPlatform();
    const LoadReading reading = platform->readLoad();
#ifdef Q_OS_LINUX
    EXPECT_GE(reading.memoryPercent, 0);
    EXPECT_LE(reading.memoryPercent, 100);
#endif
    EXPECT_LE(reading.processorPercent, 100);
}
