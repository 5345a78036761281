// The layout file: every key the menus read is there, and every control lands inside the
// screen and its dialog, clear of the other controls and of the texts the dialogs draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assets/asset_files.h"
#include "core/version.h"
#include "gfx/font.h"
#include "support/temp_dir.h"
#include "tools/gen/layout.h"

namespace {

struct Box {
    std::string name;
    float x, y, w, h;
};

bool overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        layout = archive_params("mui/menu.txt");
        PackEntry font_file = game_archive().read_file("mui/font.tga");
        ASSERT_TRUE(font.load(font_file.data.get(), font_file.size, nullptr));
    }

    float num(const std::string& key) { return ParamFile::to_float(layout.get(key, "0")); }

    // The size of one band of a control picture.
    std::pair<float, float> band(const std::string& image, int bands) {
        DecodedImage picture;
        EXPECT_TRUE(archive_tga(image, picture)) << image;
        return {static_cast<float>(picture.width), static_cast<float>(picture.height / bands)};
    }

    Box control(const std::string& key, const std::string& image, int bands,
                const std::string& x_suffix = "x", const std::string& y_suffix = "y") {
        auto size = band(image, bands);
        return {key, num(key + x_suffix), num(key + y_suffix), size.first, size.second};
    }

    Box text(const std::string& name, const std::string& s, float size, float x, float baseline) {
        return {name, x, baseline - size, font.text_width(s.c_str(), size), size};
    }

    // All boxes inside (0, 0, w, h) and none overlapping another.
    void check(const std::string& where, float w, float h, const std::vector<Box>& boxes) {
        for (size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            EXPECT_GE(b.x, 0) << where << ": " << b.name;
            EXPECT_GE(b.y, 0) << where << ": " << b.name;
            EXPECT_LE(b.x + b.w, w) << where << ": " << b.name;
            EXPECT_LE(b.y + b.h, h) << where << ": " << b.name;
            EXPECT_GT(b.w, 0) << where << ": " << b.name;
            for (size_t j = i + 1; j < boxes.size(); ++j) {
                EXPECT_FALSE(overlap(b, boxes[j]))
                    << where << ": " << b.name << " overlaps " << boxes[j].name;
            }
        }
    }

    // A dialog rectangle from the layout, inside the screen.
    Box rect(const std::string& prefix) {
        Box r{prefix, num(prefix + "x"), num(prefix + "y"), num(prefix + "width"),
              num(prefix + "height")};
        EXPECT_GT(r.w, 0) << prefix;
        EXPECT_GT(r.h, 0) << prefix;
        EXPECT_GE(r.x, 0) << prefix;
        EXPECT_GE(r.y, 0) << prefix;
        EXPECT_LE(r.x + r.w, 800) << prefix;
        EXPECT_LE(r.y + r.h, 600) << prefix;
        return r;
    }

    std::string img(const std::string& key) { return layout.get(key, "0"); }

    ParamFile layout;
    Font font;
};

