// The pause and gamepads in the real program driven by quarrik-drive.

#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace {

using e2e::drive;
using e2e::DriveResult;
using e2e::fields;

using PauseAndPads = e2e::GameCopyTest;

// Yellow pixels (the "Paused" letters) in a band across the middle of the screen.
int yellow_in_middle(const e2e::Picture& p) {
    int n = 0;
    for (int y = p.height / 2 - 60; y < p.height / 2 + 20; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const uint8_t* c = p.at(x, y);
            n += c[0] > 200 && c[1] > 200 && c[2] < 90;
        }
    }
    return n;
}

// P stops the world with the runner's key still held: 100 ticks later nothing has moved, the
// sound is held too, the picture is dimmed with "Paused" over it; any key goes on.
TEST_F(PauseAndPads, PStopsTheWorldForAHundredTicksAndAnyKeyGoesOn) {
    const DriveResult r = drive(dir,
                                "ticks 3\n"
                                "seed 7\n"
                                "click m_zelm1_game_btn\n"
                                "ticks 200\n"
                                "hold 205\n"
                                "ticks 10\n"
                                "shot playing.png\n"
                                "key 80\n"
                                "state\n"
                                "ticks 100\n"
                                "state\n"
                                "shot paused.png\n"
                                "key 65\n"
                                "ticks 10\n"
                                "release 205\n"
                                "state\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 3u) << r.errors;
    EXPECT_EQ(fields(r.states[0])["paused"], "1") << r.states[0];
    EXPECT_EQ(fields(r.states[0])["sound_paused"], "1");
    EXPECT_EQ(r.states[0], r.states[1]) << "the world moved while paused";
    EXPECT_EQ(fields(r.states[2])["paused"], "0");
    EXPECT_EQ(fields(r.states[2])["sound_paused"], "0");
    EXPECT_GT(std::stof(fields(r.states[2])["runner"]), std::stof(fields(r.states[1])["runner"]))
        << "the runner did not go on";

    const e2e::Picture playing = shot("playing.png");
    const e2e::Picture paused = shot("paused.png");
    ASSERT_GT(paused.width, 0);
    EXPECT_LT(paused.lit(0, 0, 800, 600), playing.lit(0, 0, 800, 600)) << "not dimmed";
    EXPECT_GT(yellow_in_middle(paused), 200) << "no \"Paused\"";
}

// A virtual controller plays a level: the south button starts a game from the menu, the d-pad
// runs, the south button digs, Start pauses, a brush of the west button costs nothing, the
// controller is pulled out and plugged in again mid-level, and Back leaves to the menu.
TEST_F(PauseAndPads, AControllerPlaysALevelAndSurvivesBeingUnplugged) {
    const DriveResult r = drive(dir,
                                "ticks 3\n"
                                "seed 7\n"
                                "pad attach\n"
                                "ticks 1\n"
                                "pad press a\n"  // shows the focus on the first button
                                "state\n"        // 0
                                "pad press a\n"  // New game set 1
                                "ticks 200\n"
                                "state\n"  // 1: playing, standing
                                "pad hold right\n"
                                "ticks 20\n"
                                "pad release right\n"
                                "state\n"  // 2: ran right
                                "pad hold left\n"
                                "ticks 3\n"
                                "pad release left\n"
                                "pad hold a\n"
                                "ticks 3\n"
                                "pad release a\n"
                                "ticks 3\n"
                                "state\n"  // 3: a hole dug
                                "pad press start\n"
                                "ticks 20\n"
                                "state\n"  // 4: paused
                                "pad press a\n"
                                "pad hold x\n"
                                "ticks 5\n"
                                "pad release x\n"
                                "ticks 100\n"
                                "state\n"  // 5: going on, no life lost
                                "pad detach\n"
                                "ticks 5\n"
                                "state\n"  // 6: no pad, still playing
                                "pad attach\n"
                                "pad stick 32767 0\n"
                                "ticks 10\n"
                                "pad stick 0 0\n"
                                "ticks 1\n"
                                "state\n"  // 7: the stick ran the runner again
                                "pad press back\n"
                                "ticks 2\n"
                                "state\n");  // 8: the menu
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 9u) << r.errors;
    auto s = [&r](size_t i) { return fields(r.states[i]); };
    EXPECT_EQ(s(0)["pads"], "1") << r.states[0];
    EXPECT_EQ(s(0)["focus"], "0");
    EXPECT_EQ(s(1)["screen"], "play") << r.states[1];
    EXPECT_GT(std::stof(s(2)["runner"]), std::stof(s(1)["runner"])) << r.states[2];
    EXPECT_LT(std::stoi(s(3)["solid"]), std::stoi(s(2)["solid"])) << "no hole dug";
    EXPECT_EQ(s(4)["paused"], "1");
    EXPECT_EQ(s(5)["paused"], "0");
    EXPECT_EQ(s(5)["lives"], s(1)["lives"]) << "a brush of the give-up button cost a life";
    EXPECT_EQ(s(6)["pads"], "0");
    EXPECT_EQ(s(6)["screen"], "play");
    EXPECT_EQ(s(7)["pads"], "1");
    EXPECT_GT(std::stof(s(7)["runner"]), std::stof(s(6)["runner"])) << r.states[7];
    EXPECT_EQ(s(8)["screen"], "menu");
}

// Holding the west button for a moment gives up the life.
TEST_F(PauseAndPads, HoldingTheWestButtonGivesUpTheLife) {
    const DriveResult r = drive(dir,
                                "ticks 3\n"
                                "click m_zelm1_game_btn\n"
                                "pad attach\n"
                                "ticks 200\n"
                                "state\n"
                                "pad hold x\n"
                                "ticks 20\n"
                                "pad release x\n"
                                "ticks 250\n"
                                "state\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 2u) << r.errors;
    EXPECT_EQ(std::stoi(fields(r.states[1])["lives"]), std::stoi(fields(r.states[0])["lives"]) - 1)
        << r.states[1];
}

// Menus and dialogs from the pad and the keyboard: the d-pad moves the focus to "Top 7 set 1",
// south opens it, east closes it; Tab and Space do the same from the keyboard, and in the
// dialog the pad presses its own close button.
TEST_F(PauseAndPads, DialogsOpenAndCloseFromThePadAndTheKeyboardFocus) {
    const DriveResult r = drive(dir,
                                "ticks 3\n"
                                "pad attach\n"
                                "pad press a\n"
                                "pad press right\n"
                                "state\n"  // 0: focus on Top 7 set 1
                                "pad press a\n"
                                "ticks 1\n"
                                "state\n"  // 1: the Top 7
                                "pad press b\n"
                                "ticks 2\n"
                                "state\n"  // 2: closed
                                "key 9\n"
                                "key 32\n"
                                "ticks 1\n"
                                "state\n"  // 3: Tab went on to Top 7 set 2, Space opened it
                                "pad press a\n"
                                "pad press a\n"
                                "ticks 2\n"
                                "state\n");  // 4: its close button pressed from the pad
    ASSERT_EQ(r.status, 0) << r.errors;
    ASSERT_EQ(r.states.size(), 5u) << r.errors;
    auto s = [&r](size_t i) { return fields(r.states[i]); };
    EXPECT_EQ(s(0)["focus"], "5") << r.states[0];
    EXPECT_EQ(s(1)["top"], "top7");
    EXPECT_EQ(s(2)["dialogs"], "0");
    EXPECT_EQ(s(3)["top"], "top7") << r.states[3];
    EXPECT_EQ(s(4)["dialogs"], "0") << r.states[4];
}

}  // namespace
