// Level files through the level loader, then played: the rest of the input holds the playing
// keys of each tick, so the runner and the guards move over whatever the file built.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/keyboard_state.h"
#include "fuzz/fuzz_support.h"
#include "storage/param_file.h"
#include "world/game_params.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

// The game's own rules file from the source tree.
const GameParams& rules() {
    static const GameParams params = [] {
        GameParams p;
        std::ifstream in(std::string(QUARRIK_SOURCE_DIR) + "/assets/dat/zelm.txt",
                         std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        if (text.empty()) {
            __builtin_trap();  // without the rules nothing moves
        }
        ParamFile file;
        file.load_memory(text.data(), text.size(), true);
        p.load_rules(file);
        return p;
    }();
    return params;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Splitter split(data, size);
    const std::vector<std::uint8_t> level = split.take();
    const std::vector<std::uint8_t> keys = split.rest();

    GameParams params = rules();
    auto device = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard* held = device.get();
    KeyboardState keyboard;
    keyboard.create(std::move(device));
    WorldContext ctx(params, keyboard);
    WorldRun run(ctx);
    std::srand(static_cast<unsigned>(keys.empty() ? 1 : keys[0]));
    run.start(level.data(), level.size());

    const int bindings[] = {params.m_left_key, params.m_right_key, params.m_up_key,
                            params.m_down_key, params.m_fire_key,  params.m_die_key};
    // Each key byte holds for four ticks; at most 600 ticks (18 s of play) per input.
    for (std::size_t tick = 0; tick < 600 && tick / 4 < keys.size(); ++tick) {
        std::vector<int> down;
        for (int k = 0; k < 6; ++k) {
            if (keys[tick / 4] & (1u << k)) {
                down.push_back(bindings[k]);
            }
        }
        held->hold(down);
        keyboard.poll();
        run.tick();
        if (run.level_finished()) {
            break;
        }
    }
    return 0;
}
