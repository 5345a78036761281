#pragma once

// The game's six effects in two sets: a smooth "normal" set and a square-wave "classic" set.
// In order: dig, gold taken, runner caught, last gold taken, level exit reached, extra life.

#include <string>
#include <vector>

#include "tools/sfx/synth.h"

namespace sfx {

constexpr int kEffectCount = 6;
constexpr float kPeak = 0.89f;  // about -1 dBFS
// Square waves carry far more energy for their peak than the soft normal set; this keeps the
// two sets about equally loud.
constexpr float kClassicPeak = 0.5f;

struct Effect {
    std::string file;  // "s1.wav" ... "s6.wav", "s01.wav" ... "s06.wav"
    Signal samples;    // mono at kRate, faded and normalised
};

// `index` 0..5 in the order above.
Signal make_normal(int index);
Signal make_classic(int index);

// All twelve, normal set first, in the order the game loads them.
std::vector<Effect> make_all_effects();

// Writes every effect into `dir` as 16-bit mono PCM. On failure names the file in `error`.
bool write_effects(const std::string& dir, std::string* error);

}  // namespace sfx
