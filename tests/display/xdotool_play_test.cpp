// The real quarrik executable played with real X input from xdotool: a click on a main menu
// button, arrow keys held down, the die key, Escape to the menu and Escape to quit; then the
// files the program leaves in its directory. It runs on an X server of its own, so no other
// test's window can take the pointer or the keyboard focus.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "e2e_support.h"
#include "support/child_process.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test_support::wait_for;
using test_support::xdotool;

bool load(ParamFile& file, const std::string& path, const char* key) {
    return fs::exists(path) && file.load_file(path, true, key);
}

int number(const ParamFile& file, const char* key) {
    return ParamFile::to_int(file.get(key, "-999"));
}

// A first run: the window appears centred on the 1024x768 desktop, a click on "new game, set 1"
// starts level 1 (autosave is on for a first run), Right held runs the runner along the bottom
// floor to the gold, K gives up a life (the level starts again and is saved with the lives
// left and the points), Escape goes to the menu and Escape quits.
TEST(XdotoolPlay, RealInputPlaysALevelAndTheProgramLeavesItsFiles) {
    e2e::PrivateDisplay display(1024, 768);
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    ASSERT_FALSE(xdotool(display.name(), "version").empty()) << "xdotool is missing";
    TempDir dir;
    const std::string game = dir.path() + "/game";
    e2e::copy_game(game);
    ASSERT_TRUE(fs::exists(game + "/quarrik"));
    const std::string save_path = game + "/data/save.sav";
    ASSERT_FALSE(fs::exists(save_path));

    const std::string log_path = game + "/game.log";
    const std::string output_path = dir.path() + "/output.txt";
    test_support::ChildProcess process(
        {{game + "/quarrik"},
         {{"DISPLAY", display.name()}, {"SDL_AUDIODRIVER", "dummy"}, {"QUARRIK_TICK_STATS", "1"}},
         output_path});
    ASSERT_TRUE(process.started());
    const auto report = [&] {
        return "the program " + process.status() + "\ngame.log:\n" + e2e::read_file(log_path) +
               "output:\n" + e2e::read_file(output_path);
    };
    // Start-up on a busy machine can be slow: the waits are generous, and bounded.
    const std::string window = test_support::wait_for_window(display.name(), "Quarrik", 60s);
    ASSERT_FALSE(window.empty()) << "no window; " << report();
    const std::string geometry = xdotool(display.name(), "getwindowgeometry " + window);
    EXPECT_NE(geometry.find("Position: 112,84"), std::string::npos) << geometry;
    EXPECT_NE(geometry.find("Geometry: 800x600"), std::string::npos) << geometry;

    // The button's place in window pixels: the window is 800x600, the logical screen's size.
    const LayoutPoint button = layout_point_int(e2e::game_layout(), "m_zelm1_game_btn");
    const std::string click = "mousemove --window " + window + " " +
                              std::to_string(static_cast<int>(button.x) + 20) + " " +
                              std::to_string(static_cast<int>(button.y) + 20) + " click 1";
    // The first frame of the main menu is logged (with the tick statistics asked for).
    ASSERT_TRUE(wait_for(
        [&] {
            return e2e::read_file(log_path).find("main menu first frame shown") !=
                   std::string::npos;
        },
        60s))
        << "the main menu did not show; " << report();
    // Without a window manager nothing gives the window the keyboard focus, and the game
    // only runs while it has it: set it, and make sure it took.
    ASSERT_TRUE(test_support::focus_window(display.name(), window, 10s))
        << "the window did not take the focus";
    xdotool(display.name(), click);

    // Right is held from here on. The level is uncovered for six seconds, then the run to the
    // gold 29 cells away takes five and a half; then K (held until the game is seen to take it:
    // the polled keys are read once a tick) costs a life, and the level starts again, saved
    // with the points. A loaded machine runs the game slower than the clock, so when no points
    // were saved the runner gets a second, longer try.
    xdotool(display.name(), "keydown Right");
    ParamFile saved;
    int lives = 3;
    for (const auto run : {13s, 25s}) {
        std::this_thread::sleep_for(run);
        xdotool(display.name(), "keydown k");
        // The dissolve after a death takes seconds, many more on a loaded machine.
        const bool died = wait_for(
            [&] {
                return load(saved, save_path, kSavedGameKey) &&
                       number(saved, "gf_m_lifes_count_at_level_begin") == lives - 1;
            },
            60s);
        xdotool(display.name(), "keyup k");
        ASSERT_TRUE(died) << "the die key did not cost a life; " << report();
        --lives;
        if (number(saved, "gf_m_score_at_level_begin") > 0) {
            break;
        }
    }
    xdotool(display.name(), "keyup Right");
    xdotool(display.name(), "key Escape");
    std::this_thread::sleep_for(500ms);
    xdotool(display.name(), "key Escape");
    EXPECT_EQ(process.wait_exit(30s), 0) << "the program did not quit with Escape; " << report();

    // The log: the graphics lines between two lines of dashes, and the closing line last.
    const std::string log = e2e::read_file(log_path);
    const std::string dashes(51, '-');
    EXPECT_EQ(log.rfind(dashes + "\nVendor: ", 0), 0u) << log;
    EXPECT_NE(log.find("\nRenderer: "), std::string::npos) << log;
    EXPECT_GE(log.size(), 12u);
    EXPECT_EQ(log.substr(log.size() - 12), "Closing Log\n") << log;

    // The saved game: level 1, the lives left, the gold's points, not over.
    ASSERT_TRUE(load(saved, save_path, kSavedGameKey));
    EXPECT_EQ(number(saved, "gf_m_level_current"), 1);
    EXPECT_EQ(number(saved, "gf_m_lifes_count_at_level_begin"), lives);
    EXPECT_GT(number(saved, "gf_m_score_at_level_begin"), 0) << "the runner took no gold\n" << log;
    EXPECT_EQ(number(saved, "gf_m_is_game_over"), 0);
    EXPECT_EQ(number(saved, "gf_m_custom_game"), 0);

    // The settings: a first run's values, and the window's place on the desktop.
    ParamFile settings;
    ASSERT_TRUE(load(settings, game + "/data/dx.cfg", kSettingsKey));
    EXPECT_EQ(number(settings, "x"), 112);
    EXPECT_EQ(number(settings, "y"), 84);
    EXPECT_EQ(number(settings, "m_window_width"), 800);
    EXPECT_EQ(number(settings, "m_window_height"), 600);
    EXPECT_EQ(number(settings, "m_autosave"), 1);
    EXPECT_EQ(number(settings, "m_left_key"), 203);
    EXPECT_EQ(number(settings, "m_fire_key"), 57);
    // Both score tables are written at exit, still empty: no game has ended.
    ParamFile scores;
    EXPECT_TRUE(load(scores, game + "/data/scores1.tab", kScoreKey));
    EXPECT_EQ(number(scores, "num"), 0);
    EXPECT_TRUE(fs::exists(game + "/data/scores2.tab"));
}

}  // namespace
