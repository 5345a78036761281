// The program's entry point: start-up in order, the message loop, shutdown in reverse order.

#include <memory>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/game_log.h"
#include "app/instance_lock.h"
#include "app/startup.h"
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
    InstanceLock lock;
    if (!claim_user_files(lock, true)) {
        return 1;
    }
    end_on_signals();
    game_log().open("game.log");
    app.load_settings();

    platform::init();
    save_when_display_lost(app);
    auto window = open_program_window(app);

    install_level_start_save();
    auto menu = show_intro_then_menu(*window, app, make_menu_plugins(app),
                                     [&app] { load_game_resources(app); });

    const int exit_code = window->run_message_loop();

    close_program(*window, app, menu);
    window.reset();
    game_log().close();
    platform::shutdown();
    return exit_code;
}
