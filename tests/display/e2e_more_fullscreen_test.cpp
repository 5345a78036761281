// Full screen and back in the real program driven by quarrik-drive, each on an X server of the
// test's own: one whose one display mode is the game's 800x600, one of 1920x1080 where the
// picture is scaled, and windows whose size is not 800x600.

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
    // The window and its context outlive the switches; the log says which full screen it was.
    const std::string log = e2e::read_file(dir.path() + "/game/game.log");
    EXPECT_NE(log.find("Full screen: display mode 800x600"), std::string::npos) << log;
}

// Columns of the picture that are (nearly) black from top to bottom, counted from the left edge
// and from the right edge.
std::pair<int, int> black_edges(const e2e::Picture& p) {
    auto black_column = [&p](int x) { return p.lit(x, 0, x + 1, p.height) == 0; };
    int left = 0, right = 0;
    while (left < p.width && black_column(left)) {
        ++left;
    }
    while (right < p.width && black_column(p.width - 1 - right)) {
        ++right;
    }
    return {left, right};
}

// A 1920x1080 display has no 800x600 mode: the button covers the desktop with the picture
// scaled to 1440x1080 between black bars, clicks find the buttons at their scaled places and
// nothing in the bars, and F11 brings back the window's own size and place.
TEST(FullScreenE2E, AWideDisplayScalesThePictureBetweenBarsAndF11GivesTheWindowBack) {
    e2e::PrivateDisplay display(1920, 1080);
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    TempDir dir;
    e2e::copy_game(dir.path() + "/game");
    ParamFile settings;
    settings.set_int("m_window_width", 1000);
    settings.set_int("m_window_height", 900);
    settings.set_int("x", 100);
    settings.set_int("y", 80);
    ASSERT_TRUE(settings.save(dir.path() + "/game/data/dx.cfg", kSettingsKey));

    const e2e::DriveResult r = e2e::drive(dir,
                                          "ticks 3\n"
                                          "state\n"
                                          "click m_mm_fullscreen_btn\n"
                                          "ticks 3\n"
                                          "state\n"
                                          "shot full.png\n"
                                          "click m_mm_top7_1_btn\n"
                                          "ticks 2\n"
                                          "state\n"
                                          "key 27\n"
                                          "ticks 2\n"
                                          // Left of the picture, level with "New game set 1":
                                          // stretched, this pixel would be on the button.
                                          "click -50 160\n"
                                          "ticks 2\n"
                                          "state\n"
                                          "key 122\n"
                                          "ticks 2\n"
                                          "state\n"
                                          "shot back.png\n",
                                          display.name());
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 5u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["window"], "100,80,1000x900");
    EXPECT_EQ(fields(r.states[1])["full"], "1") << r.states[1];
    EXPECT_EQ(fields(r.states[1])["window"], "0,0,1920x1080");
    EXPECT_EQ(fields(r.states[2])["top"], "top7") << "the scaled button was missed";
    EXPECT_EQ(fields(r.states[3])["screen"], "menu") << "a click in a bar pressed something";
    EXPECT_EQ(fields(r.states[3])["dialogs"], "0");
    EXPECT_EQ(fields(r.states[4])["full"], "0");
    EXPECT_EQ(fields(r.states[4])["window"], "100,80,1000x900") << "F11 lost the window";

    e2e::Picture full;
    ASSERT_TRUE(e2e::read_picture(dir.path() + "/full.png", full));
    ASSERT_EQ(full.width, 1920);
    ASSERT_EQ(full.height, 1080);
    // 240 black columns on each side; the picture between them is drawn to its edges.
    const std::pair<int, int> bars = black_edges(full);
    EXPECT_EQ(bars.first, 240);
    EXPECT_EQ(bars.second, 240);
    EXPECT_GT(full.lit(240, 0, 250, 1080), 10 * 1080 / 2);
    EXPECT_GT(full.lit(1670, 0, 1680, 1080), 10 * 1080 / 2);
    EXPECT_GT(full.lit(240, 0, 1680, 20), 1440 * 20 / 2);

    e2e::Picture back;
    ASSERT_TRUE(e2e::read_picture(dir.path() + "/back.png", back));
    EXPECT_EQ(back.width, 1000);
    EXPECT_EQ(back.height, 900);
    const std::string log = e2e::read_file(dir.path() + "/game/game.log");
    EXPECT_NE(log.find("the picture is scaled to 1920x1080"), std::string::npos) << log;
}

// A 1280x720 window shows a 960x720 picture in its middle, not a stretched one; the menu's
// buttons are found there.
TEST(FullScreenE2E, AWideWindowCentresAnUnstretchedPicture) {
    TempDir dir;
    e2e::copy_game(dir.path() + "/game");
    ParamFile settings;
    settings.set_int("m_window_width", 1280);
    settings.set_int("m_window_height", 720);
    settings.set_int("x", 0);
    settings.set_int("y", 0);
    ASSERT_TRUE(settings.save(dir.path() + "/game/data/dx.cfg", kSettingsKey));
    const e2e::DriveResult r = e2e::drive(dir,
                                          "ticks 3\n"
                                          "shot wide.png\n"
                                          "click m_help_btn\n"
                                          "ticks 2\n"
                                          "state\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 1u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["top"], "help");
    e2e::Picture p;
    ASSERT_TRUE(e2e::read_picture(dir.path() + "/wide.png", p));
    ASSERT_EQ(p.width, 1280);
    ASSERT_EQ(p.height, 720);
    const std::pair<int, int> bars = black_edges(p);
    EXPECT_EQ(bars.first, 160);
    EXPECT_EQ(bars.second, 160);
}

}  // namespace
