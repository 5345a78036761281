// The real window on the virtual display: the tick timer, display-mode switches and the log.

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "app/app_window.h"
#include "app/game_app.h"
#include "core/game_log.h"
#include "platform/platform.h"
#include "platform/tick_timer.h"
#include "support/temp_dir.h"
#include "ui/screen.h"

namespace {

int count_lines_starting(const std::string& path, const std::string& prefix) {
    std::ifstream in(path);
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0)
            ++n;
    }
    return n;
}

class CountingScreen : public Screen {
  public:
    void tick(int elapsed_ms) override {
        ++ticks;
        last_elapsed = elapsed_ms;
        if (ticks == stop_after) {
            on_close_request();
        }
    }
    void on_close_request() override { platform::post_quit(); }
    void draw() override {
        glClearColor(0, 0, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    int ticks = 0;
    int last_elapsed = 0;
    int stop_after = 10;
};

class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
        ASSERT_TRUE(platform::init());
        log_path = dir.path() + "/game.log";
        game_log().open(log_path);
    }
    void TearDown() override {
        game_log().open("/dev/null");
        platform::shutdown();
    }
    TempDir dir;
    std::string log_path;
};

TEST_F(RealWindow, TimerDrivesFixedTicksThroughTheMessageLoop) {
    GameApp app;
    AppWindow window("Quarrik", app);
    window.create_window("Quarrik", 0, 0, 400, 300);
    window.set_active(true);
    CountingScreen screen;
    window.push_screen(&screen);
    // Focus may come and go on a bare X server; the test wants ticks, so keep the window
    // active, and never wait forever.
    const SDL_TimerID watchdog = SDL_AddTimer(
        10000,
        [](Uint32, void*) -> Uint32 {
            platform::post_quit();
            return 0;
        },
        nullptr);
    const auto start = std::chrono::steady_clock::now();
    WindowEvents events;
    while (!window.quit_posted()) {
        events.clear();
        ASSERT_TRUE(platform::wait_events(events));
        for (const WindowEvent& e : events) {
            window.handle_event(e);
            window.set_active(true);
        }
    }
    SDL_RemoveTimer(watchdog);
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(screen.ticks, 10);
    EXPECT_EQ(screen.last_elapsed, 30);
    // Ten 30 ms ticks cannot arrive in much less than 270 ms.
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count(), 250);
    window.destroy_window();
}

// While a tick is being handled the timer posts nothing, and it resumes afterwards.
TEST_F(RealWindow, TimerPostsNothingWhileATickIsInProgress) {
    std::atomic<bool> busy{true};
    TickTimer timer;
    ASSERT_TRUE(timer.start(30, &busy));
    WindowEvents events;
    platform::poll_events(events);
    events.clear();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    platform::poll_events(events);
    int ticks = 0;
    for (const WindowEvent& e : events)
        ticks += e.kind == WindowEventKind::tick;
    EXPECT_EQ(ticks, 0);

    // Once the tick is over the timer posts again; wait for three (bounded, so a loaded machine
    // only makes this slower, never wrong).
    busy = false;
    for (int waited = 0; waited < 5000 && ticks < 3; waited += 50) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        events.clear();
        platform::poll_events(events);
        for (const WindowEvent& e : events)
            ticks += e.kind == WindowEventKind::tick;
    }
    EXPECT_GE(ticks, 3);
    timer.stop();
}

// The shared virtual display (1280x1024) has no 800x600 mode: full screen covers the desktop,
// in the same window with the same context, and leaving it gives the window back.
TEST_F(RealWindow, FullScreenOnTheDesktopAndBackKeepsTheContextAndTheWindow) {
    GameApp app;
    AppWindow window("Quarrik", app);
    window.create_window("Quarrik", 120, 80, 640, 480);

    EXPECT_FALSE(window.set_fullscreen(640, 480));  // refused widths change nothing
    EXPECT_FALSE(window.set_fullscreen(320, 240));

    int desktop_w = 0, desktop_h = 0;
    platform::desktop_size(desktop_w, desktop_h);
    ASSERT_TRUE(window.set_fullscreen(800, 600));
    EXPECT_TRUE(window.is_fullscreen());
    // A busy X server may take a moment to resize the window (bounded wait).
    WindowEvents events;
    for (int waited = 0; waited < 5000 && window.width() != desktop_w; waited += 50) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        platform::poll_events(events);
    }
    EXPECT_EQ(window.width(), desktop_w);
    EXPECT_EQ(window.height(), desktop_h);
    int dw = 0, dh = 0;
    window.drawable_size(dw, dh);
    EXPECT_EQ(dw, desktop_w);
    // The picture keeps its shape: 1280x1024 holds 1280x960 with bars above and below.
    const Letterbox box = window.picture();
    EXPECT_EQ(box.width * 3, box.height * 4);
    EXPECT_EQ(box.y * 2 + box.height, desktop_h);
    EXPECT_EQ(count_lines_starting(log_path, "Renderer: "), 1);

    ASSERT_TRUE(window.restore_display());
    EXPECT_FALSE(window.is_fullscreen());
    EXPECT_EQ(window.width(), 640);
    EXPECT_EQ(window.height(), 480);
    int left = -1, top = -1;
    window.window_position(left, top);
    EXPECT_EQ(left, 120);
    EXPECT_EQ(top, 80);
    window.destroy_window();
}

// The top screen, then the dialogs oldest first; an inactive window keeps drawing.
TEST_F(RealWindow, DrawsTheTopScreenThenDialogsOldestFirst) {
    GameApp app;
    AppWindow window("Quarrik", app);
    window.create_window("Quarrik", 0, 0, 320, 240);
    std::string order;
    struct Named : Screen {
        Named(std::string& order, char name) : order(order), name(name) {}
        void draw() override { order += name; }
        std::string& order;
        char name;
    } menu(order, 'm'), play(order, 'p'), older(order, 'o'), newer(order, 'n');
    window.push_screen(&menu);
    window.push_screen(&play);
    window.open_dialog(&older);
    window.open_dialog(&newer);
    window.set_active(false);
    window.draw();
    EXPECT_EQ(order, "pon");
    window.destroy_window();
}

TEST_F(RealWindow, MinimiseStopsDrawingAndRestoreReactivatesTheTopScreen) {
    GameApp app;
    AppWindow window("Quarrik", app);
    window.create_window("Quarrik", 0, 0, 320, 240);
    struct Activations : Screen {
        void activate() override { ++count; }
        void draw() override { ++draws; }
        int count = 0;
        int draws = 0;
    } screen;
    window.push_screen(&screen);
    window.minimize();
    EXPECT_TRUE(window.is_minimized());
    window.draw();
    EXPECT_EQ(screen.draws, 0);
    window.restore_from_minimized();
    EXPECT_FALSE(window.is_minimized());
    EXPECT_EQ(screen.count, 2);
    window.restore_from_minimized();  // only once
    EXPECT_EQ(screen.count, 2);
    window.destroy_window();
}

}  // namespace
