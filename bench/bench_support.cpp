#include "bench/bench_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "core/user_paths.h"
#include "platform/platform.h"

namespace bench {

namespace fs = std::filesystem;

std::string game_dir() {
    if (const char* dir = std::getenv("QUARRIK_GAME_DIR")) {
        return dir;
    }
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("game") : (exe.parent_path() / "game").string();
}

bool enter_game_dir() {
    const std::string dir = game_dir();
    return chdir(dir.c_str()) == 0 && fs::exists(data_file("data.pk"));
}

void repeated(benchmark::internal::Benchmark* b) {
    auto best_of = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
    };
    b->Repetitions(5)->ComputeStatistics("min", best_of)->ReportAggregatesOnly(true);
}

GameApp* game_app_once() {
    static const bool entered = enter_game_dir();
    static std::unique_ptr<GameApp> app = entered ? std::make_unique<GameApp>() : nullptr;
    return app.get();
}

namespace {

// Built on first use; torn down in the game's own order when the process ends.
struct Display {
    std::unique_ptr<AppWindow> window;
    bool platform_up = false;

    ~Display() {
        if (window) {
            if (GameApp* app = game_app_once()) {
                app->resources->release_all();
            }
            window->destroy_window();
            window.reset();
        }
        if (platform_up) {
            platform::shutdown();
        }
    }
};

}  // namespace

AppWindow* display_once(std::string& why) {
    // The application object first, so that it outlives the window at exit.
    GameApp* app = game_app_once();
    static Display display;
    static bool tried = false;
    if (tried) {
        if (!display.window) {
            why = "no window could be opened (is DISPLAY set?)";
        }
        return display.window.get();
    }
    tried = true;
    if (!app) {
        why = "the game directory " + game_dir() + " has no data/data.pk";
        return nullptr;
    }
    if (!std::getenv("DISPLAY") || !platform::init()) {
        why = "no display";
        return nullptr;
    }
    display.platform_up = true;
    auto window = std::make_unique<AppWindow>("Quarrik bench", *app);
    window->create_window("Quarrik bench", 0, 0, 800, 600);
    if (!window->has_window()) {
        why = "no window could be opened";
        return nullptr;
    }
    app->load_resources();
    display.window = std::move(window);
    return display.window.get();
}

void timed_frame(AppWindow& window) {
    window.draw();
    window.swap_buffers();
}

bool resize_display(AppWindow& window, int width, int height) {
    GameApp& app = window.app();
    app.resources->release_all();
    window.destroy_window();
    window.create_window("Quarrik bench", 0, 0, width, height);
    if (window.has_window()) {
        app.load_resources();
    }
    int w = 0, h = 0;
    window.drawable_size(w, h);
    return window.has_window() && w == width && h == height;
}

}  // namespace bench
