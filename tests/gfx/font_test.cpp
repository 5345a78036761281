#include <gtest/gtest.h>

#include "gfx/font.h"
#include "support/test_images.h"

namespace {

class FontTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture = make_font_picture(Font::kGlyphCount);
        ASSERT_TRUE(font.load(picture.tga.data(), picture.tga.size(), nullptr));
    }
    FontPicture picture;
    Font font;
};

TEST_F(FontTest, ScanFindsEveryGlyphBoxInReadingOrder) {
    EXPECT_EQ(94, font.glyphs_found());
    const float w = static_cast<float>(picture.width);
    const float h = static_cast<float>(picture.height);
    for (int i : {0, 1, 4, 23, 24, 32, 70, 93}) {
        const FontPicture::Box& box = picture.boxes[i];
        const Font::Glyph& g = font.glyph(i);
        EXPECT_FLOAT_EQ(box.top / h, g.t_top) << i;
        EXPECT_FLOAT_EQ(box.bottom / h, g.t_bottom) << i;
        EXPECT_FLOAT_EQ((box.left - 1) / w, g.u_left) << i;
        EXPECT_FLOAT_EQ((box.right + 1) / w, g.u_right) << i;
    }
    EXPECT_FLOAT_EQ((picture.line_height_rows - 1) / h, font.line_height());
}

TEST(Font, WrongGlyphCountsAndBadPicturesFail) {
    Font font;
    FontPicture few = make_font_picture(93);
    EXPECT_FALSE(font.load(few.tga.data(), few.tga.size(), nullptr));
    EXPECT_EQ(93, font.glyphs_found());
    FontPicture many = make_font_picture(95);
    EXPECT_FALSE(font.load(many.tga.data(), many.tga.size(), nullptr));
    EXPECT_EQ(95, font.glyphs_found());

    FontPicture good = make_font_picture(94);
    EXPECT_FALSE(font.load(good.tga.data(), good.tga.size() - 1, nullptr));  // short block
    Bytes rgb = make_tga(4, 4, 24, Bytes(48, 255));
    EXPECT_FALSE(font.load(rgb.data(), rgb.size(), nullptr));  // no alpha channel
    EXPECT_FALSE(font.load(nullptr, 0, nullptr));
    Bytes empty = make_tga(8, 8, 32, Bytes(256, 0));
    EXPECT_FALSE(font.load(empty.data(), empty.size(), nullptr));
    EXPECT_EQ(0, font.glyphs_found());
    EXPECT_FLOAT_EQ(0.0f, font.text_width("AB", 20.0f));
}

TEST_F(FontTest, WidthsAddUpWithOneSpaceAdvanceBetweenWords) {
    const float a = font.text_width("A", 20.0f);
    const float space = font.text_width(" ", 20.0f);
    ASSERT_GT(space, 0.0f);
    // 'A' is as wide as a space plus the gap after it, a tenth of a space.
    EXPECT_NEAR(space * 1.1f, a, 1e-4f);
    const float first = font.text_width("Gold", 20.0f);
    const float second = font.text_width("Runner!", 20.0f);
    EXPECT_NEAR(first + second + space, font.text_width("Gold Runner!", 20.0f), 1e-3f);
    EXPECT_NEAR(2.0f * font.text_width("Gold Runner!", 20.0f),
                font.text_width("Gold Runner!", 40.0f), 1e-3f);
    EXPECT_FLOAT_EQ(0.0f, font.text_width("", 20.0f));
}

TEST_F(FontTest, CharactersWithoutGlyphsAndLineFeedsTakeNoWidth) {
    const float plain = font.text_width("AB~", 20.0f);
    EXPECT_FLOAT_EQ(plain, font.text_width("A\nB\x7f~\xe9\t", 20.0f));
}

TEST_F(FontTest, GlyphWidthFollowsItsPixelWidthAtTheLineHeight) {
    // '!' spans its ink columns widened by one column each side; at a size of (line rows - 1) units
    // one picture pixel is one unit wide.
    const FontPicture::Box& box = picture.boxes[0];
    const float size = static_cast<float>(picture.line_height_rows - 1);
    const float space = font.text_width(" ", size);
    const float glyph_pixels = static_cast<float>(box.right - box.left + 2);
    EXPECT_NEAR(glyph_pixels + space / 10.0f, font.text_width("!", size), 1e-3f);
}

}  // namespace
