// What the sheets show and where: the game draws group 0 from the bottom row of a sheet,
// shows cells drawn without their flip switch upside down, and cuts animations into frames.
// These tests catch a sheet stored the wrong way up or with its animations in the wrong rows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "assets/asset_files.h"

namespace {

struct Sheet {
    DecodedImage image;
    int groups = 1;
    int frames = 1;
    int cw() const { return image.width / frames; }
    int ch() const { return image.height / groups; }
};

Sheet load_sheet(const std::string& spr) {
    Sheet s;
    ParamFile file = archive_params(spr);
    s.groups = ParamFile::to_int(file.get("groups", "1"));
    s.frames = ParamFile::to_int(file.get("frames", "1"));
    EXPECT_TRUE(archive_tga(file.get("file_name", "0"), s.image)) << spr;
    return s;
}

// Lowest and highest stored rows (0 = bottom of the cell) holding ink in one cell.
std::pair<int, int> ink_rows(const Sheet& s, int f, int g) {
    int low = -1, high = -1;
    for (int y = 0; y < s.ch(); ++y) {
        for (int x = 0; x < s.cw(); ++x) {
            if (alpha_at(s.image, f * s.cw() + x, g * s.ch() + y) > 16) {
                if (low < 0) {
                    low = y;
                }
                high = y;
                break;
            }
        }
    }
    return {low, high};
}

// How far two cells differ when one is mirrored left to right (mean alpha difference).
double mirror_difference(const Sheet& s, int f1, int g1, int f2, int g2) {
    long diff = 0;
    for (int y = 0; y < s.ch(); ++y) {
        for (int x = 0; x < s.cw(); ++x) {
            int a = alpha_at(s.image, f1 * s.cw() + x, g1 * s.ch() + y);
            int b = alpha_at(s.image, f2 * s.cw() + (s.cw() - 1 - x), g2 * s.ch() + y);
            diff += std::abs(a - b);
        }
    }
    return static_cast<double>(diff) / (s.cw() * s.ch());
}

// Mean difference over all four channels of two cells.
double difference(const Sheet& s, int f1, int g1, int f2, int g2) {
    long diff = 0;
    for (int y = 0; y < s.ch(); ++y) {
        for (int x = 0; x < s.cw(); ++x) {
            size_t a = (static_cast<size_t>(g1 * s.ch() + y) * s.image.width + f1 * s.cw() + x) * 4;
            size_t b = (static_cast<size_t>(g2 * s.ch() + y) * s.image.width + f2 * s.cw() + x) * 4;
            for (int k = 0; k < 4; ++k) {
                diff += std::abs(s.image.pixels[a + k] - s.image.pixels[b + k]);
            }
        }
    }
    return static_cast<double>(diff) / (s.cw() * s.ch());
}

// Share of a cell's pixels that are (nearly) opaque.
double opaque_share(const Sheet& s, int f, int g) {
    int opaque = 0;
    for (int y = 0; y < s.ch(); ++y) {
        for (int x = 0; x < s.cw(); ++x) {
            opaque += alpha_at(s.image, f * s.cw() + x, g * s.ch() + y) >= 192;
        }
    }
    return static_cast<double>(opaque) / (s.cw() * s.ch());
}

TEST(RunnerSheet, AnimationsSitInTheRowsOfTheRunnerStates) {
    Sheet s = load_sheet("dat/p_1.spr");
    ASSERT_EQ(s.groups, 8);
    ASSERT_GE(s.frames, 4);
    for (int f = 0; f < s.frames; ++f) {
        // Running left is running right mirrored, and hanging left is hanging right mirrored;
        // anything else means the groups are out of order.
        EXPECT_LT(mirror_difference(s, f, 2, f, 1), 3.0) << "frame " << f;
        EXPECT_LT(mirror_difference(s, f, 7, f, 6), 3.0) << "frame " << f;
        EXPECT_GT(mirror_difference(s, f, 1, f, 1), 3.0) << "the run must face one way";
        // Climbing down plays climbing up backwards.
        int back = (s.frames - f) % s.frames;
        EXPECT_LT(difference(s, f, 5, back, 4), 3.0) << "frame " << f;
    }
    // The animations move: a quarter of a cycle on, the picture differs.
    for (int g = 1; g < 8; ++g) {
        EXPECT_GT(difference(s, 0, g, s.frames / 4, g), 8.0) << "group " << g << " stands still";
    }
}

TEST(RunnerSheet, TheRunnerStandsOnTheBottomOfItsPicture) {
    // The runner is drawn flipped, so the stored picture is upright: feet in the lowest rows.
    Sheet s = load_sheet("dat/p_1.spr");
    for (int g : {0, 1, 2, 4}) {
        for (int f = 0; f < s.frames; ++f) {
            auto rows = ink_rows(s, f, g);
            EXPECT_LE(rows.first, 4) << "group " << g << " frame " << f << " floats";
            EXPECT_LT(rows.second, s.ch() - 1) << "group " << g << " frame " << f;
        }
    }
}

TEST(SkinSheets, TheDigRunsFromTheWholeBrickToAnOpenHole) {
    int skins = ParamFile::to_int(archive_params("dat/param.txt").get("m_skins_count", "0"));
    for (int k = 1; k <= skins; ++k) {
        Sheet s = load_sheet("dat/s" + std::to_string(k) + "/g_1.spr");
        ASSERT_GE(s.frames, 8);
        long full = 255L * s.cw() * s.ch();
        EXPECT_EQ(cell_alpha(s.image, s.frames, 1, 0, 0), full) << "skin " << k;
        long last = cell_alpha(s.image, s.frames, 1, s.frames - 1, 0);
        // The open hole may be shaded, but the backdrop must show through it.
        EXPECT_LT(opaque_share(s, s.frames - 1, 0), 0.15) << "skin " << k << ": not open";
        EXPECT_LT(opaque_share(s, s.frames / 2, 0), 0.9) << "skin " << k;
        long middle = cell_alpha(s.image, s.frames, 1, s.frames / 2, 0);
        EXPECT_LT(middle, full) << "skin " << k;
        EXPECT_GT(middle, last) << "skin " << k;
        // Bricks are drawn without the flip switch, so the screen's top is the stored bottom:
        // what is left of the brick in the open hole lies at the bottom of the screen cell.
        long screen_top = cell_alpha(s.image, s.frames, 1, s.frames - 1, 0, 0, s.ch() / 2);
        long screen_bottom = cell_alpha(s.image, s.frames, 1, s.frames - 1, 0, s.ch() / 2);
        EXPECT_GT(screen_bottom, screen_top) << "skin " << k << " is stored the wrong way up";
    }
}

TEST(SkinSheets, RopesHangNearTheTopOfTheirCell) {
    // Ropes are drawn flipped (the stored picture is upright): the rope line is in the upper
    // stored rows, where the hanging runner's hands are.
    int skins = ParamFile::to_int(archive_params("dat/param.txt").get("m_skins_count", "0"));
    for (int k = 1; k <= skins; ++k) {
        Sheet s = load_sheet("dat/s" + std::to_string(k) + "/g_4.spr");
        long upper = cell_alpha(s.image, s.frames, s.groups, 0, 0, s.ch() / 2);
        long lower = cell_alpha(s.image, s.frames, s.groups, 0, 0, 0, s.ch() / 2);
        EXPECT_GT(upper, 0) << "skin " << k;
        EXPECT_EQ(lower, 0) << "skin " << k;
    }
}

}  // namespace
