#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowGeometry, StoredPositionPastTheDesktopIsHalved) {
    int x = 900, y = 100;
    keep_on_desktop(1280, 1024, 800, 600, x, y);  // 1280 is not greater than 400 + 900
    EXPECT_EQ(x, 450);
    EXPECT_EQ(y, 100);

    x = 100;
    y = 800;
    keep_on_desktop(1280, 1024, 800, 600, x, y);  // 1024 is not greater than 300 + 800
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 400);

    x = 879;  // 400 + 879 = 1279 < 1280: stays
    y = 0;
    keep_on_desktop(1280, 1024, 800, 600, x, y);
    EXPECT_EQ(x, 879);
}

TEST(WindowGeometry, ZeroZeroCentresAndOtherPositionsStay) {
    int left = 0, top = 0;
    place_window(1024, 768, 800, 600, left, top);
    EXPECT_EQ(left, 112);
    EXPECT_EQ(top, 84);

    left = 0;
    top = 0;
    place_window(800, 600, 801, 601, left, top);  // toward zero, not floor
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);

    left = 0;
    top = 5;
    place_window(1024, 768, 800, 600, left, top);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 5);
}

// Two monitors side by side; a position on the one that is gone, or far off, comes back
// centred; one partly on a display stays where the player put it.
TEST(WindowGeometry, PositionOffEveryDisplayIsCentred) {
    const DisplayArea displays[] = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    const struct {
        int x, y, count;
        bool kept;
    } cases[] = {{2000, 300, 2, true},     {2000, 300, 1, false},    {5000, 4000, 2, false},
                 {-5000, -3000, 2, false}, {-700, 500, 2, true},     {-750, 500, 2, false},
                 {1200, 1000, 2, false},   {2147483000, 5, 2, false}};
    for (const auto& c : cases) {
        int x = c.x, y = c.y;
        keep_on_a_display(displays, c.count, 800, 600, x, y);
        EXPECT_EQ(x == c.x && y == c.y, c.kept) << c.x << "," << c.y;
        if (!c.kept) {
            EXPECT_EQ(x, 0);
            EXPECT_EQ(y, 0);
        }
    }
}

}  // namespace
