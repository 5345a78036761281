// The fit of the 800x600 picture into drawables of other sizes, and mouse points through it.

#include <gtest/gtest.h>

#include "platform/letterbox.h"

namespace {

TEST(Letterbox, ThePictureIsScaledByOneFactorAndCentred) {
    const struct {
        int dw, dh, x, y, w, h;
    } cases[] = {
        {800, 600, 0, 0, 800, 600},     {1920, 1080, 240, 0, 1440, 1080},
        {1280, 720, 160, 0, 960, 720},  {1280, 1024, 0, 32, 1280, 960},
        {1600, 1200, 0, 0, 1600, 1200}, {0, 600, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const Letterbox box = fit_picture(c.dw, c.dh, 800, 600);
        EXPECT_EQ(box.x, c.x) << c.dw << "x" << c.dh;
        EXPECT_EQ(box.y, c.y) << c.dw << "x" << c.dh;
        EXPECT_EQ(box.width, c.w) << c.dw << "x" << c.dh;
        EXPECT_EQ(box.height, c.h) << c.dw << "x" << c.dh;
    }
    // GL counts viewport rows from the bottom.
    int vx = 0, vy = 0;
    letterbox_viewport(fit_picture(1280, 1024, 800, 600), 1024, vx, vy);
    EXPECT_EQ(vx, 0);
    EXPECT_EQ(vy, 32);
}

TEST(Letterbox, PointsMapThroughTheSameFitAndBarsHitNothing) {
    const Letterbox wide = fit_picture(1920, 1080, 800, 600);
    int lx = 0, ly = 0;
    EXPECT_TRUE(window_to_logical(wide, 1920, 1080, 1920, 1080, 800, 600, 960, 540, lx, ly));
    EXPECT_EQ(lx, 400);
    EXPECT_EQ(ly, 300);
    EXPECT_FALSE(window_to_logical(wide, 1920, 1080, 1920, 1080, 800, 600, 150, 288, lx, ly));
    EXPECT_EQ(lx, kOffPicture);
    EXPECT_FALSE(window_to_logical(wide, 1920, 1080, 1920, 1080, 800, 600, 1680, 500, lx, ly));
    // A high-density window: 800x600 in window units, 1600x1200 drawable pixels.
    const Letterbox dense = fit_picture(1600, 1200, 800, 600);
    EXPECT_TRUE(window_to_logical(dense, 800, 600, 1600, 1200, 800, 600, 799, 10, lx, ly));
    EXPECT_EQ(lx, 799);
    EXPECT_EQ(ly, 10);
    // Back again lands on the same logical unit.
    int x = 0, y = 0;
    logical_to_window(wide, 1920, 1080, 1920, 1080, 800, 600, 123, 456, x, y);
    EXPECT_TRUE(window_to_logical(wide, 1920, 1080, 1920, 1080, 800, 600, x, y, lx, ly));
    EXPECT_EQ(lx, 123);
    EXPECT_EQ(ly, 456);
}

}  // namespace