TEST_F(LayoutTest, EveryKeyTheMenusReadIsPresent) {
    const char* keys[] = {"m_zelm1_game_btn",
                          "m_zelm2_game_btn",
                          "m_continue_single_game_btn",
                          "m_quit_game_btn",
                          "m_help_btn",
                          "m_top7_btn",
                          "m_top7_btn2",
                          "m_options_btn",
                          "m_play_custom_btn",
                          "m_mini_btn",
                          "m_fullscreen_btn",
                          "m_ok_btn",
                          "m_cancel_btn",
                          "m_close_btn",
                          "m_radio_btn",
                          "m_enter_name_editbox",
                          "m_enter_level_num_editbox",
                          "m_zelm1_game_btnx",
                          "m_zelm1_game_btny",
                          "m_zelm2_game_btnx",
                          "m_zelm2_game_btny",
                          "m_continue_single_game_btnx",
                          "m_continue_single_game_btny",
                          "m_quit_game_btnx",
                          "m_quit_game_btny",
                          "m_help_btnx",
                          "m_help_btny",
                          "m_mm_top7_1_btnx",
                          "m_mm_top7_1_btny",
                          "m_mm_top7_2_btnx",
                          "m_mm_top7_2_btny",
                          "m_options_btnx",
                          "m_options_btny",
                          "m_play_custom_btnx",
                          "m_play_custom_btny",
                          "m_mm_fullscreen_btnx",
                          "m_mm_fullscreen_btny",
                          "m_mini_btnx",
                          "m_mini_btny",
                          "m_nd_x",
                          "m_nd_y",
                          "m_nd_width",
                          "m_nd_height",
                          "m_hd_x",
                          "m_hd_y",
                          "m_hd_width",
                          "m_hd_height",
                          "m_od_x",
                          "m_od_y",
                          "m_od_width",
                          "m_od_height",
                          "m_cgd_x",
                          "m_cgd_y",
                          "m_cgd_width",
                          "m_cgd_height",
                          "m_ngd_ok_btnx",
                          "m_ngd_ok_btny",
                          "m_ngd_cancel_btnx",
                          "m_ngd_cancel_btny",
                          "m_cgd_ok_btnx",
                          "m_cgd_ok_btny",
                          "m_cgd_cancel_btnx",
                          "m_cgd_cancel_btny",
                          "m_cgd_level_numx",
                          "m_cgd_level_numy",
                          "m_cgd_game_type1_radiox",
                          "m_cgd_game_type1_radioy",
                          "m_cgd_game_type2_radiox",
                          "m_cgd_game_type2_radioy",
                          "m_cgd_game_kind1_radiox",
                          "m_cgd_game_kind1_radioy",
                          "m_cgd_game_kind2_radiox",
                          "m_cgd_game_kind2_radioy",
                          "m_od_close_btnx",
                          "m_od_close_btny",
                          "m_od_autosave_chbx",
                          "m_od_autosave_chby",
                          "m_od_skin_up_btnx",
                          "m_od_skin_up_btny",
                          "m_od_skin_down_btnx",
                          "m_od_skin_down_btny",
                          "m_od_sound_chbx",
                          "m_od_sound_chby",
                          "m_od_sound_classik_chbx",
                          "m_od_sound_classik_chby",
                          "m_od_left_key_x",
                          "m_od_left_key_y",
                          "m_od_right_key_x",
                          "m_od_right_key_y",
                          "m_od_up_key_x",
                          "m_od_up_key_y",
                          "m_od_down_key_x",
                          "m_od_down_key_y",
                          "m_od_fire_key_x",
                          "m_od_fire_key_y",
                          "m_od_die_key_x",
                          "m_od_die_key_y",
                          "m_od_skin_x",
                          "m_od_skin_y",
                          "m_hd_close_btnx",
                          "m_hd_close_btny",
                          "m_hd_up_btnx",
                          "m_hd_up_btny",
                          "m_hd_down_btnx",
                          "m_hd_down_btny",
                          "m_end_close_btnx",
                          "m_end_close_btny",
                          "m_end_editx",
                          "m_end_edity",
                          "m_t7d_close_btnx",
                          "m_t7d_close_btny"};
    for (const char* key : keys) {
        EXPECT_TRUE(layout.contains(key)) << key;
    }
    // The image keys name pictures that are in the archive.
    for (int i = 0; i < 17; ++i) {
        EXPECT_GE(game_archive().find(layout.get(keys[i], "0")), 0) << keys[i];
    }
}

TEST_F(LayoutTest, MainMenuButtonsFitBesideTheLogoAndTheBanner) {
    std::vector<Box> boxes = {
        control("m_zelm1_game_btn", img("m_zelm1_game_btn"), 3),
        control("m_zelm2_game_btn", img("m_zelm2_game_btn"), 3),
        control("m_continue_single_game_btn", img("m_continue_single_game_btn"), 3),
        control("m_quit_game_btn", img("m_quit_game_btn"), 3),
        control("m_help_btn", img("m_help_btn"), 3),
        control("m_mm_top7_1_btn", img("m_top7_btn"), 3),
        control("m_mm_top7_2_btn", img("m_top7_btn2"), 3),
        control("m_options_btn", img("m_options_btn"), 3),
        control("m_play_custom_btn", img("m_play_custom_btn"), 3),
        control("m_mm_fullscreen_btn", img("m_fullscreen_btn"), 3),
        control("m_mini_btn", img("m_mini_btn"), 3),
    };
    auto logo = band("mui/velmora.tga", 3);
    boxes.push_back({"logo", 88, 449, logo.first, logo.second});
    boxes.push_back(text("version", std::string("version ") + game_version(), 15, 680, 520));
    check("main menu", 800, 600, boxes);

    // The publisher banner: line A from x 420, its baseline from 100 down, line B from x 490,
    // its baseline up to 480, each moving up to 2.5 a frame past its turning point; where they
    // meet, a red copy of each grows to 50 high while it slides left (A 5, B 2 per unit).
    const char* line_a = "Published by";
    const char* line_b = "Velmora";
    Box path{"banner", 800, 100.0f - 2.5f - 50.0f, 0, 0};
    float right = 0;
    for (float grow = 0; grow <= 10.0f; grow += 0.2f) {
        const float size = 40.0f + grow;
        path.x = std::min({path.x, 420.0f - grow * 5.0f, 490.0f - grow * 2.0f});
        right = std::max({right, 422.0f + font.text_width(line_a, size),
                          492.0f + font.text_width(line_b, size)});
    }
    path.w = right - path.x;
    path.h = 480.0f + 2.5f + 2.0f + 50.0f * 0.3f - path.y;  // shadow and descenders
    // The picture keeps its title and button panel out of the region the generator leaves
    // for the banner, and that region holds the whole path.
    const layout::Rect clear = layout::kBannerPath;
    EXPECT_GE(path.x, clear.x);
    EXPECT_GE(path.y, clear.y);
    EXPECT_LE(path.y + path.h, clear.y + clear.h);
    boxes.push_back({"title", float(layout::kMenuTitle.x), float(layout::kMenuTitle.y),
                     float(layout::kMenuTitle.w), float(layout::kMenuTitle.h)});
    boxes.push_back({"panel", float(layout::kMenuPanel.x), float(layout::kMenuPanel.y),
                     float(layout::kMenuPanel.w), float(layout::kMenuPanel.h)});
    for (const Box& b : boxes) {
        EXPECT_FALSE(overlap(b, path)) << b.name << " is under the banner";
    }
}

