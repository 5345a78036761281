// Every dialog drawn on a real GL context, checked by reading a few pixels back.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gfx/view.h"
#include "storage/score_table.h"
#include "support/dialog_test_app.h"
#include "support/gl_test_context.h"
#include "support/test_images.h"
#include "ui/custom_game_dialog.h"
#include "ui/game_over_dialog.h"
#include "ui/help_dialog.h"
#include "ui/new_game_dialog.h"
#include "ui/options_dialog.h"
#include "ui/top7_dialog.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;

// The test resources paint every picture in this colour.
constexpr int kPicture[3] = {40, 160, 90};

bool near(const Pixel& p, int r, int g, int b, int tolerance = 24) {
    return std::abs(p[0] - r) <= tolerance && std::abs(p[1] - g) <= tolerance &&
           std::abs(p[2] - b) <= tolerance;
}

// A picture of four bands, bottom band first (band 1 is the bottom of the picture).
Bytes banded_tga(const std::uint8_t (&bands)[4][3]) {
    const int w = 16, h = 32;
    Bytes pixels;
    for (int row = 0; row < h; ++row) {
        const auto& c = bands[row / 8];
        for (int x = 0; x < w; ++x) {
            pixels.insert(pixels.end(), {c[2], c[1], c[0], 255});
        }
    }
    return make_tga(w, h, 32, pixels);
}

class DialogsDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(nullptr, std::getenv("DISPLAY")) << "display tests run under xvfb-run";
        ASSERT_TRUE(gl.create(800, 600));
        test = std::make_unique<DialogTestApp>(3, "First line\rSecond line\rThird line");
    }
    void begin_frame() {
        test->app.view.setup_ortho(gl.width(), gl.height());
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    // Pixels in the rectangle (window pixels, y from the top) that look like the yellow text.
    int yellow_pixels(int x0, int y0, int x1, int y1) const {
        const int w = x1 - x0, h = y1 - y0;
        std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x0, gl.height() - y1, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int n = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            n += rgba[i] > 120 && rgba[i + 1] > 150 && rgba[i + 2] < 80;
        }
        return n;
    }
    void replace_picture(Texture& texture, const Bytes& tga) {
        ASSERT_TRUE(texture.load_memory(tga.data(), tga.size(), false, false));
    }
    GlTestContext gl;
    std::unique_ptr<DialogTestApp> test;
};

TEST_F(DialogsDisplay, NewGameDialogHalfShadesTheScreenBehindItsPicture) {
    NewGameDialog dialog(test->app);
    dialog.set_position(100, 150);
    dialog.set_size(400, 250);
    begin_frame();
    dialog.draw();
    EXPECT_TRUE(near(gl.pixel(20, 20), 128, 128, 128, 4));
    EXPECT_TRUE(near(gl.pixel(700, 500), 128, 128, 128, 4));
    EXPECT_TRUE(near(gl.pixel(110, 380), kPicture[0], kPicture[1], kPicture[2]));
    // "Start New Game?" with its baseline 90 below the dialog's top.
    EXPECT_GT(yellow_pixels(140, 205, 400, 240), 20);
    EXPECT_EQ(yellow_pixels(110, 300, 500, 390), 0);
}

TEST_F(DialogsDisplay, CustomGameDialogShowsTheLevelBoxOnlyForACustomLevel) {
    const std::uint8_t red[4] = {230, 20, 20, 255};
    replace_picture(test->app.resources->m_enter_level_num_editbox,
                    make_split_tga(32, 32, 32, red, red));
    for (int type = 0; type < 2; ++type) {
        test->app.config.m_custom_type_game = type;
        CustomGameDialog dialog(test->app);
        dialog.set_position(50, 50);
        dialog.set_size(600, 450);
        begin_frame();
        dialog.draw();
        SCOPED_TRACE(type == 0 ? "custom" : "random");
        // The level box at (300, 100) in the dialog, 32 wide and 16 high once drawn.
        EXPECT_EQ(near(gl.pixel(50 + 310, 50 + 108), 230, 20, 20), type == 0);
        // "Level's Number (1..75)" sits on the box's top edge.
        EXPECT_EQ(yellow_pixels(350, 130, 600, 150) > 0, type == 0);
        // "Custom" beside its radio, always.
        EXPECT_GT(yellow_pixels(110, 130, 250, 175), 0);
    }
}

