// Full screen and back through the main menu's button, in the real program driven by
// quarrik-drive, on an X server of the test's own whose one display mode is the game's 800x600.

#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace {

using e2e::fields;

// A window of 640x480 at (60, 50) from the settings file: the switch to 800x600 full screen and
// back must bring that window back where it was, and every picture in between is drawn.
TEST(FullScreenE2E, FullScreenAndBackRestoresTheWindowAndKeepsDrawing) {
    e2e::PrivateDisplay display(800, 600);
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    TempDir dir;
    e2e::copy_game(dir.path() + "/game");
    ParamFile settings;
    settings.set_int("m_window_width", 640);
    settings.set_int("m_window_height", 480);
    settings.set_int("x", 60);
    settings.set_int("y", 50);
    settings.set_int("m_autosave", 1);
    ASSERT_TRUE(settings.save(dir.path() + "/game/data/dx.cfg", kSettingsKey));

    const e2e::DriveResult r = e2e::drive(dir,
                                          "ticks 3\n"
                                          "state\n"
                                          "shot window.png\n"
                                          "click m_mm_fullscreen_btn\n"
                                          "ticks 3\n"
                                          "state\n"
                                          "shot full.png\n"
                                          // A game in full screen, then back to the menu.
                                          "click m_zelm1_game_btn\n"
                                          "ticks 200\n"
                                          "shot full_play.png\n"
                                          "key 27\n"
                                          "ticks 2\n"
                                          "click m_mm_fullscreen_btn\n"
                                          "ticks 3\n"
                                          "state\n"
                                          "shot back.png\n"
                                          "click m_continue_single_game_btn\n"
                                          "ticks 5\n"
                                          "state\n"
                                          "shot back_play.png\n",
                                          display.name());
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 4u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["window"], "60,50,640x480");
    EXPECT_EQ(fields(r.states[0])["full"], "0");
    auto full = fields(r.states[1]);
    EXPECT_EQ(full["full"], "1") << r.states[1];
    EXPECT_EQ(full["window"], "0,0,800x600");
    auto back = fields(r.states[2]);
    EXPECT_EQ(back["full"], "0");
    EXPECT_EQ(back["window"], "60,50,640x480") << "the window did not come back where it was";
    auto play = fields(r.states[3]);
    EXPECT_EQ(play["screen"], "play");
    EXPECT_EQ(play["level"], "1");

    // Each picture has the window's size and is drawn all over (the menu and the level fill
    // the logical screen, scaled to the window).
    struct Expected {
        const char* file;
        int width, height;
    } const shots[] = {{"window.png", 640, 480},
                       {"full.png", 800, 600},
                       {"full_play.png", 800, 600},
                       {"back.png", 640, 480},
                       {"back_play.png", 640, 480}};
    for (const Expected& s : shots) {
        e2e::Picture p;
        ASSERT_TRUE(e2e::read_picture(dir.path() + "/" + s.file, p)) << s.file;
        EXPECT_EQ(p.width, s.width) << s.file;
        EXPECT_EQ(p.height, s.height) << s.file;
        // Every quarter of the picture has something drawn in it.
        for (int q = 0; q < 4; ++q) {
            const int x0 = (q % 2) * p.width / 2, y0 = (q / 2) * p.height / 2;
            EXPECT_GT(p.lit(x0, y0, x0 + p.width / 2, y0 + p.height / 2), p.width * p.height / 40)
                << s.file << " quarter " << q;
        }
    }
    // The log has the graphics lines once per window: start, full screen, back.
    const std::string log = e2e::read_file(dir.path() + "/game/game.log");
    size_t windows = 0;
    for (size_t at = log.find("Renderer: "); at != std::string::npos;
         at = log.find("Renderer: ", at + 1)) {
        ++windows;
    }
    EXPECT_EQ(windows, 3u) << log;
}

}  // namespace

// A display that cannot take 800x600 (its one mode is 1024x768): the button leaves the game in
// an 800x600 window centred on the desktop, not in full screen, and the game goes on drawing
// there; asked again, it stays a window.
TEST(FullScreenE2E, ADisplayWithoutTheModeLeavesACentredWindowThatKeepsDrawing) {
    e2e::PrivateDisplay display(1024, 768);
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    TempDir dir;
    e2e::copy_game(dir.path() + "/game");
    const e2e::DriveResult r = e2e::drive(dir,
                                          "ticks 3\n"
                                          "state\n"
                                          "click m_mm_fullscreen_btn\n"
                                          "ticks 3\n"
                                          "state\n"
                                          "shot fallback.png\n"
                                          "click m_mm_fullscreen_btn\n"
                                          "ticks 3\n"
                                          "state\n",
                                          display.name());
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 3u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["window"], "112,84,800x600");
    for (size_t i = 1; i < 3; ++i) {
        auto after = fields(r.states[i]);
        EXPECT_EQ(after["full"], "0") << r.states[i];
        EXPECT_EQ(after["window"], "112,84,800x600") << r.states[i];
        EXPECT_EQ(after["screen"], "menu");
    }
    e2e::Picture p;
    ASSERT_TRUE(e2e::read_picture(dir.path() + "/fallback.png", p));
    EXPECT_EQ(p.width, 800);
    // The new window's projection is set up: the menu fills it, not one corner of it.
    for (int q = 0; q < 4; ++q) {
        const int x0 = (q % 2) * 400, y0 = (q / 2) * 300;
        EXPECT_GT(p.lit(x0, y0, x0 + 400, y0 + 300), 400 * 300 / 3) << "quarter " << q;
    }
}
