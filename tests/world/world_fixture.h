#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/fake_keyboard.h"
#include "support/level_rows.h"
#include "world/game_params.h"
#include "world/grid.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace world_test {

constexpr int kDown = 208;
constexpr int kLeft = 203;
constexpr int kRight = 205;
constexpr int kUp = 200;
constexpr int kFire = 57;
constexpr int kDie = 37;

// A level file from rows of text: character i of a row is file column i + 1.
using test_levels::level_bytes;

inline Pos center(int c, int r) {
    return grid_cell_center(c, r);
}

// A level in play with a fake keyboard, rules suited to the tests and a log of sounds.
struct TestWorld {
    FakeKeyboard kb;
    GameParams params;
    WorldContext ctx{params, kb.state};
    std::vector<int> sounds;
    WorldRun run{ctx};

    TestWorld() {
        params.m_lives_per_score = 10000;
        params.m_time_exploded = 3000;
        params.m_player_dead_time = 1000;
        params.m_time_in_hole = 2000;
        params.m_time_keep_gold_min = 1000;
        params.m_time_keep_gold_max = 2000;
        params.m_prob_take_gold = 0;
        params.m_light_dist = 5;
        ctx.sound_log = &sounds;
        ctx.sound_classic = false;
    }

    void load(const std::vector<std::string>& rows, unsigned seed = 1) {
        std::srand(seed);
        const std::vector<uint8_t> bytes = level_bytes(rows);
        run.start(bytes.data(), bytes.size());
    }
    void hold(std::initializer_list<int> keys) { kb.hold(keys); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) {
            run.tick();
        }
    }
    Runner& runner() { return run.runner(); }
    Playfield& field() { return run.field(); }
    CellCoord runner_cell() { return runner().cell(); }
    // Puts the runner at a cell centre, as if it had come to rest there.
    void put_runner(int c, int r) {
        Pos p = center(c, r);
        p.z = 2.0f;
        runner().set_pos(p);
        runner().set_state(kStanding);
    }
    bool heard(int sound) const {
        for (int s : sounds) {
            if (s == sound)
                return true;
        }
        return false;
    }
};

}  // namespace world_test
