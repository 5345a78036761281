// The program's entry point: start-up in order, the message loop, shutdown in reverse order.

#include <memory>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/game_log.h"
#include "app/window_geometry.h"
#include "game/game_field.h"
#include "game/play_screen.h"
#include "platform/platform.h"
#include "ui/menu_startup.h"

namespace {

// Data paths are relative to the game directory; enter it before anything reads a file.
const bool g_in_game_directory = platform::enter_game_directory();

// Built before main runs, destroyed after it returns.
GameApp g_game_app;

}  // namespace

int main() {
    (void)g_in_game_directory;
    GameApp& app = g_game_app;
    game_log().open("game.log");
    app.load_settings();

    platform::init();
    auto window = std::make_unique<AppWindow>("Quarrik", app);
    // Every texture dies with the GL context on a display switch and is loaded again after it.
    window->hooks().release_resources = [&app] { app.resources->release_all(); };
    window->hooks().load_resources = [&app] { app.load_resources(); };

    int desktop_w = 0, desktop_h = 0;
    platform::desktop_size(desktop_w, desktop_h);
    keep_on_desktop(desktop_w, desktop_h, app.m_window_width, app.m_window_height, app.x, app.y);
    window->create_window("Quarrik", app.x, app.y, app.m_window_width, app.m_window_height);

    // Every level start saves the game through the main menu, once there is one.
    GameField::level_started_hook() = [] {
        if (MainMenu* menu = main_menu()) {
            menu->save_game();
        }
    };
    MenuPlugins plugins;
    plugins.create_game = [&app](int level_set) -> std::unique_ptr<GameScreen> {
        if (level_set >= 0) {
            app.config.m_game_kind = level_set;
        }
        return std::make_unique<PlayScreen>(app);
    };

    auto menu = show_intro_then_menu(*window, app, std::move(plugins), [&app] {
        app.load_resources();
        app.sound.init();
        app.sound.load_effects();
        app.sound.set_enabled(app.m_sound);
    });

    const int exit_code = window->run_message_loop();

    close_menu(*window, menu);
    app.save_settings();

    window->hide();
    if (window->is_fullscreen()) {
        window->restore_display();
    }
    window->destroy_window();
    window.reset();
    game_log().close();
    platform::shutdown();
    return exit_code;
}
