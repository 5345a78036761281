// Word wrapping and paging of the help text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/font.h"
#include "support/test_images.h"
#include "ui/text_panel.h"

namespace {

using Lines = std::vector<std::string>;

class TextPanelTest : public ::testing::Test {
  protected:
    TextPanelTest() {
        const FontPicture picture = make_font_picture(Font::kGlyphCount);
        font.load(picture.tga.data(), picture.tga.size(), nullptr);
    }
    // A panel just wide enough for `fits` (measured as one line) and no more.
    TextPanel panel_for(const std::string& fits) const {
        return TextPanel(&font, font.text_width(fits.c_str(), 25.0f) + 0.5f, 25.0f, 16, 2);
    }
    static Lines wrap(TextPanel panel, const std::string& text) {
        panel.set_text(text.data(), text.size());
        return panel.lines();
    }
    Font font;
};

TEST_F(TextPanelTest, WordsFillALineUpToTheWidthAndCarriageReturnsEndParagraphs) {
    ASSERT_GT(font.text_width("ab", 25.0f), 0.0f);
    const TextPanel panel = panel_for("aaaa bbbb");
    EXPECT_EQ(wrap(panel, "aaaa bbbb cccc\rdd"), (Lines{"aaaa bbbb ", "cccc ", "dd "}));
    // An empty paragraph is a line of one space; a closing return gives one more.
    EXPECT_EQ(wrap(panel, "aaaa\r\rbbbb\r"), (Lines{"aaaa ", " ", "bbbb ", " "}));
}

TEST_F(TextPanelTest, CarriageReturnLineFeedPairsWrapLikeCarriageReturnsAlone) {
    const TextPanel panel = panel_for("aaaa bbbb");
    const Lines cr = wrap(panel, "aaaa bbbb cccc\r\rdd ee\rff");
    EXPECT_EQ(wrap(panel, "aaaa bbbb cccc\r\n\r\ndd ee\r\nff"), cr);
    EXPECT_EQ(cr.size(), 5u);
}

TEST_F(TextPanelTest, LineFeedsAloneDoNotBreakLines) {
    const TextPanel panel = panel_for("aaaa bbbb cccc dddd");
    EXPECT_EQ(wrap(panel, "aa\nbb cc\n\ndd"), (Lines{"aabb ccdd "}));
}

TEST_F(TextPanelTest, AnOverWideWordTakesALineOfItsOwnWithoutABlankLineAbove) {
    const TextPanel panel = panel_for("aaaa bbbb");
    // At the start of a paragraph, and after an open line.
    EXPECT_EQ(wrap(panel, "wwwwwwwwwwwwwwwwwwww aa"), (Lines{"wwwwwwwwwwwwwwwwwwww ", "aa "}));
    EXPECT_EQ(wrap(panel, "aa wwwwwwwwwwwwwwwwwwww"), (Lines{"aa ", "wwwwwwwwwwwwwwwwwwww "}));
}

TEST_F(TextPanelTest, SetTextAppendsAndNoTextGivesOneBlankLine) {
    TextPanel panel = panel_for("aaaa bbbb");
    panel.set_text(nullptr, 0);
    EXPECT_EQ(panel.lines(), (Lines{" "}));
    panel.set_text("aa", 2);
    EXPECT_EQ(panel.lines(), (Lines{" ", "aa "}));
}

std::string paragraphs(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += (i ? "\r" : "") + std::to_string(i);
    }
    return text;
}

TEST_F(TextPanelTest, ScrollingStopsWithAFullLastPageAndAtTheTop) {
    TextPanel panel = panel_for("aaaa bbbb");
    const std::string text = paragraphs(40);
    panel.set_text(text.data(), text.size());
    ASSERT_EQ(panel.lines().size(), 40u);
    for (int i = 0; i < 30; ++i) {
        panel.scroll_down();
    }
    EXPECT_EQ(panel.top(), 24);
    panel.scroll_up();
    EXPECT_EQ(panel.top(), 22);

    TextPanel seventeen = panel_for("aaaa bbbb");
    const std::string short_text = paragraphs(17);
    seventeen.set_text(short_text.data(), short_text.size());
    seventeen.scroll_down();
    EXPECT_EQ(seventeen.top(), 1);
    seventeen.scroll_up();
    EXPECT_EQ(seventeen.top(), 0);
}

TEST_F(TextPanelTest, FewerLinesThanAPageNeverScroll) {
    TextPanel panel = panel_for("aaaa bbbb");
    const std::string text = paragraphs(10);
    panel.set_text(text.data(), text.size());
    panel.scroll_down();
    EXPECT_EQ(panel.top(), 0);
    panel.scroll_up();
    EXPECT_EQ(panel.top(), 0);
}

}  // namespace
