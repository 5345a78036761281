// Costs of the window's side of a tick with Mesa's software renderer: one whole frame of the
// main menu (drawing and the buffer swap, as the window does every 30 ms), and reloading every
// texture, font and sprite as after a display-mode switch. Needs a display (Xvfb).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "bench/bench_support.h"
#include "gfx/draw.h"
#include "gfx/gl.h"
#include "ui/main_menu.h"

namespace {

void BM_MainMenuFrame(benchmark::State& state) {
    std::string why;
    AppWindow* window = bench::display_once(why);
    if (!window) {
        state.SkipWithError(why.c_str());
        return;
    }
    auto menu = std::make_unique<MainMenu>(window->app(), MenuPlugins{});
    window->push_screen(menu.get());
    // Outside the timing: the first frame makes what is made once (the backdrop's copy).
    window->draw();
    window->swap_buffers();
    int64_t remade = 0;
    for (auto _ : state) {
        // The publisher's banner moves a step each tick, as in the game.
        state.PauseTiming();
        menu->animate(30);
        state.ResumeTiming();
        bench::timed_frame(*window);
        remade += menu->captured_copy() ? 1 : 0;
    }
    // The share of frames that made a new copy of the menu's still picture.
    state.counters["remade"] =
        benchmark::Counter(static_cast<double>(remade), benchmark::Counter::kAvgIterations);
    window->remove_screen(menu.get());
    state.SetItemsProcessed(state.iterations());
}
// Wall time is what the tick budget sees; the process's CPU time (every rasterising thread of
// the software renderer included, the X server's copy not) is the cost without the machine's
// other load.
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Apply(bench::repeated);
BENCHMARK(BM_MainMenuFrame)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Apply(bench::repeated);

// The parts of a frame, to tell the renderer's fixed cost from the game's drawing: a clear and
// the swap alone (range 0), then with the menu's full-screen background picture (range 1).
void BM_FramePart(benchmark::State& state) {
    std::string why;
    AppWindow* window = bench::display_once(why);
    if (!window) {
        state.SkipWithError(why.c_str());
        return;
    }
    const GameApp& app = window->app();
    app.view.setup_ortho(window->width(), window->height());
    draw_fullscreen_image(app.resources->m_main_wnd);  // its copy is made once, untimed
    for (auto _ : state) {
        app.view.setup_ortho(window->width(), window->height());
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (state.range(0) == 1) {
            draw_fullscreen_image(app.resources->m_main_wnd);
        }
        window->swap_buffers();
    }
}
BENCHMARK(BM_FramePart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Everything the game loads after its GL context is recreated: the textures of the menus and
// dialogs, the six backgrounds, the font with its scan, and every skin's sprites.
void BM_ResourceReload(benchmark::State& state) {
    std::string why;
    AppWindow* window = bench::display_once(why);
    if (!window) {
        state.SkipWithError(why.c_str());
        return;
    }
    ResourceSet& resources = *window->app().resources;
    for (auto _ : state) {
        resources.release_all();
        resources.load_all();
    }
    state.counters["textures"] = static_cast<double>(resources.all_textures().size());
}
BENCHMARK(BM_ResourceReload)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ResourceReload)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(2.0);

}  // namespace
