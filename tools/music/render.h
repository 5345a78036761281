#pragma once

// Plays a module through libmikmod's software mixer into memory, with only the silent output
// driver registered, so a track can be heard (or measured) without the game or a sound card.

#include <cstdint>
#include <string>
#include <vector>

namespace music {

struct Rendering {
    static constexpr int kRate = 44100;
    std::vector<int16_t> samples;  // interleaved stereo
    bool ended = false;            // the song finished before the time limit
    int patterns = 0;              // as loaded
    int positions = 0;
};

// Renders up to `seconds` of the module at `path`. The module's loop permission is cleared,
// as the game does, so a song that ends stops the rendering.
bool render_module(const std::string& path, double seconds, Rendering* out, std::string* error);

struct Levels {
    double seconds = 0.0;
    double peak = 0.0;  // 0..1 of full scale
    double rms = 0.0;
    double clipped = 0.0;  // fraction of samples at full scale
};

Levels measure(const Rendering& r);

}  // namespace music
