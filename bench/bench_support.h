// Shared set-up of the benchmarks: the built game directory, and one real window with the
// game's application object and resources for the benchmarks that draw.
#pragma once

#include <memory>
#include <string>

#include <benchmark/benchmark.h>

class AppWindow;
class GameApp;

namespace bench {

// The game directory built beside the benchmark executable (<build>/game), or the folder named
// by QUARRIK_GAME_DIR.
std::string game_dir();

// Makes the game directory the working directory, as the game does at start-up, so the data
// paths (the data archive) resolve. False when it does not hold the archive.
bool enter_game_dir();

// The game's application object, built once in the game directory (archive, layout, params).
// Null when the game directory cannot be entered.
GameApp* game_app_once();

// A real 800 x 600 window with its GL context and the resource set loaded, built once for all
// drawing benchmarks and kept until the process ends. Null (with `why` set) without a display.
AppWindow* display_once(std::string& why);

// Makes the display's window `width` x `height` as a display switch does: the resources are
// released, the window and its GL context made anew, the resources loaded again.
bool resize_display(AppWindow& window, int width, int height);

// One timed frame: the window's draw and the buffer swap. A function of its own, so that a
// profiler can count the timed frames alone (callgrind --toggle-collect='bench::timed_frame*').
void timed_frame(AppWindow& window);

// Frame times on a machine shared with other work: five runs, reported as their median (what
// the game sees now) and their best (closest to the renderer's own cost).
void repeated(benchmark::internal::Benchmark* b);

}  // namespace bench
