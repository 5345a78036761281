#pragma once

// The game's eleven tracks: eight four-channel modules and three FastTracker II songs.

#include <string>
#include <vector>

#include "tools/music/composer.h"

namespace music {

// In playlist order: "001.mod" ... "004.mod", "005.xm" ... "007.xm", "008.mod" ... "011.mod".
std::vector<TrackPlan> game_tracks();

// Writes every track into `dir`.
bool write_all_tracks(const std::string& dir, std::string* error);

}  // namespace music
