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
#include "world/cell.h"
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

// Digs one more hole, as a runner digging often would: the next closed brick with room above
// it, from a place that moves on at each call. The frame that shows a new hole remakes the
// playfield's screen copy, so this keeps that cost in the figures.
void dig_next_hole(Playfield& field, int& cursor) {
    constexpr int kSquares = kGridWidth * (kGridHeight - 1);
    for (int tried = 0; tried < kSquares; ++tried) {
        cursor = (cursor + 37) % kSquares;
        const int c = cursor % kGridWidth;
        const int r = cursor / kGridWidth;
        const auto* brick = dynamic_cast<const BrickCell*>(field.cell_at(c, r));
        if (c < 2 || r < 1 || !brick || brick->stage() != BrickCell::kClosed ||
            field.cell_at(c, r - 1)) {
            continue;
        }
        field.dig(field.cell_center(c - 1, r - 1), 1);
        if (brick->stage() != BrickCell::kClosed) {
            return;
        }
    }
}

// How a frame of the play screen is drawn: as the game draws it, with a new screen copy
// forced at every frame (the cost of a frame that must remake it), or with no copy at all.
enum CacheMode { kAsPlayed = 0, kRemadeEachFrame = 1, kNoCopy = 2 };

// The play frame in the game's 800 x 600 window (range 0) and full screen at 1920 x 1080
// (range 1), where the 800 x 600 picture is scaled by 1.8 between black bars.
void play_frames(benchmark::State& state, CacheMode mode) {
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
    PlayfieldRenderer& renderer = play->field().renderer();
    renderer.set_cache_enabled(mode != kNoCopy);
    // Outside the timing, what is made once (the background's copy at the window's size, the
    // renderer's compiled shaders): five frames, drawn whole twice, then the screen copy made
    // and drawn from twice, so that each way of drawing has compiled its shaders.
    for (int i = 0; i < 5; ++i) {
        window->draw();
        window->swap_buffers();
    }
    int since_start = 0;
    int cursor = 0;
    int64_t remade = 0;
    for (auto _ : state) {
        state.PauseTiming();
        play->tick(30);
        GameField& field = play->field();
        if (++since_start == 200 || field.dying() || field.message() || field.is_game_over()) {
            restart_busy_level(*play);
            since_start = 0;
        } else if (since_start % 20 == 0) {
            dig_next_hole(*field.playfield(), cursor);
        }
        if (mode == kRemadeEachFrame) {
            renderer.invalidate_cache();
        }
        state.ResumeTiming();
        bench::timed_frame(*window);
        remade += renderer.captured() ? 1 : 0;
    }
    // The share of frames that made a new screen copy.
    state.counters["remade"] =
        benchmark::Counter(static_cast<double>(remade), benchmark::Counter::kAvgIterations);
    renderer.set_cache_enabled(true);
    window->remove_screen(play.get());
    if (full_hd) {
        bench::resize_display(*window, 800, 600);
    }
}
void BM_PlayScreenFrame(benchmark::State& state) {
    play_frames(state, kAsPlayed);
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

// The same frames with the screen copy remade at every frame (range 1: 1), or without a copy
// (range 1: 2), in the window (range 0: 0) and full screen (range 0: 1).
void BM_PlayScreenFrameCopy(benchmark::State& state) {
    play_frames(state, static_cast<CacheMode>(state.range(1)));
}
BENCHMARK(BM_PlayScreenFrameCopy)
    ->ArgsProduct({{0, 1}, {kRemadeEachFrame, kNoCopy}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
