#pragma once

#include <string>

#include "levels/level_checker.h"

// What makes levels look alike or apart, for the level tables: the kind of bottom row, where
// the runner starts, how nearly the layout mirrors itself, and how much two layouts share.
// Only the built cells count (bricks, stone, false bricks, ladders, hidden ladders, ropes);
// gold and the actors are left out.

struct LevelVariety {
    std::string bottom;  // "brick", "stone", "brick+stone" or "open N" (N cells not floor)
    int start_row = -1;
    int mirror_percent = 0;  // built cells whose mirror image across the middle is the same
};

LevelVariety level_variety(const LevelGrid& grid);

// Of the cells built in either level, the percentage built the same in both.
int level_similarity(const LevelGrid& a, const LevelGrid& b);
