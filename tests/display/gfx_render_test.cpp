// Drawing on a real GL context, checked by reading the pixels back.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdlib>

#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/jpeg_texture.h"
#include "gfx/resource_set.h"
#include "gfx/sprite.h"
#include "gfx/tga_texture.h"
#include "gfx/view.h"
#include "platform/gl_current.h"
#include "platform/letterbox.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "support/gl_test_context.h"
#include "support/test_images.h"
#include "support/test_resources.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;

// A frame start as the full screens make it.
void begin_frame(const View& view, const GlTestContext& gl) {
    view.setup_ortho(gl.width(), gl.height());
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

class GfxDisplay : public ::testing::Test {
  protected:
    void open(int width, int height) {
        ASSERT_NE(nullptr, std::getenv("DISPLAY")) << "display tests run under xvfb-run";
        ASSERT_TRUE(gl.create(width, height));
        ASSERT_TRUE(has_current_gl_context());
    }
    GlTestContext gl;
    View view;
};

// The picture keeps its shape in any window: scaled by one factor, centred between bars.
TEST_F(GfxDisplay, LogicalScreenFitsAnyWindowUnstretchedWithItsCentreInTheMiddle) {
    const int sizes[][2] = {{800, 600}, {640, 480}, {1000, 400}, {300, 700}};
    for (const auto& size : sizes) {
        open(size[0], size[1]);
        begin_frame(view, gl);
        draw_shade_rect(0, 0, 400, 300, 0, 1, 0, 0, 1);      // top-left red
        draw_shade_rect(400, 0, 400, 300, 0, 0, 1, 0, 1);    // top-right green
        draw_shade_rect(0, 300, 400, 300, 0, 0, 0, 1, 1);    // bottom-left blue
        draw_shade_rect(400, 300, 400, 300, 0, 1, 1, 0, 1);  // bottom-right yellow
        const int w = gl.width(), h = gl.height();
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const Letterbox box = fit_picture(w, h, 800, 600);
        EXPECT_LE(std::abs(box.width * 3 - box.height * 4), 4);  // to the pixel
        const int x0 = box.x, y0 = box.y, x1 = box.x + box.width - 1, y1 = box.y + box.height - 1;
        EXPECT_TRUE(near_colour(gl.pixel(x0, y0), 255, 0, 0, 0));
        EXPECT_TRUE(near_colour(gl.pixel(x1, y0), 0, 255, 0, 0));
        EXPECT_TRUE(near_colour(gl.pixel(x0, y1), 0, 0, 255, 0));
        EXPECT_TRUE(near_colour(gl.pixel(x1, y1), 255, 255, 0, 0));
        EXPECT_TRUE(near_colour(gl.pixel(w / 2 - 2, h / 2 - 2), 255, 0, 0, 0));
        EXPECT_TRUE(near_colour(gl.pixel(w / 2 + 1, h / 2 - 2), 0, 255, 0, 0));
        EXPECT_TRUE(near_colour(gl.pixel(w / 2 - 2, h / 2 + 1), 0, 0, 255, 0));
        EXPECT_TRUE(near_colour(gl.pixel(w / 2 + 1, h / 2 + 1), 255, 255, 0, 0));
        if (x0 > 0 || y0 > 0) {
            // The bars keep the frame's clear colour (white here, black in the game).
            EXPECT_TRUE(near_colour(gl.pixel(0, 0), 255, 255, 255, 0)) << "no bar";
            EXPECT_TRUE(near_colour(gl.pixel(w - 1, h - 1), 255, 255, 255, 0)) << "no bar";
        }
    }
}

TEST_F(GfxDisplay, ViewTransformMovesScalesAndTurnsThePlayfield) {
    open(800, 600);
    begin_frame(view, gl);
    view.m_pos_x = 400;
    view.m_pos_y = 300;
    view.m_scale = 2.0f;
    view.m_rot_z = 90.0f;
    glPushMatrix();
    view.apply_view();
    // A 50 x 10 bar from the origin rightwards, doubled and turned a quarter: 100 down.
    draw_shade_rect(0, -5, 50, 10, 0, 1, 0, 0, 1);
    glPopMatrix();
    EXPECT_TRUE(near_colour(gl.pixel(400, 390), 255, 0, 0, 0));
    EXPECT_TRUE(near_colour(gl.pixel(400, 410), 255, 255, 255, 0));
    EXPECT_TRUE(near_colour(gl.pixel(460, 300), 255, 255, 255, 0));
}

TEST_F(GfxDisplay, FullscreenImagesAreUprightForBothFormats) {
    open(640, 480);
    const std::uint8_t red[4] = {255, 0, 0, 255};
    const std::uint8_t blue[4] = {0, 0, 255, 255};
    const Bytes tga = make_split_tga(64, 64, 24, red, blue);
    const Bytes jpeg = make_split_jpeg(64, 64, red, blue);
    TgaTexture tga_texture;
    JpegTexture jpeg_texture;
    ASSERT_TRUE(tga_texture.load_memory(tga.data(), tga.size(), false, false));
    ASSERT_TRUE(jpeg_texture.load_memory(jpeg.data(), jpeg.size(), false, false));
    EXPECT_NE(0u, tga_texture.gl_name());
    for (const Texture* texture :
         {static_cast<const Texture*>(&tga_texture), static_cast<const Texture*>(&jpeg_texture)}) {
        begin_frame(view, gl);
        draw_fullscreen_image(*texture);
        EXPECT_TRUE(near_colour(gl.pixel(320, 60), 255, 0, 0, 24));
        EXPECT_TRUE(near_colour(gl.pixel(20, 200), 255, 0, 0, 24));
        EXPECT_TRUE(near_colour(gl.pixel(320, 420), 0, 0, 255, 24));
        EXPECT_TRUE(near_colour(gl.pixel(620, 300), 0, 0, 255, 24));
    }
}

TEST_F(GfxDisplay, AlphaOfTgaIsKeptAndRgbTgaIsOpaque) {
    open(200, 200);
    const std::uint8_t clear_red[4] = {255, 0, 0, 0};
    const Bytes tga32 = make_split_tga(16, 16, 32, clear_red, clear_red);
    const Bytes tga24 = make_split_tga(16, 16, 24, clear_red, clear_red);
    TgaTexture with_alpha, without;
    ASSERT_TRUE(with_alpha.load_memory(tga32.data(), tga32.size(), false, true));
    ASSERT_TRUE(without.load_memory(tga24.data(), tga24.size(), false, true));
    begin_frame(view, gl);
    draw_textured_rect(&with_alpha, 0, 0, 400, 600, 0, 0, 1, 1, 0, true);
    draw_textured_rect(&without, 400, 0, 400, 600, 0, 0, 1, 1, 0, true);
    EXPECT_TRUE(near_colour(gl.pixel(50, 100), 255, 255, 255, 0));  // transparent
    EXPECT_TRUE(near_colour(gl.pixel(150, 100), 255, 0, 0, 0));     // opaque red
}

TEST_F(GfxDisplay, ShadeDarkensAndTheNextTexturedDrawIsNotTinted) {
    open(400, 300);
    const std::uint8_t white[4] = {255, 255, 255, 255};
    const Bytes tga = make_split_tga(16, 16, 32, white, white);
    TgaTexture texture;
    ASSERT_TRUE(texture.load_memory(tga.data(), tga.size(), false, true));
    begin_frame(view, gl);
    glClearColor(0.0f, 0.8f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    draw_shade_rect(0, 0, 800, 600, 0.5f, 0, 0, 0, 0.5f);
    const Pixel shaded = gl.pixel(200, 150);
    EXPECT_NEAR(102, shaded[1], 4);  // 0.8 halved
    EXPECT_TRUE(near_colour(shaded, 0, 102, 0, 4));
    draw_textured_rect(&texture, 0, 0, 400, 300, 1.0f, 0, 1, 1, 0, false);
    EXPECT_TRUE(near_colour(gl.pixel(100, 75), 255, 255, 255, 0));
    EXPECT_TRUE(near_colour(gl.pixel(300, 225), 0, 102, 0, 4));
}

// Rows of the window (at x) whose pixels are darker than the white background.
int ink_rows(const GlTestContext& gl, int x, int from, int to, int* first = nullptr) {
    int count = 0;
    for (int y = from; y < to; ++y) {
        if (gl.pixel(x, y)[0] < 200) {
            if (count == 0 && first) {
                *first = y;
            }
            ++count;
        }
    }
    return count;
}

TEST_F(GfxDisplay, TextIsAsHighAsItsSizeInLogicalUnits) {
    const FontPicture picture = make_font_picture(94);
    for (float scale : {1.0f, 1.5f}) {
        open(static_cast<int>(800 * scale), static_cast<int>(600 * scale));
        TgaTexture texture;
        ASSERT_TRUE(texture.load_memory(picture.tga.data(), picture.tga.size(), false, false));
        Font font;
        ASSERT_TRUE(font.load(picture.tga.data(), picture.tga.size(), &texture));
        begin_frame(view, gl);
        glDisable(GL_TEXTURE_2D);
        // '"' is the second glyph, inked over the whole line height.
        font.draw_text("\"\"\"", 20.0f, 100.0f, 300.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));  // as it was found
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(1.0f, colour[0] * colour[1] * colour[2] * colour[3]);

        const int x = static_cast<int>((100.0f + font.text_width("\"", 20.0f) / 2) * scale);
        int first = 0;
        const int rows =
            ink_rows(gl, x, static_cast<int>(250 * scale), static_cast<int>(320 * scale), &first);
        EXPECT_NEAR(20 * scale, rows, 1) << "window scale " << scale;
        EXPECT_NEAR(280 * scale, first, 1);

        // A line feed starts the next line `size` lower, one gap to the right; bytes without a
        // glyph draw nothing and do not move the pen.
        begin_frame(view, gl);
        font.draw_text("\"\xe9\n\"", 20.0f, 100.0f, 300.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        EXPECT_NEAR(
            40 * scale,
            ink_rows(gl, x + 1, static_cast<int>(250 * scale), static_cast<int>(340 * scale)), 1);
        gl.destroy();
    }
}

TEST_F(GfxDisplay, SpriteShowsItsCellAndFlips) {
    open(800, 600);
    // A sheet of 2 frames by 2 groups: the picture's lower row is group 0.
    Bytes pixels;
    const std::uint8_t colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    for (int row = 0; row < 32; ++row) {  // stored bottom row first
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t* c = colours[(row / 16) * 2 + x / 32];
            pixels.insert(pixels.end(), {c[2], c[1], c[0], 255});
        }
    }
    PackArchive archive;
    const Bytes sheet = make_tga(64, 32, 32, pixels);
    archive.add_memory("sheet.tga", sheet.data(), sheet.size(), false);
    const std::string spr = "file_name sheet.tga groups 2 frames 2";
    Sprite sprite;
    ASSERT_TRUE(sprite.load(archive, reinterpret_cast<const unsigned char*>(spr.data()), spr.size(),
                            false, false));
    sprite.m_pos = {400, 300, 0};
    sprite.set_size(200, 200);
    const struct {
        int group, frame;
        int colour;
    } cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 2}, {1, 1, 3}};
    for (const auto& c : cases) {
        begin_frame(view, gl);
        sprite.set_group(c.group);
        sprite.set_frame(c.frame);
        sprite.draw();
        const std::uint8_t* want = colours[c.colour];
        EXPECT_TRUE(near_colour(gl.pixel(400, 300), want[0], want[1], want[2], 0))
            << "group " << c.group << " frame " << c.frame;
        EXPECT_TRUE(near_colour(gl.pixel(250, 300), 255, 255, 255, 0));  // outside the quad
    }
    // A sheet that failed to load shows nothing, not a plain quad.
    Sprite missing;
    EXPECT_FALSE(missing.load(archive, reinterpret_cast<const unsigned char*>("file_name x.tga"),
                              15, false, false));
    missing.m_pos = {400, 300, 0};
    missing.set_size(200, 200);
    view.begin_play_frame(gl.width(), gl.height());
    missing.draw();
    EXPECT_TRUE(near_colour(gl.pixel(400, 300), 0, 0, 0, 0));

    // A cell with a vertical gradient: unflipped, the picture's bottom row is at the top of the
    // quad (t = 0 on the upper edge); flipped it is upright. A copy draws the same.
    Bytes gradient;
    for (int row = 0; row < 16; ++row) {
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t v = static_cast<std::uint8_t>(row * 16);  // brighter upwards
            gradient.insert(gradient.end(), {v, v, v, 255});
        }
    }
    const Bytes grad = make_tga(16, 16, 32, gradient);
    archive.add_memory("grad.tga", grad.data(), grad.size(), false);
    const std::string grad_spr = "file_name grad.tga";
    ASSERT_TRUE(sprite.load(archive, reinterpret_cast<const unsigned char*>(grad_spr.data()),
                            grad_spr.size(), false, false));
    sprite.set_size(200, 200);
    Sprite copy = sprite;
    begin_frame(view, gl);
    copy.draw();
    EXPECT_LT(gl.pixel(400, 220)[0] + 60, gl.pixel(400, 380)[0]);
    copy.m_flip = true;
    begin_frame(view, gl);
    copy.draw();
    EXPECT_GT(gl.pixel(400, 220)[0], gl.pixel(400, 380)[0] + 60);  // upright: top brighter
}

