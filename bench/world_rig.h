// The game world set up as the simulator sets it up, for the benchmarks that run levels: the
// rules of "dat/zelm.txt", a scripted keyboard and the level files read through the game's
// archive; and random key presses of the benchmarks' own.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/keyboard_state.h"
#include "storage/pack_archive.h"
#include "world/game_params.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

class Playfield;

namespace bench {

// Random key presses from a generator of their own, so that the game's rand() sequence is
// left to the world: a new set of held playing keys every 1 to 20 ticks.
class RandomKeys {
  public:
    explicit RandomKeys(uint32_t seed) : m_state(seed) {}
    const std::vector<int>& next();

  private:
    uint32_t draw();

    uint32_t m_state;
    int m_left = 0;
    std::vector<int> m_held;
};

// Digs up to `holes` holes, spread over the level, in bricks with room above them: each as the
// runner would, standing in the column to the left and facing right. Returns how many.
int open_holes(Playfield& field, int holes);

struct WorldRig {
    PackArchive archive;
    GameParams params;
    KeyboardState keyboard;
    ScriptedKeyboard* keys = nullptr;
    std::unique_ptr<WorldContext> ctx;
    std::unique_ptr<WorldRun> run;

    // False when the game directory has no archive.
    bool init();
    // Level `level` of set `set` (0 or 1), with the random generator seeded from both.
    bool start(int set, int level);
    int open_holes(int holes) { return bench::open_holes(run->field(), holes); }
    // One tick as the play screen runs it, with these keys held.
    void tick(const std::vector<int>& held);
};

}  // namespace bench