TEST_F(LayoutTest, DialogControlsStayInsideTheirDialogs) {
    Box nd = rect("m_nd_");
    check("new game", nd.w, nd.h,
          {control("m_ngd_ok_btn", img("m_ok_btn"), 3),
           control("m_ngd_cancel_btn", img("m_cancel_btn"), 3),
           text("title", "Start New Game?", 40, 40, 90)});

    Box cgd = rect("m_cgd_");
    std::vector<Box> custom = {control("m_cgd_ok_btn", img("m_ok_btn"), 3),
                               control("m_cgd_cancel_btn", img("m_cancel_btn"), 3),
                               control("m_cgd_level_num", img("m_enter_level_num_editbox"), 2),
                               text("title", "Custom Game", 40, 20, 70)};
    const char* radios[] = {"m_cgd_game_type1_radio", "m_cgd_game_type2_radio",
                            "m_cgd_game_kind1_radio", "m_cgd_game_kind2_radio"};
    const char* labels[] = {"Custom", "Random", "Levels Set 1", "Levels Set 2"};
    for (int i = 0; i < 4; ++i) {
        Box r = control(radios[i], img("m_radio_btn"), 4);
        custom.push_back(r);
        custom.push_back(text(labels[i], labels[i], i < 2 ? 25 : 23, r.x + 40, r.y + 25));
    }
    custom.push_back(text("level label", "Level's Number (1..75)", 23, num("m_cgd_level_numx"),
                          num("m_cgd_level_numy")));
    check("custom game", cgd.w, cgd.h, custom);

    Box hd = rect("m_hd_");
    // Sixteen lines of help text from baseline 120, 25 high, up to 700 wide from x 60.
    check("help", hd.w, hd.h,
          {control("m_hd_close_btn", img("m_close_btn"), 3),
           control("m_hd_up_btn", "mui/up_btn.tga", 3),
           control("m_hd_down_btn", "mui/down_btn.tga", 3), text("title", "Help", 50, 150, 70),
           Box{"text", 60, 95, 700, 16 * 25}});

    Box od = rect("m_od_");
    std::vector<Box> options = {
        control("m_od_close_btn", img("m_close_btn"), 3),
        control("m_od_skin_up_btn", "mui/skin_up_btn.tga", 3),
        control("m_od_skin_down_btn", "mui/skin_down_btn.tga", 3),
        control("m_od_autosave_chb", "mui/checkbox.tga", 4),
        control("m_od_sound_chb", "mui/checkbox.tga", 4),
        control("m_od_sound_classik_chb", "mui/checkbox.tga", 4),
        text("music hint", "Press F5 to change current music track", 15, 410, 520),
        // The five preview cells, 25 wide and centred every 30 units from "m_od_skin_".
        Box{"preview", num("m_od_skin_x") - 12.5f, num("m_od_skin_y") - 12.5f, 4 * 30 + 25, 25},
        // The studio banner moves through the right half.
        Box{"banner", 420, 60, od.w - 420, 420},
    };
    for (const char* k : {"left", "right", "up", "down", "fire", "die"}) {
        options.push_back(
            control(std::string("m_od_") + k + "_key_", "mui/key_reader.tga", 2, "x", "y"));
    }
    auto radio = band(img("m_radio_btn"), 4);
    for (int i = 0; i < 7; ++i) {
        options.push_back(
            {"volume " + std::to_string(i), 150.0f + 35 * i, 495, radio.first, radio.second});
    }
    check("options", od.w, od.h, options);

    auto close = band(img("m_close_btn"), 3);
    check("game over", 800, 600,
          {control("m_end_close_btn", img("m_close_btn"), 3),
           control("m_end_edit", img("m_enter_name_editbox"), 2),
           text("title", "Game Over !", 50, 220, 100),
           text("score", "Your score: 9999999", 30, 240, 200),
           text("prompt", "Enter Your Name", 30, 250, 300)});
    check("top 7", 800, 600,
          {control("m_t7d_close_btn", img("m_close_btn"), 3), text("title", "Top 7", 50, 20, 70),
           Box{"rows", 100, 110, 600, 400}});
    EXPECT_GT(close.first, 0);
}

