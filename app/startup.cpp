#include "app/startup.h"

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/window_geometry.h"
#include "game/game_field.h"
#include "game/play_screen.h"
#include "platform/platform.h"
#include "ui/menu_startup.h"

std::unique_ptr<AppWindow> open_program_window(GameApp& app) {
    auto window = std::make_unique<AppWindow>("Quarrik", app);
    // Every texture dies with the GL context on a display switch and is loaded again after it.
    window->hooks().release_resources = [&app] { app.resources->release_all(); };
    window->hooks().load_resources = [&app] { app.load_resources(); };

    int desktop_w = 0, desktop_h = 0;
    platform::desktop_size(desktop_w, desktop_h);
    keep_on_desktop(desktop_w, desktop_h, app.m_window_width, app.m_window_height, app.x, app.y);
    window->create_window("Quarrik", app.x, app.y, app.m_window_width, app.m_window_height);
    return window;
}

void install_level_start_save() {
    GameField::level_started_hook() = [] {
        if (MainMenu* menu = main_menu()) {
            menu->save_game();
        }
    };
}

MenuPlugins make_menu_plugins(GameApp& app) {
    MenuPlugins plugins;
    plugins.create_game = [&app](int level_set) -> std::unique_ptr<GameScreen> {
        if (level_set >= 0) {
            app.config.m_game_kind = level_set;
        }
        return std::make_unique<PlayScreen>(app);
    };
    return plugins;
}

void load_game_resources(GameApp& app) {
    app.load_resources();
    app.sound.init();
    app.sound.load_effects();
    app.sound.set_enabled(app.m_sound);
}

void close_program(AppWindow& window, GameApp& app, std::unique_ptr<MainMenu>& menu) {
    close_menu(window, menu);
    app.save_settings();

    window.hide();
    if (window.is_fullscreen()) {
        window.restore_display();
    }
    window.destroy_window();
}
