#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "world/game_params.h"

class Sprite;
class Texture;
class SoundBank;
class KeyboardState;

// The prototype sprites of the current skin. Null members (tests, tools) make the cells use
// built-in sprites that have no picture but animate like real ones.
struct WorldSkin {
    const Sprite* brick = nullptr;   // "g_1.spr", also the false brick
    const Sprite* solid = nullptr;   // "g_2.spr"
    const Sprite* ladder = nullptr;  // "g_3.spr", also the hidden ladder
    const Sprite* rope = nullptr;    // "g_4.spr"
    const Sprite* gold = nullptr;    // "g_7.spr"
    const Sprite* light = nullptr;   // "light.spr"
    const Texture* background = nullptr;
};

// What the world needs of the application. The owner fills it and keeps it alive as long as
// any playfield or actor built on it.
struct WorldContext {
    WorldContext(GameParams& p, KeyboardState& k) : params(p), keyboard(k) {}

    GameParams& params;
    KeyboardState& keyboard;
    WorldSkin skin;
    const Sprite* player = nullptr;  // "dat/p_1.spr"
    SoundBank* sound = nullptr;
    bool sound_classic = true;

    // Reads a whole data file (a level) by its archive name; false when it cannot be read.
    std::function<bool(const std::string& name, std::vector<uint8_t>& out)> read_file;

    // When set, every effect started is also appended here (by its played number).
    std::vector<int>* sound_log = nullptr;

    // Plays a sound event in the selected set. stop_first stops a running copy before the
    // restart (the gold pick-up).
    void play(int event, bool restart, bool stop_first = false) const;
};
