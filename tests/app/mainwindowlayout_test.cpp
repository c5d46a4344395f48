#include "app/mainwindowlayout.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(MainWindowLayout, FollowsTheWindowSizeAtSeveralSizes)
{
    struct Size {
        double width, height;
    };
    for (const Size size : {Size{15000, 9800}, Size{19200, 12000}, Size{28800, 16200}}) {
        const MainWindowGeometry g = mainWindowGeometry(QSizeF(size.width, size.height), 330, {3600, 20});
        // The table reaches 100 twips before the right edge and the status bar at the bottom.
        EXPECT_DOUBLE_EQ(g.grid.right(), size.width - 100);
        EXPECT_DOUBLE_EQ(g.grid.bottom(), size.height - 330);
        // The title strip ends where the right-aligned button begins.
        EXPECT_DOUBLE_EQ(g.playAsso.right(), size.width);
        EXPECT_DOUBLE_EQ(g.titleStrip.right(), g.playAsso.left());
        // Track list and quick search share their width; the stars end where the list ends.
        EXPECT_DOUBLE_EQ(g.trackList.right(), size.width - 100);
        EXPECT_DOUBLE_EQ(g.quickSearch.width(), g.trackList.width());
        EXPECT_GT(g.quickSearch.top(), g.trackList.bottom());
        EXPECT_DOUBLE_EQ(g.trackStars.right(), g.trackList.right());
        EXPECT_TRUE(g.trackStarsVisible);
        // The lyrics box keeps 1700 twips to the right and 620 to the bottom.
        EXPECT_DOUBLE_EQ(g.songText.right(), size.width - 1700);
        EXPECT_DOUBLE_EQ(g.songText.bottom(), size.height - 620);
    }
}

TEST(MainWindowLayout, NarrowWindowsHideTheTrackStarsAndGiveInvalidSizes)
{
    const MainWindowGeometry wide = mainWindowGeometry(QSizeF(12880 + 100 + 1840, 9000), 300);
    EXPECT_TRUE(wide.trackStarsVisible) << "20 twips narrower than the stars still shows them";
    const MainWindowGeometry narrow = mainWindowGeometry(QSizeF(12880 + 100 + 1839, 9000), 300);
    EXPECT_FALSE(narrow.trackStarsVisible);
    const MainWindowGeometry tiny = mainWindowGeometry(QSizeF(500, 500), 300);
    EXPECT_LT(tiny.grid.width(), 0);
    EXPECT_LT(tiny.grid.height(), 0);
}