// The help dialog wraps the text at 700 units with the game font at height 25 and shows
// sixteen lines a page; the help has to fill at least three pages.
TEST_F(LayoutTest, HelpFillsAtLeastThreePages) {
    PackEntry file = game_archive().read_file("mui/help.txt");
    std::string help(file.text());
    ASSERT_NE(help.find('\r'), std::string::npos) << "paragraphs end with carriage returns";
    help += '\r';
    std::vector<std::string> lines;
    std::string line, word;
    for (char c : help) {
        if (c == ' ' || c == '\r') {
            if (font.text_width(line.c_str(), 25) + font.text_width(word.c_str(), 25) < 700) {
                line += word + " ";
            } else {
                lines.push_back(line);
                line = word + " ";
            }
            word.clear();
            if (c == '\r') {
                lines.push_back(line);
                line.clear();
            }
        } else if (c != '\n') {
            word += c;
        }
    }
    EXPECT_GE(lines.size(), 48u);
    for (const std::string& l : lines) {
        EXPECT_LT(font.text_width(l.c_str(), 25), 720) << l;
    }
}

// A help paragraph that promises the game is saved names the switch it depends on: with
// automatic saving off nothing is written.
TEST_F(LayoutTest, HelpPromisesSavingOnlyWithAutosave) {
    PackEntry file = game_archive().read_file("mui/help.txt");
    std::istringstream help{std::string(file.text())};
    std::string paragraph;
    int promises = 0;
    while (std::getline(help, paragraph, '\r')) {
        if (paragraph.find(" saved") != std::string::npos) {
            ++promises;
            EXPECT_NE(paragraph.find("automatically"), std::string::npos) << paragraph;
        }
    }
    EXPECT_GT(promises, 0);
}

// The game spaces words by the width of 'A' and numbers by their glyphs: the shipped font keeps
// the word gap near that of ordinary print and gives all figures one width, so the scores of
// the Top 7 line up under each other.
TEST_F(LayoutTest, FontSpacesWordsNaturallyAndFiguresEvenly) {
    const float size = 40;
    const float gap = font.text_width(" ", size);
    EXPECT_GT(gap, 0.2f * size);
    EXPECT_LT(gap, 0.5f * size);
    EXPECT_LT(gap, font.text_width("n", size)) << "a word gap wider than a letter";
    for (char c = '1'; c <= '9'; ++c) {
        const char figure[] = {c, 0};
        EXPECT_FLOAT_EQ(font.text_width("0", size), font.text_width(figure, size)) << c;
    }
}

TEST(Generator, LeavesUnchangedFilesAlone) {
    namespace fs = std::filesystem;
    TempDir dir;
    std::string out = dir.path() + "/pack";
    fs::copy(generated_dir(), out, fs::copy_options::recursive);
    auto sample = fs::last_write_time(out + "/dat/bg0.jpg");
    std::string log = dir.path() + "/log.txt";
    std::string command = std::string(QUARRIK_TOOLS_DIR) + "/quarrik-gen " + out + " > " + log;
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    // A second run over the same output draws the same bytes and rewrites nothing, so the
    // build's generated files keep their times and the archive is not rebuilt for nothing.
    EXPECT_NE(text.str().find(" 0 rewritten"), std::string::npos) << text.str();
    EXPECT_EQ(fs::last_write_time(out + "/dat/bg0.jpg"), sample);
}

}  // namespace
