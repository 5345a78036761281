// Quads drawn through a QuadBatch reach the screen in the order they were added wherever that
// shows: a later quad covers an earlier one it overlaps, across changes of sheet and of
// blending, also when a sheet comes back after another.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdlib>

#include "gfx/quad_batch.h"
#include "gfx/tga_texture.h"
#include "gfx/view.h"
#include "support/gl_test_context.h"
#include "support/test_images.h"

namespace {

// A small opaque sheet of one colour.
void load_plain(TgaTexture& texture, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Bytes pixels;
    for (int i = 0; i < 16; ++i) {
        pixels.insert(pixels.end(), {b, g, r, 255});
    }
    const Bytes tga = make_tga(4, 4, 32, pixels);
    ASSERT_TRUE(texture.load_memory(tga.data(), tga.size(), false, false));
}

// The whole sheet over a rectangle in logical units, white with alpha `a`.
void add_rect(QuadBatch& batch, const Texture& sheet, bool blend, float x0, float y0, float x1,
              float y1, float a = 1.0f) {
    const QuadBatch::Corner quad[4] = {{x0, y0, 0, 0, 0, 1, 1, 1, a},
                                       {x1, y0, 0, 1, 0, 1, 1, 1, a},
                                       {x1, y1, 0, 1, 1, 1, 1, 1, a},
                                       {x0, y1, 0, 0, 1, 1, 1, 1, a}};
    batch.add(&sheet, blend, quad);
}

class QuadBatchOrder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(nullptr, std::getenv("DISPLAY")) << "display tests run under xvfb-run";
        ASSERT_TRUE(gl.create(800, 600));  // one logical unit a pixel
        load_plain(red, 255, 0, 0);
        load_plain(green, 0, 255, 0);
        View view;
        view.setup_ortho(gl.width(), gl.height());
        glDisable(GL_DEPTH_TEST);  // as every screen draws its layers
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    GlTestContext gl;
    TgaTexture red;
    TgaTexture green;
};

TEST_F(QuadBatchOrder, LaterQuadsCoverEarlierOnesAcrossSheetAndBlendChanges) {
    {
        QuadBatch batch;
        add_rect(batch, red, false, 100, 100, 300, 300);
        add_rect(batch, green, false, 200, 200, 400, 400);       // another sheet, over the red
        add_rect(batch, red, false, 350, 350, 500, 500);         // the first sheet again, over both
        add_rect(batch, green, true, 450, 450, 600, 550, 0.5f);  // half over the last red
        add_rect(batch, green, false, 550, 500, 700, 580);       // opaque, over the blended
        add_rect(batch, red, true, 650, 100, 750, 200, 0.5f);    // alone, blended on white
    }  // the batch draws what is pending as it goes
    EXPECT_TRUE(near_colour(gl.pixel(150, 150), 255, 0, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(250, 250), 0, 255, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(375, 375), 255, 0, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(475, 475), 128, 128, 0, 4));
    EXPECT_TRUE(near_colour(gl.pixel(575, 525), 0, 255, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(700, 150), 255, 128, 128, 4));
    EXPECT_TRUE(near_colour(gl.pixel(50, 50), 255, 255, 255, 3));
    // What the next drawing finds: no blending, no arrays left on, an opaque white colour.
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(1.0f, colour[0] * colour[1] * colour[2] * colour[3]);
}

// Gathered by sheet, quads that do not overlap all show, each with its own sheet and blending.
TEST_F(QuadBatchOrder, AnyOrderDrawsEveryQuadWithItsSheetAndBlending) {
    {
        QuadBatch batch(true);
        add_rect(batch, red, false, 100, 100, 200, 200);
        add_rect(batch, green, false, 300, 100, 400, 200);
        add_rect(batch, red, true, 500, 100, 600, 200, 0.5f);
        add_rect(batch, red, false, 100, 300, 200, 400);
        add_rect(batch, green, true, 300, 300, 400, 400, 0.5f);
    }
    EXPECT_TRUE(near_colour(gl.pixel(150, 150), 255, 0, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(350, 150), 0, 255, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(550, 150), 255, 128, 128, 4));
    EXPECT_TRUE(near_colour(gl.pixel(150, 350), 255, 0, 0, 3));
    EXPECT_TRUE(near_colour(gl.pixel(350, 350), 128, 255, 128, 4));
    EXPECT_TRUE(near_colour(gl.pixel(250, 250), 255, 255, 255, 3));
}

}  // namespace
