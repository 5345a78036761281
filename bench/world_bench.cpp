// Costs of the game world alone, without drawing: one tick (keyboard poll, cells, runner,
// guards, points) on a busy level, the same over every level of both sets with random keys,
// and loading a level from the archive. The tick budget is 30 ms; the world should take a
// tiny part of it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/keyboard_state.h"
#include "bench/bench_support.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "world/cell.h"
#include "world/game_params.h"
#include "world/grid.h"
#include "world/playfield.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

// The scan codes of the playing keys: down, left, right, up, fire.
constexpr int kPlayKeys[] = {208, 203, 205, 200, 57};

// Random key presses of its own, so that the game's rand() sequence is left to the world.
class RandomKeys {
  public:
    explicit RandomKeys(uint32_t seed) : m_state(seed) {}

    // A new set of held keys every few ticks.
    const std::vector<int>& next() {
        if (m_left == 0) {
            m_held.clear();
            for (int key : kPlayKeys) {
                if (draw() % 10 < 3) {
                    m_held.push_back(key);
                }
            }
            m_left = 1 + draw() % 20;
        }
        --m_left;
        return m_held;
    }

  private:
    uint32_t draw() {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }

    uint32_t m_state;
    int m_left = 0;
    std::vector<int> m_held;
};

// The world's surroundings as the simulator builds them: the rules of "dat/zelm.txt", a
// scripted keyboard and the level files read through the game's archive.
struct WorldRig {
    PackArchive archive;
    GameParams params;
    KeyboardState keyboard;
    ScriptedKeyboard* keys = nullptr;
    std::unique_ptr<WorldContext> ctx;
    std::unique_ptr<WorldRun> run;

    bool init() {
        archive.set_key(kPackKey);
        if (!bench::enter_game_dir() || !archive.open("data/data.pk")) {
            return false;
        }
        const PackEntry rules_text = archive.read_file("dat/zelm.txt");
        ParamFile rules;
        rules.load_memory(rules_text.data.get(), rules_text.size, true);
        params.load_rules(rules);
        auto device = std::make_unique<ScriptedKeyboard>();
        keys = device.get();
        keyboard.create(std::move(device));
        ctx = std::make_unique<WorldContext>(params, keyboard);
        ctx->read_file = [this](const std::string& name, std::vector<uint8_t>& out) {
            const PackEntry entry = archive.read_file(name);
            if (!entry.data) {
                return false;
            }
            out.assign(entry.data.get(), entry.data.get() + entry.size);
            return true;
        };
        run = std::make_unique<WorldRun>(*ctx);
        return true;
    }

    bool start(int set, int level) {
        params.m_game_kind = set;
        std::srand(static_cast<unsigned>(1000 * set + level));
        return run->start_level(level);
    }

    // Digs up to `holes` holes, spread over the level, in bricks with room above them: each as
    // the runner would, standing in the column to the left and facing right.
    int open_holes(int holes) {
        Playfield& field = run->field();
        int opened = 0;
        for (int r = 1; r < kGridHeight - 1 && opened < holes; r += 2) {
            for (int c = 2 + r % 5; c < kGridWidth - 1 && opened < holes; c += 5) {
                const auto* brick = dynamic_cast<const BrickCell*>(field.cell_at(c, r));
                if (!brick || field.cell_at(c, r - 1)) {
                    continue;
                }
                field.dig(field.cell_center(c - 1, r - 1), 1);
                if (brick->stage() != BrickCell::kClosed) {
                    ++opened;
                }
            }
        }
        return opened;
    }

    void tick(const std::vector<int>& held) {
        keys->hold(held);
        keyboard.poll();
        run->tick();
    }
};

// A level of the second set with eight guards, a dozen holes opened at its start, and the
// runner steered at random (digging more holes as he goes). The level starts again every 200
// ticks, or when the runner is caught, outside the timed part.
void BM_WorldTickBusy(benchmark::State& state) {
    WorldRig rig;
    if (!rig.init()) {
        state.SkipWithError("no data/data.pk in the game directory");
        return;
    }
    constexpr int kSet = 1;  // the second set
    constexpr int kLevel = 70;
    if (!rig.start(kSet, kLevel) || rig.run->guards().size() < 8) {
        state.SkipWithError("the busy level is missing or has fewer than eight guards");
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
        const int set = level_index / 75;
        const int level = level_index % 75 + 1;
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