TEST_F(GfxDisplay, EveryTextureDrawsAgainAfterTheContextIsRecreated) {
    const std::uint8_t green[3] = {0, 200, 0};
    PackArchive archive;
    add_resource_files(archive, 2, green);
    ParamFile layout;
    ResourceSet set(archive, layout, 2);
    open(400, 300);
    set.load_all();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first context" : "after the switch");
        const auto draws_green = [&](const Texture& texture) {
            begin_frame(view, gl);
            draw_fullscreen_image(texture);
            return near_colour(gl.pixel(200, 150), 0, 200, 0, 24);
        };
        // Pictures of one screen are made when first asked for: the dialogs' own, and the
        // background of the skin chosen (the one before is let go).
        EXPECT_TRUE(draws_green(set.top7_picture(0)));
        EXPECT_TRUE(draws_green(set.top7_picture(1)));
        EXPECT_TRUE(draws_green(set.options_picture()));
        set.set_current_skin(1);
        EXPECT_TRUE(draws_green(set.current_background()));
        EXPECT_EQ(0u, set.background(0).gl_name());
        set.set_current_skin(0);
        EXPECT_EQ(0u, set.background(1).gl_name());
        for (const Texture* texture : set.all_textures()) {
            if (texture == &set.m_font_texture || texture == &set.m_exit_dialog_wnd) {
                continue;  // mostly transparent; drawn by no screen
            }
            bool other_background = false;
            for (int i = 0; i < ResourceSet::kBackgroundCount; ++i) {
                other_background |= texture == &set.background(i);
            }
            if (other_background && texture != &set.current_background()) {
                continue;
            }
            ASSERT_NE(0u, texture->gl_name());
            EXPECT_TRUE(glIsTexture(texture->gl_name()));
            EXPECT_TRUE(draws_green(*texture));
        }
        for (const Sprite* prototype : set.all_prototypes()) {
            Sprite copy = *prototype;
            copy.m_pos = {400, 300, 0};
            copy.m_blend = true;
            begin_frame(view, gl);
            copy.draw();
            EXPECT_TRUE(near_colour(gl.pixel(200, 150), 0, 200, 0, 24));
        }
        // The display-mode switch: release, new context, reload.
        set.release_all();
        for (const Texture* texture : set.all_textures()) {
            EXPECT_EQ(0u, texture->gl_name());
        }
        gl.destroy();
        ASSERT_TRUE(gl.create(400, 300));
        set.load_all();
    }
    // The font draws again too.
    begin_frame(view, gl);
    set.font().draw_text("\"", 40.0f, 300.0f, 300.0f, 0, 0, 0, 0, 1);
    EXPECT_GT(ink_rows(gl, 153, 100, 200), 10);
}

}  // namespace
