#include "levels/fair_start.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/keyboard_state.h"
#include "world/grid.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

FairStartResult check_fair_start(const GameParams& rules, const std::string& level_text,
                                 unsigned seed, int ms) {
    GameParams params = rules;
    auto device = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard* keys = device.get();
    KeyboardState keyboard;
    keyboard.create(std::move(device));
    std::srand(seed);
    WorldContext ctx(params, keyboard);
    WorldRun run(ctx);
    run.start(reinterpret_cast<const uint8_t*>(level_text.data()), level_text.size());
    FairStartResult result;
    const long ticks = ms / kTickMs;
    for (long tick = 1; tick <= ticks; ++tick) {
        // "Up" where there is no ladder moves nobody but counts as the first move, which is
        // what lets the guards go.
        keys->hold(tick == 1 ? std::vector<int>{params.m_up_key} : std::vector<int>());
        keyboard.poll();
        run.tick();
        if (run.runner().dead()) {
            result.fair = false;
            result.caught_tick = tick;
            result.column = run.runner().cell().c;
            result.row = run.runner().cell().r;
            break;
        }
    }
    return result;
}
