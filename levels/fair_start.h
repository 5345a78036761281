#pragma once

#include <string>

#include "world/game_params.h"

// Whether a level gives the player a moment to look at it: the runner releases the guards with
// a key that does not move him and then stands still. Guards that reach him within the first
// seconds make a start no player can survive by thinking first.

struct FairStartResult {
    bool fair = true;
    long caught_tick = 0;  // when not fair: the tick the runner was caught (or buried)
    int column = 0;        // and where
    int row = 0;
};

// Seeds the random generator with `seed`, builds the level from its text and waits `ms`
// milliseconds of game time with the runner standing.
FairStartResult check_fair_start(const GameParams& rules, const std::string& level_text,
                                 unsigned seed, int ms = 5000);
