#pragma once

// FastTracker II module writer: linear frequency table, one sample per instrument, 16-bit
// delta-coded sample data, packed pattern data.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/music/song.h"

namespace music {

// The 16-bit samples as stored in the file: each value minus the one before it.
std::vector<int16_t> delta_encode(const std::vector<int16_t>& samples);

// Builds the file image; false, with the reason in `error`, when the song does not fit.
bool encode_xm(const Song& song, std::vector<uint8_t>* out, std::string* error);

}  // namespace music
