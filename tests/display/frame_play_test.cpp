// A level played to its end on the real window, with the game's own data: the playfield, the
// actors and the score line must be on screen.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "game/play_screen.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "support/fake_keyboard.h"
#include "support/game_dir.h"
#include "support/level_rows.h"
#include "ui/screen.h"

namespace {

std::array<uint8_t, 4> pixel_at(const AppWindow& window, int x, int y_from_top) {
    std::array<uint8_t, 4> rgba{};
    glReadBuffer(GL_BACK);
    glReadPixels(x, window.height() - 1 - y_from_top, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

// The runner starts in the top row with the only gold two cells to the right.
std::vector<uint8_t> quick_level() {
    std::vector<std::string> rows = {"   ! *     $", "TTTTTTTTTTTTTTTT"};
    rows.resize(22);
    rows[21] = std::string(32, 'M');
    return test_levels::level_bytes(rows);
}

TEST(FramePlay, ALevelIsPlayedToItsEndWithTheScoreLineOnScreen) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
    InGameDir in_game;
    ASSERT_TRUE(in_game.entered());
    ASSERT_TRUE(platform::init());
    {
        GameApp app;
        AppWindow window("Quarrik", app);
        window.create_window("Quarrik", 0, 0, 800, 600);
        window.set_active(true);
        app.load_resources();
        // The playing keys come from a keyboard the test holds.
        auto keys = std::make_shared<FakeKeyboardKeys>();
        app.keyboard.create(std::make_unique<FakeKeyboardDevice>(keys));
        app.world.read_file = [](const std::string&, std::vector<uint8_t>& out) {
            out = quick_level();
            return true;
        };

        Screen menu;
        window.push_screen(&menu);
        std::srand(5);  // the guard's choices are random: make them the same every run
        PlayScreen play(app);
        window.push_screen(&play);

        int ticks = 0;
        while (play.field().reveal() || play.resume_delay() > 0) {
            window.run_tick();
            ASSERT_LT(++ticks, 400);
        }
        keys->press(app.config.m_right_key);
        while (!play.field().message()) {
            window.run_tick();
            ASSERT_LT(++ticks, 800) << "the level did not end";
        }
        keys->lift_all();
        EXPECT_GE(play.field().score(), 1500);
        window.tick(30);
        window.draw();

        // The score line: yellow-green text at the bottom left.
        int score_pixels = 0;
        for (int y = 560; y < 585; ++y) {
            for (int x = 50; x < 160; ++x) {
                const auto p = pixel_at(window, x, y);
                score_pixels += p[0] > 150 && p[1] > 170 && p[2] < 120;
            }
        }
        EXPECT_GT(score_pixels, 30);
        // The brick floor under the top row is drawn (not the black clear colour).
        int floor_pixels = 0;
        for (int x = 25; x < 400; x += 5) {
            const auto p = pixel_at(window, x, 37);
            floor_pixels += p[0] + p[1] + p[2] > 60;
        }
        EXPECT_GT(floor_pixels, 50);
        // The guard, tinted magenta, is somewhere in the top row.
        int guard_pixels = 0;
        for (int y = 2; y < 23; ++y) {
            for (int x = 0; x < 800; ++x) {
                const auto p = pixel_at(window, x, y);
                guard_pixels += p[0] > 120 && p[2] > 120 && p[1] < 100;  // tinted magenta
            }
        }
        EXPECT_GT(guard_pixels, 5);
        window.destroy_window();
    }
    platform::shutdown();
}

}  // namespace
