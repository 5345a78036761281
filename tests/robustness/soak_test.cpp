// Long play with random input through the program's own loop: the start-up of the real game
// (settings, archive, resources, sounds, music, intro, main menu, the real play screen), then
// ticks with random keys, typing, mouse moves and clicks, window switches and held playing keys.
// Nothing may crash, and the heap must not keep growing. QUARRIK_SOAK_TICKS sets the length (the
// sanitizer run plays 200,000 ticks, well over an hour and a half of game time).

#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/menu_startup.h"
#include "app/startup.h"
#include "core/game_log.h"
#include "game/game_field.h"
#include "game/play_screen.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "storage/param_file.h"
#include "support/fake_keyboard.h"
#include "support/temp_dir.h"
#include "ui/main_menu.h"

namespace fs = std::filesystem;

extern "C" std::size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));

namespace {

// Bytes the program holds on the heap now (the sanitizer's count when it owns the heap).
std::size_t heap_in_use() {
    if (__sanitizer_get_current_allocated_bytes) {
        return __sanitizer_get_current_allocated_bytes();
    }
    return mallinfo2().uordblks;
}

long soak_ticks() {
    const char* text = std::getenv("QUARRIK_SOAK_TICKS");
    const long ticks = text ? std::atol(text) : 0;
    return ticks > 0 ? ticks : 20000;
}

// A private game folder: the built data linked in, the files the game writes kept apart.
struct GameFolder {
    GameFolder() {
        const fs::path data = fs::path(dir.path()) / "data";
        fs::create_directories(data / "music");
        for (const auto& entry : fs::directory_iterator(fs::path(QUARRIK_GAME_DIR) / "data")) {
            if (entry.is_regular_file()) {
                fs::create_symlink(entry.path(), data / entry.path().filename());
            }
        }
        for (const auto& entry :
             fs::directory_iterator(fs::path(QUARRIK_GAME_DIR) / "data" / "music")) {
            fs::create_symlink(entry.path(), data / "music" / entry.path().filename());
        }
        old = fs::current_path();
        fs::current_path(dir.path());
    }
    ~GameFolder() { fs::current_path(old); }
    TempDir dir;
    fs::path old;
};

TEST(Soak, RandomInputThroughTheWholeLoop) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "the soak test runs under xvfb-run";
    GameFolder folder;
    ASSERT_TRUE(platform::init());
    game_log().open("game.log");
    {
        // Wired as the program wires itself.
        GameApp app;
        app.load_settings();
        AppWindow window("Quarrik", app);
        window.create_window("Quarrik", 0, 0, 400, 300);
        window.set_active(true);

        int close_requests = 0;
        int games = 0;
        MenuPlugins plugins;
        plugins.request_close = [&] { ++close_requests; };
        plugins.create_game = [&app, &games,
                               &window](int level_set) -> std::unique_ptr<GameScreen> {
            ++games;
            if (level_set >= 0) {
                app.config.m_game_kind = level_set;
            }
            return std::make_unique<PlayScreen>(app, [&window] { save_through_menu(window); });
        };
        std::unique_ptr<MainMenu> menu = show_intro_then_menu(window, app, plugins, [&app] {
            app.load_resources();
            app.sound.init();
            app.sound.load_effects();
            app.sound.set_enabled(app.m_sound);
        });
        ASSERT_NE(menu, nullptr);

        auto keys = std::make_shared<FakeKeyboardKeys>();
        auto attach_keyboard = [&] {
            app.keyboard.create(std::make_unique<FakeKeyboardDevice>(keys));
        };
        attach_keyboard();

        // One round of the window switches first: the GL driver keeps a large one-off cache
        // from its second context on, which is not the game's growth.
        window.set_fullscreen(800, 600);
        if (window.is_fullscreen()) {
            window.restore_display();
        }
        window.minimize();
        window.restore_from_minimized();
        attach_keyboard();

        std::mt19937 rng(20261208);
        const int menu_keys[] = {vk::escape, vk::enter, vk::space, vk::left, vk::right,
                                 vk::up,     vk::down,  vk::tab,   vk::f5,   vk::backspace,
                                 vk::del,    vk::home,  vk::end,   'A',      'Z',
                                 'X',        '1'};
        // The playing keys as scan codes: arrows, space (dig), K (give up a life), Z, X,
        // Escape, Enter. Give-up is rare so that games last.
        const int scan_codes[] = {0xC8, 0xD0, 0xCB, 0xCD, 0xCB, 0xCD, 0x39, 0x39,
                                  0x2C, 0x2D, 0x01, 0x1C, 0xC8, 0xD0, 0x25};
        const char* menu_buttons[] = {"m_zelm1_game_btn",
                                      "m_zelm2_game_btn",
                                      "m_continue_single_game_btn",
                                      "m_continue_single_game_btn",
                                      "m_continue_single_game_btn",
                                      "m_zelm1_game_btn",
                                      "m_options_btn",
                                      "m_help_btn",
                                      "m_mm_top7_1_btn",
                                      "m_play_custom_btn"};
        const long ticks = soak_ticks();
        const long settle = ticks / 10;
        std::size_t heap_after_settling = 0;
        std::size_t heap_peak = 0;
        long play_ticks = 0;
        long dialog_ticks = 0;
        long menu_ticks = 0;
        for (long tick = 0; tick < ticks; ++tick) {
            const unsigned roll = rng() % 1000;
            const int x = static_cast<int>(rng() % static_cast<unsigned>(window.width()));
            const int y = static_cast<int>(rng() % static_cast<unsigned>(window.height()));
            const bool in_menu = window.top_screen() == menu.get() && window.dialog_count() == 0;
            if (in_menu && roll < 10) {
                // Aim at a button that starts or continues a game, or any other one, so that
                // most of the soak is play (its place comes from the shipped layout, in the
                // menu's 800 x 600 units).
                const char* name =
                    menu_buttons[rng() % (sizeof menu_buttons / sizeof menu_buttons[0])];
                const int bx = ParamFile::to_int(app.layout.get(std::string(name) + "x", "0")) + 8;
                const int by = ParamFile::to_int(app.layout.get(std::string(name) + "y", "0")) + 8;
                const int px = bx * window.width() / 800;
                const int py = by * window.height() / 600;
                window.mouse_move(px, py, 0);
                window.left_button_down(px, py, mouse_flags::left);
                window.left_button_up(px, py, 0);
                attach_keyboard();
            } else if (roll < 30) {
                window.key_down(menu_keys[rng() % (sizeof menu_keys / sizeof menu_keys[0])]);
                attach_keyboard();
            } else if (roll < 50) {
                window.char_typed(32 + static_cast<int>(rng() % 95), 1);
            } else if (roll < 110) {
                window.mouse_move(x, y, 0);
            } else if (roll < 130) {
                window.left_button_down(x, y, mouse_flags::left);
                window.left_button_up(x, y, 0);
                attach_keyboard();  // a click may have made a new window, which takes the
                                    // platform keyboard
            } else if (roll < 133) {
                window.right_button_up(x, y, mouse_flags::right);
            } else if (roll < 200) {
                const int code = scan_codes[rng() % (sizeof scan_codes / sizeof scan_codes[0])];
                if (keys->keys[code]) {
                    keys->lift(code);
                } else {
                    keys->press(code);
                }
            } else if (roll == 200) {
                window.set_active(false);
            } else if (roll < 204) {
                window.set_active(true);
            }
            // The program draws every tick; drawing is the slow part under software GL, so the
            // soak draws one tick in sixteen and runs the rules for the rest.
            if (tick % 16 == 0) {
                window.run_tick();
            } else {
                window.tick(30);
            }
            if (window.dialog_count() > 0) {
                ++dialog_ticks;
            } else if (menu->play_screen() && window.top_screen() == menu->play_screen()) {
                ++play_ticks;
            } else if (window.top_screen() == menu.get()) {
                ++menu_ticks;
            }
            if (window.is_minimized()) {
                window.restore_from_minimized();
            }
            if (tick == settle) {
                malloc_trim(0);
                heap_after_settling = heap_in_use();
            }
            if (tick % 64 == 0) {
                heap_peak = std::max(heap_peak, heap_in_use());
            }
        }
        const std::size_t heap_at_end = heap_in_use();
        std::printf(
            "soak: %ld ticks (%ld menu, %ld dialog, %ld play), %d games; heap %zu KB after "
            "settling, %zu KB at the end, %zu KB at most\n",
            ticks, menu_ticks, dialog_ticks, play_ticks, games, heap_after_settling >> 10,
            heap_at_end >> 10, heap_peak >> 10);
        // Caches and the log fill in the first stretch; after that the heap must stay level.
        EXPECT_LT(heap_at_end, heap_after_settling + (std::size_t(4) << 20))
            << "heap grew from " << heap_after_settling << " to " << heap_at_end << " bytes";
        EXPECT_GE(window.screen_count(), 1u);
        RecordProperty("ticks", std::to_string(ticks));
        RecordProperty("close_requests", std::to_string(close_requests));
        RecordProperty("games", std::to_string(games));
        RecordProperty("play_ticks", std::to_string(play_ticks));
        EXPECT_GT(games, 0) << "random clicks never started a game";
        EXPECT_GT(play_ticks, ticks / 20) << "the soak hardly played";
        EXPECT_GT(menu_ticks, 0) << "the soak never came back to the menu";
        EXPECT_GT(dialog_ticks, 0) << "the soak never opened a dialog";

        close_menu(window, menu);
        EXPECT_TRUE(app.save_settings());
        if (window.is_fullscreen()) {
            window.restore_display();
        }
        window.destroy_window();
    }
    game_log().open("/dev/null");
    platform::shutdown();
}

}  // namespace
