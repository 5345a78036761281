#pragma once

// The game's six effects in two sets: a smooth "normal" set and a square-wave "classic" set.
// In order: dig, gold taken, runner caught, last gold taken, level exit reached, extra life.

#include <string>
#include <vector>

#include "tools/sfx/synth.h"

namespace sfx {

constexpr int kEffectCount = 6;
// Every effect of both sets is levelled to this loudness (tools/sfx/loudness.h), that of the
// music at the default music volume, so neither drowns the other.
constexpr double kLoudness = -23.5;
constexpr float kPeakCeiling = 0.89f;  // about -1 dBFS
// Below this the effects carry only rumble and offset.
constexpr double kLowCut = 60.0;
// The classic set's squares are rounded off above this.
constexpr double kClassicTop = 4500.0;
// Fades at both ends of every effect, at least this long (seconds).
constexpr double kShortestFade = 0.003;

struct Effect {
    std::string file;  // "s1.wav" ... "s6.wav", "s01.wav" ... "s06.wav"
    Signal samples;    // mono at kRate, faded and levelled
};

// `index` 0..5 in the order above.
Signal make_normal(int index);
Signal make_classic(int index);

// All twelve, normal set first, in the order the game loads them.
std::vector<Effect> make_all_effects();

// Writes every effect into `dir` as 16-bit mono PCM. On failure names the file in `error`.
bool write_effects(const std::string& dir, std::string* error);

}  // namespace sfx
