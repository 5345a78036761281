// The custom game and help dialogs used through the real program, driven by quarrik-drive:
// clicks at the controls' places from the game's layout file, typed text, and screenshots
// compared loosely (probe pixels, regions that change or stay).

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "e2e_support.h"

namespace {

using e2e::fields;
using e2e::Picture;

class DialogsE2E : public e2e::GameCopyTest {
  protected:
    ParamFile layout = e2e::game_layout();
};

// The level file's rows as text (32 columns used, one row per line).
std::vector<std::string> level_rows(int set, int level) {
    char name[64];
    std::snprintf(name, sizeof name, "/assets/dat/levels%d_full/%02d.txt", set, level);
    std::vector<std::string> rows;
    std::istringstream in(e2e::read_file(std::string(QUARRIK_SOURCE_DIR) + name));
    for (std::string line; std::getline(in, line);) {
        rows.push_back(line);
    }
    return rows;
}

// Of the level's brick, solid and empty cells, the share whose centre in the picture looks
// like that kind of cell (bricks are red-brown, solid blocks grey, free space dark).
double match(const Picture& p, const std::vector<std::string>& rows) {
    int cells = 0, agree = 0;
    for (int r = 0; r < 22 && r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < 32 && c < static_cast<int>(rows[r].size()); ++c) {
            const char kind = rows[r][c];
            if (kind != 'T' && kind != 'M' && kind != ' ') {
                continue;
            }
            const uint8_t* px = p.at(25 * c + 12, 25 * r + 12);
            const bool brick = px[0] >= 64 && px[1] < 64 && px[2] < 64;
            const bool solid = px[1] >= 128 && px[2] >= 128;
            const bool empty = px[0] + px[1] + px[2] < 192;
            ++cells;
            agree += (kind == 'T' && brick) || (kind == 'M' && solid) || (kind == ' ' && empty);
        }
    }
    return cells ? static_cast<double>(agree) / cells : 0.0;
}

// Custom game of a chosen level: set 2 and level 12 typed into the box. An emptied box keeps
// the dialog open; OK then plays exactly that level, and the choice is kept for next time.
TEST_F(DialogsE2E, CustomGamePlaysTheChosenLevelOfTheChosenSet) {
    const std::string box = e2e::inside(layout, "m_cgd_", "m_cgd_level_num");
    const std::string script =
        "ticks 3\n"
        "click m_play_custom_btn\n"
        "ticks 2\n"
        "state\n"  // 0: the dialog is open
        "click " +
        e2e::inside(layout, "m_cgd_", "m_cgd_game_type1_radio") + "\n" + "click " +
        e2e::inside(layout, "m_cgd_", "m_cgd_game_kind2_radio") + "\n" + "click " + box + "\n" +
        "key 8\nkey 8\nkey 8\n"  // an empty box: OK must not start anything
        "click " +
        e2e::inside(layout, "m_cgd_", "m_cgd_ok_btn") + "\n" +
        "key 13\n"
        "ticks 2\n"
        "state\n"  // 1: still open
        "click " +
        box + "\n" +  // the OK button took the typing away from the box
        "type 12\n"
        "ticks 1\n"
        "shot dialog.png\n"
        "click " +
        e2e::inside(layout, "m_cgd_", "m_cgd_ok_btn") + "\n" +
        "ticks 2\n"
        "state\n"  // 2: the level is being uncovered
        "ticks 200\n"
        "state\n"  // 3: uncovered
        "shot level.png\n"
        "key 27\n"
        "ticks 2\n"
        "click m_play_custom_btn\n"
        "ticks 2\n"
        "shot again.png\n"  // the dialog shows the stored choice
        "key 27\n"
        "ticks 2\n"
        "state\n";  // 4: cancelled: the custom game waits on the menu
    const e2e::DriveResult r = e2e::drive(dir, script);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 5u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["dialogs"], "1");
    EXPECT_EQ(fields(r.states[0])["game"], "0");
    EXPECT_EQ(fields(r.states[1])["dialogs"], "1") << "an empty level box started a game";
    EXPECT_EQ(fields(r.states[1])["game"], "0");
    auto started = fields(r.states[2]);
    EXPECT_EQ(started["screen"], "play");
    EXPECT_EQ(started["dialogs"], "0");
    EXPECT_EQ(started["level"], "12");
    EXPECT_EQ(started["set"], "2");
    EXPECT_EQ(started["revealing"], "1");
    auto played = fields(r.states[3]);
    EXPECT_EQ(played["revealing"], "0");
    EXPECT_EQ(played["level"], "12");
    EXPECT_EQ(played["lives"], "3");
    auto waiting = fields(r.states[4]);
    EXPECT_EQ(waiting["screen"], "menu");
    EXPECT_EQ(waiting["game"], "1");
    EXPECT_EQ(waiting["level"], "12");

    // The uncovered picture is level 12 of set 2, not the level of the same number in set 1.
    const Picture level = shot("level.png");
    ASSERT_GT(level.width, 0);
    const double set2 = match(level, level_rows(2, 12));
    const double set1 = match(level, level_rows(1, 12));
    EXPECT_GT(set2, 0.9);
    EXPECT_LT(set1, set2 - 0.1) << set1 << " / " << set2;
    // The score line under the playfield has text in it.
    EXPECT_GT(level.lit(0, 555, 800, 590), 500);

    // Reopened, the dialog shows the stored choice: the dots of Custom and Levels Set 2 are
    // lit, the other two radios are empty; the same as just before OK.
    const LayoutRect rect = layout_rect(layout, "m_cgd_");
    for (const char* file : {"dialog.png", "again.png"}) {
        const Picture p = shot(file);
        ASSERT_GT(p.width, 0);
        for (const auto& [radio, checked] :
             {std::pair{"m_cgd_game_type1_radio", true}, std::pair{"m_cgd_game_type2_radio", false},
              std::pair{"m_cgd_game_kind1_radio", false},
              std::pair{"m_cgd_game_kind2_radio", true}}) {
            const LayoutPoint at = layout_point_float(layout, radio);
            const int x = rect.x + static_cast<int>(at.x) + 12;
            const int y = rect.y + static_cast<int>(at.y) + 12;
            int bright = 0;
            for (int dy = 0; dy < 8; ++dy) {
                for (int dx = 0; dx < 8; ++dx) {
                    const uint8_t* px = p.at(x + dx, y + dy);
                    bright += px[0] + px[1] + px[2] > 360;
                }
            }
            if (checked) {
                EXPECT_GT(bright, 32) << file << " " << radio;
            } else {
                EXPECT_LT(bright, 4) << file << " " << radio;
            }
        }
    }
}

