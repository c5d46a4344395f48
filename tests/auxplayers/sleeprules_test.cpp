#include "auxplayers/sleeprules.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(SleepRules, MinuteReachedAroundMidnight)
{
    EXPECT_EQ(timeOfDayText(QTime(7, 5, 3)), "07:05:03");

    EXPECT_TRUE(sleepTimeReached("07:05:00", "07:05"));
    EXPECT_TRUE(sleepTimeReached("07:05:59", "07:05"));
    EXPECT_FALSE(sleepTimeReached("07:04:59", "07:05"));
    EXPECT_FALSE(sleepTimeReached("07:06:00", "07:05"));
    // Just after midnight the clock reads 00, never 24.
    EXPECT_TRUE(sleepTimeReached(timeOfDayText(QTime(0, 1, 5)), "00:01"));
    EXPECT_FALSE(sleepTimeReached(timeOfDayText(QTime(0, 0, 5)), "24:00"));
    EXPECT_FALSE(sleepTimeReached(timeOfDayText(QTime(23, 59, 55)), "00:00:"));
    EXPECT_FALSE(sleepTimeReached(timeOfDayText(QTime(12, 59, 55)), "12:60"));
}

TEST(SleepRules, FieldNumbersAndNotices)
{
    EXPECT_EQ(sleepFieldNotice(0, "24"), "");
    EXPECT_EQ(sleepFieldNotice(0, "25"), "Stunden 00-24");
    EXPECT_EQ(sleepFieldNotice(0, "xy"), "");
    EXPECT_EQ(sleepFieldNotice(1, "60"), "");
    EXPECT_EQ(sleepFieldNotice(1, "61"), "Minuten 00-60");
    EXPECT_EQ(sleepFieldNotice(1, "-5"), "Minuten 00-60");
}

TEST(SleepRules, ConfirmedTimeAndKeyPairs)
{
    EXPECT_EQ(confirmedSleepTime("7", "5"), "07:05");
    // Only one "0" goes in front, also of an empty field.
    EXPECT_EQ(confirmedSleepTime("", "05"), "0:05");

    TwoKeyCounter keys;
    EXPECT_FALSE(keys.press());
    EXPECT_TRUE(keys.press());
    EXPECT_FALSE(keys.press()) << "counts afresh after two";
}

TEST(SleepRules, OfferedTimeLiesAheadAndPassedTimesAreKnown)
{
    const struct {
        QTime now;
        QTime offered;
    } offers[] = {{QTime(22, 30, 15), QTime(22, 45)}, {QTime(22, 44, 59), QTime(22, 45)},
                  {QTime(22, 45, 0), QTime(23, 0)},  {QTime(23, 50, 0), QTime(0, 15)}};
    for (const auto &o : offers)
        EXPECT_EQ(defaultSleepTime(o.now), o.offered) << o.now.toString().toStdString();

    const QTime now(22, 30, 15);
    EXPECT_TRUE(sleepTimePassedToday("22:30", now)) << "the running minute would fire at once";
    EXPECT_FALSE(sleepTimePassedToday("22:31", now));
    EXPECT_FALSE(sleepTimePassedToday("24:00", now));
    EXPECT_FALSE(sleepTimePassedToday("12:60", now));
    EXPECT_FALSE(sleepTimePassedToday("00:00", now)) << "no time at all";
}

TEST(SleepRules, TheFadeRunsToTheTracksEndAtMostTenMinutesAndFallsToSilence)
{
    EXPECT_EQ(fadeRunTime(-1), 0.0);  // nothing plays: the end comes at once
    EXPECT_EQ(fadeRunTime(95.5), 95.5);
    EXPECT_EQ(fadeRunTime(3600), 600.0);

    const struct {
        double left, level;
    } curve[] = {{600, 0.8}, {30, 0.8}, {15, 0.2}, {3, 0.008}, {0, 0}, {-2, 0}};
    for (const auto &point : curve)
        EXPECT_NEAR(fadeVolume(0.8, point.left), point.level, 1e-9) << point.left;
    double previous = 1.0;
    for (double left = 31; left >= -1; left -= 0.25) {
        const double level = fadeVolume(1.0, left);
        EXPECT_LE(level, previous) << left;
        previous = level;
    }
}