TEST_F(DialogsDisplay, OptionsDialogVolumeBarShowsTheVolumeStep) {
    const std::uint8_t bands[4][3] = {{0, 0, 220}, {0, 0, 120}, {220, 0, 0}, {120, 0, 0}};
    replace_picture(test->app.resources->m_radio_btn, banded_tga(bands));
    test->app.m_music_volume = 2;
    OptionsDialog dialog(test->app);
    dialog.set_position(0, 0);
    dialog.set_size(800, 600);
    begin_frame();
    dialog.draw();
    // Box i at (150 + 35 i, 495), 16 x 8 once drawn; boxes 0..2 on (red), the rest off (blue).
    for (int i = 0; i < OptionsDialog::kVolumeSteps; ++i) {
        const Pixel p = gl.pixel(150 + 35 * i + 8, 499);
        if (i <= 2) {
            EXPECT_TRUE(near(p, 220, 0, 0)) << i;
        } else {
            EXPECT_TRUE(near(p, 0, 0, 220)) << i;
        }
    }
    // The options picture covers the rest; the skin preview sprites have the picture colour.
    EXPECT_TRUE(near(gl.pixel(300, 560), kPicture[0], kPicture[1], kPicture[2]));
}

TEST_F(DialogsDisplay, GameOverDialogCoversTheScreenAndAsksForANameOnlyForAPlace) {
    for (int score : {0, 500}) {
        GameOverDialog dialog(test->app, score, 0);
        dialog.set_screen_size(800, 600);
        dialog.set_shade(true);
        dialog.set_background(false);
        begin_frame();
        dialog.draw();
        SCOPED_TRACE(score);
        EXPECT_TRUE(near(gl.pixel(5, 5), kPicture[0], kPicture[1], kPicture[2]));
        EXPECT_TRUE(near(gl.pixel(795, 595), kPicture[0], kPicture[1], kPicture[2]));
        EXPECT_GT(yellow_pixels(220, 65, 500, 100), 20);  // "Game Over !"
        EXPECT_GT(yellow_pixels(240, 180, 500, 200), 0);  // the score
        EXPECT_EQ(yellow_pixels(250, 280, 500, 300) > 0, score > 0);
    }
}

TEST_F(DialogsDisplay, Top7DialogDrawsOneRowPerEntry) {
    test->app.config.m_scores[0].insert("Ann", 900);
    test->app.config.m_scores[0].insert("Bo", 800);
    Top7Dialog dialog(test->app, 0);
    begin_frame();
    dialog.draw();
    EXPECT_TRUE(near(gl.pixel(400, 590), kPicture[0], kPicture[1], kPicture[2]));
    EXPECT_GT(yellow_pixels(20, 40, 200, 70), 0);     // "Top 7"
    EXPECT_GT(yellow_pixels(100, 120, 300, 150), 0);  // row 0 name
    EXPECT_GT(yellow_pixels(560, 180, 700, 210), 0);  // row 1 score
    EXPECT_EQ(yellow_pixels(100, 240, 700, 270), 0);  // no row 2
}

TEST_F(DialogsDisplay, HelpDialogDrawsTheTextFromItsFirstLine) {
    HelpDialog dialog(test->app);
    dialog.set_position(20, 10);
    dialog.set_size(760, 580);
    begin_frame();
    dialog.draw();
    EXPECT_TRUE(near(gl.pixel(30, 570), kPicture[0], kPicture[1], kPicture[2]));
    // Three lines at baselines 120, 145, 170 (dialog coordinates), none at 195.
    EXPECT_GT(yellow_pixels(80, 10 + 100, 300, 10 + 120), 0);
    EXPECT_GT(yellow_pixels(80, 10 + 150, 300, 10 + 170), 0);
    EXPECT_EQ(yellow_pixels(80, 10 + 175, 300, 10 + 195), 0);
}

}  // namespace
