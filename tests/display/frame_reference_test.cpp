// The main menu, the options dialog over it and a level in play, rendered with the game's own
// data and compared with stored pictures: changes made for a cheaper frame must not change what
// the player sees. QUARRIK_WRITE_REFERENCES=DIR writes the pictures there instead (to renew
// the references after a wanted change of looks).

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "core/game_log.h"
#include "game/play_screen.h"
#include "game/playfield_renderer.h"
#include "platform/platform.h"
#include "support/fake_keyboard.h"
#include "support/game_dir.h"
#include "support/temp_dir.h"
#include "ui/main_menu.h"
#include "world/playfield.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

using Rgb = std::vector<unsigned char>;

// The back buffer, top row first.
Rgb read_frame() {
    Rgb rows(static_cast<std::size_t>(kWidth) * kHeight * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
    Rgb flipped(rows.size());
    const std::size_t row = static_cast<std::size_t>(kWidth) * 3;
    for (int y = 0; y < kHeight; ++y) {
        std::copy_n(rows.begin() + static_cast<long>(row * (kHeight - 1 - y)), row,
                    flipped.begin() + static_cast<long>(row * y));
    }
    return flipped;
}

bool write_ppm(const std::string& path, const Rgb& rgb) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", kWidth, kHeight);
    const bool ok = std::fwrite(rgb.data(), 1, rgb.size(), f) == rgb.size();
    return std::fclose(f) == 0 && ok;
}

bool read_ppm(const std::string& path, Rgb& rgb) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return false;
    }
    int w = 0, h = 0, max = 0;
    rgb.assign(static_cast<std::size_t>(kWidth) * kHeight * 3, 0);
    const bool ok = std::fscanf(f, "P6 %d %d %d", &w, &h, &max) == 3 && std::fgetc(f) == '\n' &&
                    w == kWidth && h == kHeight && max == 255 &&
                    std::fread(rgb.data(), 1, rgb.size(), f) == rgb.size();
    std::fclose(f);
    return ok;
}

// Renderers may round a filtered texel or a blended edge differently: a few levels everywhere
// and a handful of stray pixels pass; a missing sprite, a shifted letter or a changed filter
// does not.
::testing::AssertionResult matches_reference(const std::string& name, const Rgb& frame) {
    if (const char* out = std::getenv("QUARRIK_WRITE_REFERENCES")) {
        const std::string path = std::string(out) + "/" + name + ".ppm";
        return write_ppm(path, frame) ? ::testing::AssertionSuccess()
                                      : ::testing::AssertionFailure() << "cannot write " << path;
    }
    const std::string path =
        std::string(QUARRIK_SOURCE_DIR) + "/tests/display/references/" + name + ".ppm";
    Rgb reference;
    if (!read_ppm(path, reference)) {
        return ::testing::AssertionFailure() << "cannot read " << path;
    }
    long total = 0;
    int off = 0;
    for (std::size_t i = 0; i < frame.size(); i += 3) {
        int worst = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const int d = std::abs(frame[i + c] - reference[i + c]);
            total += d;
            worst = std::max(worst, d);
        }
        off += worst > 24;
    }
    const double mean = static_cast<double>(total) / static_cast<double>(frame.size());
    if (mean > 0.5 || off > 60) {
        const std::string seen = "/tmp/quarrik-" + name + "-seen.ppm";
        write_ppm(seen, frame);
        return ::testing::AssertionFailure()
               << name << ": mean difference " << mean << ", " << off
               << " pixels off by more than 24 (picture written to " << seen << ")";
    }
    return ::testing::AssertionSuccess();
}

// Every kind of cell, lights on the floors, three guards, gold in reach of the runner.
std::vector<uint8_t> showcase_level() {
    std::vector<std::string> rows = {
        "                                ", "   $       *         $     *    ",
        "TTTTTTTHTTTTTTUTTTTTTTTTTTTHTTTT", "       H                   H    ",
        "   *   H  ---------   *    H    ", "TTTTTTTHTTTTT    TTTTTTTTTTHMMMM",
        "       H                   H    ", "  !    H      *       $    #    ",
        "TTTTTTTTTTTTMMMMMMTTTTTTTTTTTTTT",
    };
    rows.resize(22, std::string(32, ' '));
    rows[21] = std::string(32, 'M');
    std::vector<uint8_t> out;
    for (std::string row : rows) {
        row.resize(32, ' ');
        out.insert(out.end(), row.begin(), row.end());
        out.push_back('\n');
    }
    return out;
}

