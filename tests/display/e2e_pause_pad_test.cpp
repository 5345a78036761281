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

}  // namespace
