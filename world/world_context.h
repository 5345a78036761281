#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "world/game_params.h"

#include "world/animation.h"

class KeyboardState;

// The sheet grids of the current skin's pictures, which the world's animations count in. The
// defaults stand where no skin is loaded (tests, tools).
struct WorldSkin {
    SheetGrid brick{1, 8};  // also the false brick
    SheetGrid solid;
    SheetGrid ladder;  // also the hidden ladder
    SheetGrid rope;
    SheetGrid gold{4, 1};
    SheetGrid light{1, 8};
    SheetGrid player{8, 16};  // the runner and, tinted, the guards
};

// Where the world's sound events go: the game plays them, tests note them.
class WorldSoundSink {
  public:
    virtual ~WorldSoundSink() = default;
    // `effect` is the effect's number in the selected set; stop_first stops a running copy
    // before the restart (the gold pick-up).
    virtual void play(int effect, bool restart, bool stop_first) = 0;
};

// What the world needs of the application. The owner fills it and keeps it alive as long as
// any playfield or actor built on it.
struct WorldContext {
    WorldContext(GameParams& p, KeyboardState& k) : params(p), keyboard(k) {}

    GameParams& params;
    KeyboardState& keyboard;
    WorldSkin skin;
    WorldSoundSink* sound = nullptr;
    bool sound_classic = true;

    // Reads a whole data file (a level) by its archive name; false when it cannot be read.
    std::function<bool(const std::string& name, std::vector<uint8_t>& out)> read_file;

    // When set, every effect started is also appended here (by its played number).
    std::vector<int>* sound_log = nullptr;

    // Plays a sound event in the selected set. stop_first stops a running copy before the
    // restart (the gold pick-up).
    void play(int event, bool restart, bool stop_first = false) const;
};
