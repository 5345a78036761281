// Cost of one frame of the play screen with Mesa's software renderer in the game's 800 x 600
// window (background, cells, guards, runner, score line), on the busy level of the world
// benchmarks with a tick of play between frames (not timed). Needs a display (Xvfb).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "bench/bench_support.h"
#include "bench/world_rig.h"
#include "game/game_field.h"
#include "game/play_screen.h"
#include "world/playfield.h"

namespace {

constexpr int kBusySet = 1;  // the second set
constexpr int kBusyLevel = 70;

// Starts the busy level with lives to spare, digs its holes and plays through the reveal.
void restart_busy_level(PlayScreen& play) {
    GameField& field = play.field();
    field.set_lives(3);
    field.start_level(kBusyLevel);
    if (Playfield* playfield = field.playfield()) {
        bench::open_holes(*playfield, 12);
    }
    for (int i = 0; i < 2000 && (field.reveal() || field.message()); ++i) {
        play.tick(30);
    }
}

// The play frame in the game's 800 x 600 window (range 0) and full screen at 1920 x 1080
// (range 1), where the 800 x 600 picture is scaled by 1.8 between black bars.
void BM_PlayScreenFrame(benchmark::State& state) {
    std::string why;
    AppWindow* window = bench::display_once(why);
    if (!window) {
        state.SkipWithError(why.c_str());
        return;
    }
    const bool full_hd = state.range(0) == 1;
    if (full_hd && !bench::resize_display(*window, 1920, 1080)) {
        state.SkipWithError("no 1920 x 1080 window (is the X screen big enough?)");
        return;
    }
    GameApp& app = window->app();
    app.config.m_game_kind = kBusySet;
    auto play = std::make_unique<PlayScreen>(app);
    window->push_screen(play.get());
    restart_busy_level(*play);
    // Level designs change; the count says how busy the measured level is.
    state.counters["guards"] = static_cast<double>(play->field().guards().size());
    if (play->field().guards().empty()) {
        window->remove_screen(play.get());
        state.SkipWithError("the busy level is missing or has no guards");
        return;
    }
    // Outside the timing: the first frame makes what is made once (the background's copy at
    // the window's size, the renderer's compiled shaders).
    window->draw();
    window->swap_buffers();
    int since_start = 0;
    for (auto _ : state) {
        state.PauseTiming();
        play->tick(30);
        GameField& field = play->field();
        if (++since_start == 200 || field.dying() || field.message() || field.is_game_over()) {
            restart_busy_level(*play);
            since_start = 0;
        }
        state.ResumeTiming();
        window->draw();
        window->swap_buffers();
    }
    window->remove_screen(play.get());
    if (full_hd) {
        bench::resize_display(*window, 800, 600);
    }
}
BENCHMARK(BM_PlayScreenFrame)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Apply(bench::repeated);
BENCHMARK(BM_PlayScreenFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Apply(bench::repeated);

}  // namespace