// Yellow help text, as a mask of rows x columns of the text area.
struct TextMask {
    static constexpr int kTop = 95, kBottom = 510, kLeft = 40, kRight = 780;
    std::vector<bool> on;
    explicit TextMask(const Picture& p) {
        for (int y = kTop; y < kBottom; ++y) {
            for (int x = kLeft; x < kRight; ++x) {
                const uint8_t* px = p.at(x, y);
                on.push_back(px[0] > 180 && px[1] > 180 && px[2] < 110);
            }
        }
    }
    bool at(int x, int y) const { return on[(y - kTop) * (kRight - kLeft) + (x - kLeft)]; }
    int count() const {
        int n = 0;
        for (bool b : on) {
            n += b;
        }
        return n;
    }
    // Share of this mask's text pixels in rows [from, to) found `dy` rows lower in `other`.
    double shifted_match(const TextMask& other, int dy, int from, int to) const {
        int mine = 0, both = 0;
        for (int y = from; y < to; ++y) {
            for (int x = kLeft; x < kRight; ++x) {
                if (at(x, y)) {
                    ++mine;
                    both += other.at(x, y + dy);
                }
            }
        }
        return mine ? static_cast<double>(both) / mine : 0.0;
    }
};

// Help: the down arrow moves the text up by two lines (50 units), the last page stops the
// scrolling, the up arrow goes back to the first page, and Escape closes; opened again, the
// help starts at the top.
TEST_F(DialogsE2E, HelpScrollsByItsArrowsStopsAtBothEndsAndClosesWithEscape) {
    const std::string down = "click " + e2e::inside(layout, "m_hd_", "m_hd_down_btn", 24, 24);
    const std::string up = "click " + e2e::inside(layout, "m_hd_", "m_hd_up_btn", 24, 24);
    std::string many_down, many_up;
    for (int i = 0; i < 80; ++i) {
        many_down += down + "\n";
        many_up += up + "\n";
    }
    const std::string script =
        "ticks 3\n"
        "click m_help_btn\n"
        "ticks 2\n"
        "state\n"
        "shot top.png\n" +
        down + "\nticks 1\nshot next.png\n" + many_down + "ticks 1\nshot end.png\n" + down +
        "\nticks 1\nshot end2.png\n" + many_up +
        "ticks 1\nshot back.png\n"
        "key 27\n"
        "ticks 2\n"
        "state\n"
        "click m_help_btn\n"
        "ticks 2\n"
        "shot reopened.png\n" +
        "key 13\nticks 2\nstate\n";
    const e2e::DriveResult r = e2e::drive(dir, script);
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 3u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["dialogs"], "1");
    EXPECT_EQ(fields(r.states[1])["dialogs"], "0");
    EXPECT_EQ(fields(r.states[1])["screen"], "menu");
    EXPECT_EQ(fields(r.states[2])["dialogs"], "0");

    const TextMask top(shot("top.png")), next(shot("next.png")), end(shot("end.png")),
        end2(shot("end2.png")), back(shot("back.png")), reopened(shot("reopened.png"));
    ASSERT_GT(top.count(), 2000) << "no help text";
    // One step down: what was at y + 50 is now at y.
    EXPECT_GT(top.shifted_match(next, -50, TextMask::kTop + 50, TextMask::kBottom), 0.9);
    EXPECT_LT(top.shifted_match(next, 0, TextMask::kTop, TextMask::kBottom), 0.8);
    // Far down, the last page; another step changes nothing.
    EXPECT_LT(end.shifted_match(top, 0, TextMask::kTop, TextMask::kBottom), 0.8);
    EXPECT_GT(end.count(), 1000);
    EXPECT_GT(end.shifted_match(end2, 0, TextMask::kTop, TextMask::kBottom), 0.98);
    EXPECT_GT(end2.shifted_match(end, 0, TextMask::kTop, TextMask::kBottom), 0.98);
    // All the way up is the first page again, and so is a new opening.
    EXPECT_GT(back.shifted_match(top, 0, TextMask::kTop, TextMask::kBottom), 0.98);
    EXPECT_GT(reopened.shifted_match(top, 0, TextMask::kTop, TextMask::kBottom), 0.98);
}

}  // namespace