// The playfield's still squares come from a copy of the window's pixels: a frame drawn from
// it, and one that remade it after a change, must be the frame drawn whole.
void expect_screen_copy_draws_the_same(AppWindow& window, PlayScreen& play) {
    PlayfieldRenderer& renderer = play.field().renderer();
    auto drawn_whole = [&] {
        renderer.set_cache_enabled(false);
        window.draw();
        renderer.set_cache_enabled(true);
        return read_frame();
    };
    // The first frames after a change draw whole; then one makes the copy, the next uses it.
    for (int i = 0; i < 4 && !renderer.drew_from_cache(); ++i) {
        window.draw();
    }
    ASSERT_TRUE(renderer.drew_from_cache());
    const Rgb from_copy = read_frame();
    EXPECT_TRUE(from_copy == drawn_whole());

    // Gold taken after the copy was made: the copy follows at once.
    Playfield& field = *play.field().playfield();
    int taken = 0;
    for (int r = 0; r < kGridHeight - 1 && taken == 0; ++r) {
        for (int c = 1; c < kGridWidth - 1 && taken == 0; ++c) {
            taken = field.take_gold(c, r);
        }
    }
    ASSERT_GT(taken, 0);
    window.draw();
    EXPECT_TRUE(renderer.captured());
    const Rgb remade = read_frame();
    window.draw();
    ASSERT_TRUE(renderer.drew_from_cache());
    const Rgb after = read_frame();
    EXPECT_FALSE(after == from_copy);
    EXPECT_TRUE(remade == after);
    EXPECT_TRUE(after == drawn_whole());
}

// The menu draws all but the moving banner from a copy of the window's pixels: with the banner
// anywhere on its way, a button hovered or the Continue button shown, a frame drawn from the
// copy (or one that remade it) must be the frame drawn whole.
void expect_menu_copy_draws_the_same(AppWindow& window, MainMenu& menu) {
    auto same_as_whole = [&](const char* when) {
        const Rgb seen = read_frame();
        menu.set_copy_enabled(false);
        window.draw();
        menu.set_copy_enabled(true);
        EXPECT_TRUE(seen == read_frame()) << when;
    };
    window.draw();
    window.draw();
    ASSERT_TRUE(menu.drew_from_copy());
    same_as_whole("from the copy");
    // With this seed the lines meet and flash within these frames.
    bool flash_seen = false;
    for (int step = 1; step <= 300; ++step) {
        menu.animate(30);
        window.draw();
        ASSERT_TRUE(menu.drew_from_copy()) << "the banner's path crosses a button at " << step;
        const bool flash = menu.banner().flashing() && menu.banner().flash_alpha() > 0.9f;
        flash_seen = flash_seen || flash;
        if (step % 60 == 0 || flash) {
            same_as_whole("banner moved");
        }
    }
    EXPECT_TRUE(flash_seen);
    const Button& quit = *menu.button_for("m_quit_game_btn");
    menu.mouse_move(static_cast<int>(quit.position().x) + 5,
                    static_cast<int>(quit.position().y) + 5, 0);
    ASSERT_EQ(quit.state(), Button::kHover);
    window.draw();
    EXPECT_TRUE(menu.captured_copy());
    same_as_whole("hovered, copy remade");
    window.draw();
    EXPECT_TRUE(menu.drew_from_copy());
    same_as_whole("hovered, from the copy");
    menu.continue_button().set_visible(true);
    window.draw();
    window.draw();
    EXPECT_TRUE(menu.drew_from_copy());
    same_as_whole("Continue shown");
    menu.continue_button().set_visible(false);
    menu.mouse_move(0, 0, 0);
}

TEST(FrameReference, MenuDialogAndLevelLookAsBefore) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
    InGameDir in_game;
    ASSERT_TRUE(in_game.entered());
    TempDir dir;
    game_log().open(dir.path() + "/game.log");
    ASSERT_TRUE(platform::init());
    {
        GameApp app;
        AppWindow window("Quarrik", app);
        window.create_window("Quarrik", 0, 0, kWidth, kHeight);
        window.set_active(true);
        app.load_resources();
        auto keys = std::make_shared<FakeKeyboardKeys>();
        app.keyboard.create(std::make_unique<FakeKeyboardDevice>(keys));
        app.world.read_file = [](const std::string&, std::vector<uint8_t>& out) {
            out = showcase_level();
            return true;
        };

        MenuPlugins plugins;
        plugins.save_path = dir.path() + "/save.sav";
        plugins.request_close = [] {};
        add_game_dialogs(plugins, app);
        std::srand(3);  // the banner starts at a random speed
        MainMenu menu(app, plugins);
        window.push_screen(&menu);
        window.tick(30);  // the banners move with the ticks
        window.draw();
        EXPECT_TRUE(matches_reference("menu", read_frame()));

        menu.open_options_dialog();
        window.tick(30);
        window.draw();
        EXPECT_TRUE(matches_reference("options", read_frame()));
        window.close_top(false);
        window.tick(30);
        expect_menu_copy_draws_the_same(window, menu);

        std::srand(11);  // the lights and the guards' choices are random
        PlayScreen play(app);
        window.push_screen(&play);
        int ticks = 0;
        while (play.field().reveal() || play.resume_delay() > 0) {
            window.tick(30);
            ASSERT_LT(++ticks, 400);
        }
        // A few steps to the right and a hole dug beside the runner.
        keys->press(app.config.m_right_key);
        for (int i = 0; i < 12; ++i) {
            window.tick(30);
        }
        keys->lift_all();
        keys->press(app.config.m_fire_key);
        for (int i = 0; i < 10; ++i) {
            window.tick(30);
        }
        keys->lift_all();
        window.draw();
        EXPECT_TRUE(matches_reference("level", read_frame()));
        expect_screen_copy_draws_the_same(window, play);
        window.remove_screen(&play);
        window.remove_screen(&menu);
        window.destroy_window();
    }
    platform::shutdown();
    game_log().open("/dev/null");
}

}  // namespace
