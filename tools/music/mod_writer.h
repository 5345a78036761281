#pragma once

// ProTracker module writer: 31 samples, 8-bit signed sample data, 64-row patterns. Four
// channels use the "M.K." tag; six and eight channels the "6CHN" and "8CHN" tags.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/music/song.h"

namespace music {

// Amiga period of a note 37..72 (C-1..B-3 in ProTracker's naming), 0 for anything else.
uint16_t mod_period(uint8_t note);

// Builds the file image. The song's initial speed and tempo are written as Fxx commands on
// the first row of the first pattern played, in channels whose effect column is free there.
// Returns false, with the reason in `error`, when the song does not fit the format.
bool encode_mod(const Song& song, std::vector<uint8_t>* out, std::string* error);

}  // namespace music
