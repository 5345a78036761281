#pragma once

#include <cstdint>
#include <vector>

#include "sound/wav_reader.h"

// Turns a WAVE file's sample data into interleaved 16-bit stereo frames at `out_rate`, ready for
// the mixer. Integer PCM of 8, 16, 24 and 32 bits and IEEE float of 32 and 64 bits are
// understood, plain or in the extensible wrapper; mono is doubled to both sides and channels
// past the first two are dropped; other rates are resampled by linear interpolation. Returns
// false for formats it cannot play (compressed formats, inconsistent block sizes, rates outside
// 100..384000 Hz), for empty data and for effects over three minutes; `out` is then left empty.
bool convert_wave(const WaveFile& wave, int out_rate, std::vector<int16_t>& out);
