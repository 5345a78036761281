// The program's entry point: the command line, the paths of this run, start-up in order, the
// message loop, shutdown in reverse order.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/app_window.h"
#include "app/command_line.h"
#include "app/game_app.h"
#include "app/instance_lock.h"
#include "app/menu_startup.h"
#include "app/startup.h"
#include "app/startup_failure.h"
#include "core/game_log.h"
#include "core/user_paths.h"
#include "platform/gl_window.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const CommandLine options = parse_command_line(argc, argv);
    switch (options.action) {
        case CommandLine::Action::help:
            std::fputs(usage_text().c_str(), stdout);
            return 0;
        case CommandLine::Action::version:
            std::printf("%s\n", version_line().c_str());
            return 0;
        case CommandLine::Action::bad:
            std::fprintf(stderr, "quarrik: %s\n%s", options.error.c_str(), usage_text().c_str());
            return 2;
        case CommandLine::Action::play:
            break;
    }

    const std::string game_dir = executable_dir();
    set_game_paths(decide_paths(game_dir, options.paths, per_user_dir));
    const std::string& user_dir = game_paths().user_dir;
    std::error_code made;
    if (user_dir.empty()) {
        return report_startup_failure(
            "there is no folder for the player's files (is HOME set?); --user-dir names one");
    }
    if (!fs::create_directories(user_dir, made) && made) {
        return report_startup_failure("cannot make the folder " + user_dir + ": " + made.message());
    }
    // Files the archive does not hold are looked up below the game directory.
    if (!game_dir.empty() && chdir(game_dir.c_str()) != 0) {
        std::perror("quarrik: the game directory");
    }

    InstanceLock lock;
    if (!claim_user_files(lock, true)) {
        return 1;
    }
    end_on_signals();
    game_log().open(game_paths().log_path);
    // Destroyed after the log is closed and the window system is down, like every other
    // process-wide object.
    auto app_object = std::make_unique<GameApp>();
    GameApp& app = *app_object;
    if (const std::string fault = game_data_fault(app.archive, data_file("data.pk"));
        !fault.empty()) {
        return report_startup_failure(fault);
    }
    app.load_settings();

    if (!platform::init()) {
        return report_startup_failure("no video driver could start (" + GlWindow::last_error() +
                                      ")");
    }
    save_when_display_lost(app);
    auto window = open_program_window(app);
    if (!window->has_window()) {
        const std::string why = GlWindow::last_error();
        window->destroy_window();
        window.reset();
        platform::shutdown();
        return report_startup_failure("no OpenGL window could be opened (" + why + ")");
    }

    auto menu = show_intro_then_menu(*window, app, make_menu_plugins(app, *window),
                                     [&app] { load_game_resources(app); });
    // Nothing stores full screen between runs, so only --fullscreen starts there (--window is
    // what every start does anyway); it takes the same path as the menu's button.
    if (options.fullscreen == 1) {
        window->set_fullscreen(app.view.m_screen_width, app.view.m_screen_height);
    }

    const int exit_code = window->run_message_loop();

    close_program(*window, app, menu);
    window.reset();
    game_log().close();
    platform::shutdown();
    return exit_code;
}
