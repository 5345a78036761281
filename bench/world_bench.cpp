// Costs of the game world alone, without drawing: one tick (keyboard poll, cells, runner,
// guards, points) on a busy level, the same over every level of both sets with random keys,
// and loading a level from the archive. The tick budget is 30 ms; the world should take a
// tiny part of it.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/world_rig.h"
#include "world/rules.h"

namespace {

using bench::RandomKeys;
using bench::WorldRig;

// A level of the second set with seven guards (eight before it was redrawn), a dozen holes
// opened at its start, and the runner steered at random (digging more holes as he goes). The
// level starts again every 200 ticks, or when the runner is caught, outside the timed part.
void BM_WorldTickBusy(benchmark::State& state) {
    WorldRig rig;
    if (!rig.init()) {
        state.SkipWithError("no data/data.pk in the game directory");
        return;
    }
    constexpr int kSet = 1;  // the second set
    constexpr int kLevel = 70;
    if (!rig.start(kSet, kLevel) || rig.run->guards().size() < 7) {
        state.SkipWithError("the busy level is missing or has fewer than seven guards");
        return;
    }
    RandomKeys keys(7);
    int holes = rig.open_holes(12);
    int since_start = 0;
    int64_t restarts = 0;
    for (auto _ : state) {
        rig.tick(keys.next());
        if (++since_start == 200 || rig.run->runner().dead()) {
            state.PauseTiming();
            rig.start(kSet, kLevel);
            holes += rig.open_holes(12);
            since_start = 0;
            ++restarts;
            state.ResumeTiming();
        }
    }
    state.counters["guards"] = static_cast<double>(rig.run->guards().size());
    state.counters["holes_per_start"] =
        static_cast<double>(holes) / static_cast<double>(restarts + 1);
    state.counters["ticks_per_start"] =
        static_cast<double>(state.iterations()) / static_cast<double>(restarts + 1);
}
BENCHMARK(BM_WorldTickBusy)->Unit(benchmark::kMicrosecond);

// Every level of both sets in turn, 300 ticks each with random keys: the average tick.
void BM_WorldTickAllLevels(benchmark::State& state) {
    WorldRig rig;
    if (!rig.init()) {
        state.SkipWithError("no data/data.pk in the game directory");
        return;
    }
    RandomKeys keys(11);
    int level_index = 0;
    int since_start = 0;
    int missing = 0;
    auto next_level = [&] {
        const int set = level_index / kLevelsPerSet;
        const int level = level_index % kLevelsPerSet + 1;
        level_index = (level_index + 1) % 150;
        if (!rig.start(set, level)) {
            ++missing;
        }
        since_start = 0;
    };
    next_level();
    for (auto _ : state) {
        rig.tick(keys.next());
        if (++since_start == 300) {
            state.PauseTiming();
            next_level();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    if (missing > 0) {
        state.counters["missing_levels"] = missing;
    }
}
BENCHMARK(BM_WorldTickAllLevels)->Unit(benchmark::kMicrosecond);

// A level start: the file read from the archive, the grid and its lights built, the runner
// and the guards placed.
void BM_LevelLoad(benchmark::State& state) {
    WorldRig rig;
    if (!rig.init()) {
        state.SkipWithError("no data/data.pk in the game directory");
        return;
    }
    rig.params.m_game_kind = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.run->start_level(70));
    }
    if (!rig.run->start_level(70)) {
        state.SkipWithError("level 70 of the second set is missing");
    }
}
BENCHMARK(BM_LevelLoad)->Unit(benchmark::kMicrosecond);

}  // namespace
