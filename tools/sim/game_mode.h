#pragma once

#include <string>

class KeyScript;

// Runs a whole game from level `level` of set `set` (1 or 2) for up to `ticks` ticks, or until
// the game ends, printing the session's state after each tick. Returns the exit code.
int run_game_mode(const std::string& game_dir, int set, int level, unsigned seed, long ticks,
                  const KeyScript& script);
