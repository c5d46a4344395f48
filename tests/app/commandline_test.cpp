#include "app/startup.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(CommandLine, TheArgumentIsAWaitInSecondsAndAskForAutomaticPlay)
{
    EXPECT_FALSE(parseCommandLine({}).present);
    EXPECT_EQ(parseCommandLine({QStringLiteral("5")}).waitSeconds, 5);
    EXPECT_EQ(parseCommandLine({QStringLiteral("\"5\"")}).waitSeconds, 5);
    const CommandLine text = parseCommandLine({QStringLiteral("x")});
    EXPECT_TRUE(text.present);
    EXPECT_EQ(text.waitSeconds, 0);
    EXPECT_EQ(parseCommandLine({QStringLiteral("-4")}).waitSeconds, 0);
    EXPECT_EQ(parseCommandLine({QStringLiteral("0.5")}).waitSeconds, 0.5);
}
