// The whole program played from scripts by quarrik-drive, in a private copy of the game
// directory: what a player does from the first start to the next one.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "e2e_support.h"

namespace {

using e2e::drive;
using e2e::DriveResult;
using e2e::fields;
using e2e::read_file;
namespace fs = std::filesystem;

float runner_x(const std::string& line) {
    return std::stof(fields(line)["runner"]);
}

using Drive = e2e::GameCopyTest;
using e2e::be32;

// First start: menu, a level uncovered and played (run, gold, a hole), out to the menu and
// back, quit; then a second start that continues the saved game.
TEST_F(Drive, FirstRunPlaysALevelQuitsAndTheNextStartContinuesTheSavedGame) {
    const DriveResult first = drive(dir,
                                    "ticks 3\n"
                                    "state\n"  // 0: the main menu, no game yet
                                    "seed 7\n"
                                    "click m_zelm1_game_btn\n"
                                    "ticks 1\n"
                                    "state\n"  // 1: the level is being uncovered
                                    "ticks 200\n"
                                    "state\n"  // 2: uncovered, runner standing
                                    "shot level.png\n"
                                    "hold 205\n"
                                    "ticks 20\n"
                                    "release 205\n"
                                    "state\n"  // 3: the runner went right
                                    // Level 1 of set 1 has gold along the floor to the right.
                                    "hold 205\n"
                                    "ticks 200\n"
                                    "release 205\n"
                                    "state\n"  // 4: gold taken
                                    "hold 203\n"
                                    "ticks 3\n"
                                    "release 203\n"
                                    "hold 57\n"
                                    "ticks 3\n"
                                    "release 57\n"
                                    "ticks 3\n"
                                    "state\n"  // 5: a hole dug to the left
                                    "key 27\n"
                                    "ticks 2\n"
                                    "state\n"  // 6: back on the menu with the game waiting
                                    "click m_continue_single_game_btn\n"
                                    "ticks 10\n"
                                    "state\n"  // 7: playing again
                                    "key 27\n"
                                    "ticks 2\n"
                                    "key 27\n"  // quit from the menu
                                    "assert_file data/dx.cfg\n"
                                    "assert_file data/save.sav\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    ASSERT_EQ(first.states.size(), 8u) << first.errors;
    auto menu = fields(first.states[0]);
    EXPECT_EQ(menu["screen"], "menu");
    EXPECT_EQ(menu["game"], "0");
    auto revealing = fields(first.states[1]);
    EXPECT_EQ(revealing["screen"], "play");
    EXPECT_EQ(revealing["level"], "1");
    EXPECT_EQ(revealing["revealing"], "1");
    EXPECT_EQ(fields(first.states[2])["revealing"], "0");
    EXPECT_GT(runner_x(first.states[3]), runner_x(first.states[2]) + 1.0f)
        << first.states[2] << " / " << first.states[3];
    auto walked = fields(first.states[3]);
    auto gold = fields(first.states[4]);
    EXPECT_LT(std::stoi(gold["gold"]), std::stoi(walked["gold"])) << first.states[4];
    EXPECT_GT(std::stoi(gold["score"]), 0);
    EXPECT_LT(std::stoi(fields(first.states[5])["solid"]), std::stoi(gold["solid"]))
        << "no hole was dug: " << first.states[5];
    auto back = fields(first.states[6]);
    EXPECT_EQ(back["screen"], "menu");
    EXPECT_EQ(back["game"], "1");
    EXPECT_EQ(fields(first.states[7])["screen"], "play");
    EXPECT_TRUE(fs::exists(game_file("game.log")));

    // The screenshot: an 800x600 PNG with a picture in it (the image bytes are stored).
    const std::string png = read_file(dir.path() + "/level.png");
    ASSERT_GT(png.size(), 800u * 600u * 3u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(be32(png, 16), 800u);
    EXPECT_EQ(be32(png, 20), 600u);
    size_t lit = 0;
    for (size_t i = 64; i < png.size(); ++i) {
        lit += png[i] != 0;
    }
    EXPECT_GT(lit, png.size() / 10) << "the level screenshot is nearly black";

    const DriveResult second = drive(dir,
                                     "ticks 3\n"
                                     "state\n"
                                     "click m_continue_single_game_btn\n"
                                     "ticks 5\n"
                                     "state\n"
                                     "key 27\n"
                                     "ticks 1\n"
                                     "key 27\n");
    ASSERT_EQ(second.status, 0) << second.errors;
    ASSERT_EQ(second.states.size(), 2u) << second.errors;
    EXPECT_EQ(fields(second.states[0])["game"], "1") << "the saved game was not picked up";
    auto resumed = fields(second.states[1]);
    EXPECT_EQ(resumed["screen"], "play");
    EXPECT_EQ(resumed["level"], "1");
    EXPECT_EQ(resumed["lives"], "3");
}

// A script that cannot be right fails with the line named, and nothing after it runs.
TEST_F(Drive, FailedStepsStopTheScriptAndNameTheLine) {
    DriveResult r = drive(dir, "ticks 2\nassert_file data/no_such_file\nstate\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("line 2"), std::string::npos) << r.errors;
    EXPECT_TRUE(r.states.empty());

    // The menu's background is not pure magenta anywhere near the top-left corner.
    r = drive(dir, "ticks 2\nassert_pixel 5 5 255 0 255 0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("pixel 5,5 is"), std::string::npos) << r.errors;

    r = drive(dir, "click no_such_button\n");
    EXPECT_EQ(r.status, 1);

    r = drive(dir, "ticks 2\nkey 27\nticks 1\n");
    EXPECT_EQ(r.status, 1) << "ticks after the program quit";
    EXPECT_NE(r.errors.find("already ended"), std::string::npos) << r.errors;

    // Malformed lines are refused before the program starts.
    fs::remove(game_file("game.log"));
    for (const char* bad :
         {"ticks\n", "hold 300\n", "jump 3\n", "move 1 two\n", "shot\n", "key 255\n", "hold 0\n"}) {
        r = drive(dir, bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.errors.find("line 1"), std::string::npos) << bad << r.errors;
    }
    EXPECT_FALSE(fs::exists(game_file("game.log"))) << "a bad script started the program";
}

}  // namespace
