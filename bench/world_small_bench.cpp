// Cost of one world tick (cells, runner, guards) on a small made-up level with four guards and
// fixed rules; it must stay a small part of the 30 ms tick. world_bench.cpp runs the shipped
// levels with the shipped rules.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/keyboard_state.h"
#include "world/game_params.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

std::vector<uint8_t> busy_level() {
    const char* rows[] = {"   $        H   *    $      H   ", "TTTTTTTTHTTTTTTTTTTTTTTTTTTTHTTT",
                          "        H  -------------    H   ", "  *     H               H   H * ",
                          "TTTTHTTTTTTTTTTTTUTTTTTTHTTTTTTT", "    H      $         *  H       ",
                          "    H   TTTTTTTTTTTTTTTTTTT  $  ", "  ! H                       TTTT",
                          "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"};
    std::vector<uint8_t> out;
    for (const char* row : rows) {
        std::string line(row);
        line.resize(32, ' ');
        out.insert(out.end(), line.begin(), line.end());
        out.push_back('\n');
    }
    return out;
}

void BM_WorldTick(benchmark::State& state) {
    GameParams params;
    params.m_time_exploded = 5000;
    params.m_time_in_hole = 3500;
    params.m_prob_take_gold = 24;
    params.m_time_keep_gold_min = 4000;
    params.m_time_keep_gold_max = 12000;
    params.m_light_dist = 9;
    auto device = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard* keys = device.get();
    KeyboardState keyboard;
    keyboard.create(std::move(device));
    WorldContext ctx(params, keyboard);
    WorldRun run(ctx);
    const std::vector<uint8_t> level = busy_level();
    std::srand(1);
    run.start(level.data(), level.size());
    int tick = 0;
    for (auto _ : state) {
        // The runner wanders and digs; a new level replaces a lost one.
        keys->hold({tick % 200 < 100 ? 205 : 203, tick % 37 == 0 ? 57 : 0});
        keyboard.poll();
        run.tick();
        if (run.runner().dead()) {
            run.start(level.data(), level.size());
        }
        ++tick;
    }
}
BENCHMARK(BM_WorldTick);

}  // namespace
