#pragma once

// How loud and how clean a sound is, by one measure shared by the effect generator (which
// levels every effect to a target) and the level report over the shipped files.
//
// Loudness is K-weighted (the two-filter weighting broadcasters use: a high shelf of +4 dB
// above about 1.7 kHz and a high-pass at 38 Hz, so bass counts less and presence more) mean
// square over the sounding part: the sound is cut into 50 ms blocks and blocks more than
// 20 dB below the loudest one (decay tails, pauses) are left out. Channels are averaged, so a
// mono effect and the same sound on both channels measure alike. Figures are dB against a
// full-scale square.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace loudness {

struct Figures {
    double mean = 0.0;         // of the whole sound, of full scale
    double window_mean = 0.0;  // the largest mean (by size, signed) over any 20 ms
    double peak = 0.0;         // of full scale
    double loudness = -120.0;  // dB, as above
};

// `samples` interleaved, `channels` per frame, values in full-scale units (-1..1).
Figures measure(const std::vector<float>& samples, int channels, int rate);
Figures measure_pcm16(const int16_t* samples, size_t count, int channels, int rate);

// Only the loudness figure (cheaper: no window means).
double k_weighted_loudness(const std::vector<float>& samples, int channels, int rate);

}  // namespace loudness
