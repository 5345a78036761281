#include "app/startup.h"

#include <cstdio>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/instance_lock.h"
#include "app/menu_startup.h"
#include "app/window_geometry.h"
#include "core/game_log.h"
#include "core/user_paths.h"
#include "game/play_screen.h"
#include "platform/platform.h"
#include "platform/process_end.h"
#include "storage/atomic_file.h"

namespace {

const char* const kUserFiles[] = {"dx.cfg", "save.sav", "scores1.tab", "scores2.tab"};
constexpr char kAlreadyRunning[] =
    "Quarrik is already running on these files. Only one copy can run at a time.";

}  // namespace

bool claim_user_files(InstanceLock& lock, bool message_box) {
    if (lock.acquire(game_paths().user_dir) == InstanceLock::Result::held_elsewhere) {
        std::fprintf(stderr, "quarrik: %s\n", kAlreadyRunning);
        if (message_box) {
            platform::show_message_box("Quarrik", kAlreadyRunning);
        }
        return false;
    }
    // Only now: a temporary file could be another copy's save in progress until the lock is ours.
    for (const char* name : kUserFiles) {
        remove_stale_temp_files(user_file(name));
    }
    return true;
}

void save_through_menu(const AppWindow& window) {
    if (MainMenu* menu = window.menu()) {
        menu->save_game();
    }
}

void end_on_signals() {
    platform::end_on_signals();
}

void save_when_display_lost(GameApp& app) {
    platform::on_display_lost([&app] {
        game_log().write("The connection to the display was lost");
        if (app.window) {
            save_through_menu(*app.window);
        }
        app.save_settings();
        app.save_scores();
        game_log().close();
    });
}

std::unique_ptr<AppWindow> open_program_window(GameApp& app) {
    auto window = std::make_unique<AppWindow>("Quarrik", app);
    int desktop_w = 0, desktop_h = 0;
    platform::desktop_size(desktop_w, desktop_h);
    keep_on_desktop(desktop_w, desktop_h, app.m_window_width, app.m_window_height, app.x, app.y);
    std::vector<DisplayArea> displays;
    for (const platform::ScreenRect& r : platform::display_bounds()) {
        displays.push_back(DisplayArea{r.x, r.y, r.width, r.height});
    }
    keep_on_a_display(displays.data(), static_cast<int>(displays.size()), app.m_window_width,
                      app.m_window_height, app.x, app.y);
    window->create_window("Quarrik", app.x, app.y, app.m_window_width, app.m_window_height);
    return window;
}

MenuPlugins make_menu_plugins(GameApp& app, AppWindow& window) {
    MenuPlugins plugins;
    plugins.create_game = [&app, &window](int level_set) -> std::unique_ptr<GameScreen> {
        if (level_set >= 0) {
            app.config.m_game_kind = level_set;
        }
        return std::make_unique<PlayScreen>(app, [&window] { save_through_menu(window); });
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
    app.save_scores();

    window.hide();
    if (window.is_fullscreen()) {
        window.restore_display();
    }
    window.destroy_window();
}
