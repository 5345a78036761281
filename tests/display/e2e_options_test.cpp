// The options dialog used through the real program and real window-system events: a key
// read by a key reader, the skin stepped with the arrows, the music volume; closed, quit,
// started again: the choices are back in the settings file, in the dialog and in play.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "app/game_app.h"
#include "e2e_support.h"
#include "ui/layout.h"

namespace {

using e2e::fields;
using e2e::Picture;

using OptionsE2E = e2e::GameCopyTest;

// A rectangle of the options dialog in 800x600 coordinates.
struct Region {
    int x0, y0, x1, y1;
};

Region dialog_region(const ParamFile& layout, float x, float y, int width, int height) {
    const LayoutRect od = layout_rect(layout, "m_od_");
    const int left = od.x + static_cast<int>(x), top = od.y + static_cast<int>(y);
    return {std::max(left, 0), std::max(top, 0), std::min(left + width, 800),
            std::min(top + height, 600)};
}

int changed(const Picture& a, const Picture& b, const Region& r) {
    return a.width && b.width ? a.changed(b, r.x0, r.y0, r.x1, r.y1) : -1;
}

struct SavedOptions {
    bool read = false;
    int fire_key = -1;
    int left_key = -1;
    int volume = -1;
    int skin = -1;
    int skins = -1;
};

// The settings file as the game's own loader reads it, in the game directory.
SavedOptions load_options_in(const std::string& game_dir) {
    SavedOptions out;
    char old_dir[PATH_MAX];
    if (!getcwd(old_dir, sizeof old_dir) || chdir(game_dir.c_str()) != 0) {
        return out;
    }
    {
        GameApp app;
        out.read = app.load_settings();
        out.fire_key = app.config.m_fire_key;
        out.left_key = app.config.m_left_key;
        out.volume = app.m_music_volume;
        if (app.resources) {
            out.skin = app.resources->current_skin();
            out.skins = app.resources->skin_count();
        }
    }
    EXPECT_EQ(chdir(old_dir), 0);
    return out;
}

TEST_F(OptionsE2E, KeySkinAndVolumeSurviveARestart) {
    const e2e::DriveResult first = e2e::drive(dir,
                                              "ticks 3\n"
                                              "state\n"  // 0: the first start's defaults
                                              "click m_options_btn\n"
                                              "ticks 2\n"
                                              "shot before.png\n"
                                              // A key read but the dialog left with Escape:
                                              // not kept.
                                              "click m_od_left_key\n"
                                              "key 65\n"
                                              "key 27\n"
                                              "ticks 2\n"
                                              "state\n"  // 1
                                              "click m_options_btn\n"
                                              "ticks 2\n"
                                              "click m_od_fire_key\n"
                                              "key 90\n"                    // Z
                                              "click m_od_skin_down_btn\n"  // wraps to the last
                                              "click m_od_volume5\n"
                                              "ticks 1\n"
                                              "state\n"  // 2: the key waits for Close
                                              "shot changed.png\n"
                                              "click m_od_close_btn\n"
                                              "ticks 2\n"
                                              "state\n"  // 3
                                              "key 27\n"
                                              "assert_file data/dx.cfg\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    ASSERT_EQ(first.states.size(), 4u) << first.errors;
    auto defaults = fields(first.states[0]);
    EXPECT_EQ(defaults["skin"], "0");
    EXPECT_EQ(defaults["volume"], "3");
    EXPECT_EQ(defaults["keys"], "203,205,200,208,57,37");
    auto escaped = fields(first.states[1]);
    EXPECT_EQ(escaped["top"], "none");
    EXPECT_EQ(escaped["keys"], "203,205,200,208,57,37") << "a key kept without Close";
    auto open = fields(first.states[2]);
    EXPECT_EQ(open["top"], "options");
    EXPECT_EQ(open["keys"], "203,205,200,208,57,37");
    EXPECT_EQ(open["volume"], "5");
    const int last_skin = std::stoi(open["skin"]);
    EXPECT_GT(last_skin, 0) << "the left arrow did not wrap to the last skin";
    auto closed = fields(first.states[3]);
    EXPECT_EQ(closed["top"], "none");
    EXPECT_EQ(closed["keys"], "203,205,200,208,44,37");
    EXPECT_EQ(closed["skin"], open["skin"]);
    EXPECT_EQ(closed["volume"], "5");

    // The file, through the game's own loader.
    const SavedOptions saved = load_options_in(dir.path() + "/game");
    EXPECT_TRUE(saved.read);
    EXPECT_EQ(saved.fire_key, 44);
    EXPECT_EQ(saved.left_key, 203);
    EXPECT_EQ(saved.volume, 5);
    EXPECT_EQ(saved.skin, last_skin);
    EXPECT_EQ(saved.skins, last_skin + 1);

    // The dialog's picture changed where the choices are shown: the fire key's caption, the
    // skin preview and the volume boxes (box i at 150 + 35 i, 495 in the dialog).
    const ParamFile layout = e2e::game_layout();
    const LayoutPoint fire = layout_point_float(layout, "m_od_fire_key_");
    const LayoutPoint preview = layout_point_float(layout, "m_od_skin_");
    const Region fire_caption = dialog_region(layout, fire.x, fire.y, 250, 30);
    const Region preview_cells = dialog_region(layout, preview.x, preview.y - 5, 150, 35);
    const Region volume_boxes = dialog_region(layout, 150, 490, 245, 30);
    const Picture before = shot("before.png");
    const Picture after = shot("changed.png");
    EXPECT_GT(changed(after, before, fire_caption), 50) << "the fire key still shows SPACE";
    EXPECT_GT(changed(after, before, preview_cells), 200) << "the preview kept the old skin";
    EXPECT_GT(changed(after, before, volume_boxes), 50) << "the volume boxes did not change";

    // The next start: the same choices in the state, in the dialog and in play.
    const e2e::DriveResult second = e2e::drive(dir,
                                               "ticks 3\n"
                                               "state\n"  // 0
                                               "click m_options_btn\n"
                                               "ticks 2\n"
                                               "shot again.png\n"
                                               "key 27\n"
                                               "ticks 2\n"
                                               "seed 3\n"
                                               "click m_zelm1_game_btn\n"
                                               "ticks 150\n"
                                               "state\n"    // 1: standing at the start
                                               "hold 57\n"  // Space digs no more
                                               "ticks 3\n"
                                               "release 57\n"
                                               "ticks 3\n"
                                               "state\n"    // 2
                                               "hold 44\n"  // Z does
                                               "ticks 3\n"
                                               "release 44\n"
                                               "ticks 3\n"
                                               "state\n"  // 3
                                               "key 27\n"
                                               "ticks 2\n"
                                               "key 27\n");
    ASSERT_EQ(second.status, 0) << second.errors;
    ASSERT_EQ(second.states.size(), 4u) << second.errors;
    auto back = fields(second.states[0]);
    EXPECT_EQ(back["keys"], "203,205,200,208,44,37");
    EXPECT_EQ(back["skin"], std::to_string(last_skin));
    EXPECT_EQ(back["volume"], "5");
    const int solid = std::stoi(fields(second.states[1])["solid"]);
    EXPECT_EQ(std::stoi(fields(second.states[2])["solid"]), solid) << "Space still digs";
    EXPECT_EQ(std::stoi(fields(second.states[3])["solid"]), solid - 1) << "Z does not dig";

    const Picture again = shot("again.png");
    EXPECT_LT(changed(again, after, fire_caption), 20);
    EXPECT_LT(changed(again, after, preview_cells), 20);
    EXPECT_LT(changed(again, after, volume_boxes), 20);
    EXPECT_LT(changed(again, after, {0, 0, 400, 600}), 200) << "the dialog looks different";
}

}  // namespace
