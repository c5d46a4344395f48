#include "player/abloop.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(AbLoop, MarksAThenBThenEnds)
{
    AbLoop loop;
    EXPECT_EQ(loop.visibleButton(), AbLoop::SetA);
    loop.click(12.4);
    EXPECT_EQ(loop.visibleButton(), AbLoop::SetB);
    EXPECT_EQ(loop.posA(), 12);
    EXPECT_FALSE(loop.tick(99.0));

    loop.click(20.6);
    EXPECT_EQ(loop.visibleButton(), AbLoop::Exit);
    EXPECT_EQ(loop.posB(), 21);
    EXPECT_TRUE(loop.timerRunning());
    EXPECT_FALSE(loop.tick(20.9));
    EXPECT_EQ(loop.tick(21.0), 12);

    loop.click(15.0);
    EXPECT_EQ(loop.visibleButton(), AbLoop::SetA);
    EXPECT_FALSE(loop.tick(30.0));

    // A change of track ends any loop.
    loop.click(3.0);
    loop.click(5.0);
    loop.clear();
    EXPECT_EQ(loop.visibleButton(), AbLoop::SetA);
    EXPECT_FALSE(loop.timerRunning());
    EXPECT_FALSE(loop.posAGesetzt());
}

TEST(AbLoop, AMarkedNearTheStartCannotBeEnded)
{
    AbLoop loop;
    loop.click(0.4);
    EXPECT_EQ(loop.posA(), 0);
    loop.click(8.0);
    EXPECT_EQ(loop.visibleButton(), AbLoop::Exit);
    EXPECT_EQ(loop.tick(8.2), 0) << "the loop runs back to the start";
    // PosA = 0 reads as "no loop": the third click marks a new A.
    loop.click(4.2);
    EXPECT_EQ(loop.visibleButton(), AbLoop::SetB);
    EXPECT_EQ(loop.posA(), 4);

    AbLoop half;
    half.click(0.5); // half a second rounds to even: 0
    EXPECT_EQ(half.posA(), 0);
}
