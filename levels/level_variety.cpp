#include "levels/level_variety.h"

namespace {

// The built cell, or ' ' for air, gold and the actors.
char built(const LevelGrid& grid, int column, int row) {
    const char c = grid.at(column, row);
    switch (c) {
        case 'T':
        case 'M':
        case 'U':
        case 'H':
        case '#':
        case '-':
            return c;
        default:
            return ' ';
    }
}

}  // namespace

LevelVariety level_variety(const LevelGrid& grid) {
    LevelVariety v;
    v.start_row = grid.runner_row();
    const int bottom = LevelGrid::kFileRows - 1;
    int bricks = 0, stones = 0;
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c) {
        const char k = built(grid, c, bottom);
        bricks += k == 'T';
        stones += k == 'M';
    }
    const int open = LevelGrid::kFileColumns - bricks - stones;
    v.bottom = open > 0      ? "open " + std::to_string(open)
               : stones == 0 ? "brick"
               : bricks == 0 ? "stone"
                             : "brick+stone";
    int cells = 0, same = 0;
    for (int r = 0; r < LevelGrid::kFileRows; ++r) {
        for (int c = 1; c <= LevelGrid::kFileColumns; ++c) {
            const char k = built(grid, c, r);
            if (k == ' ')
                continue;
            ++cells;
            same += built(grid, LevelGrid::kFileColumns + 1 - c, r) == k;
        }
    }
    v.mirror_percent = cells == 0 ? 100 : same * 100 / cells;
    return v;
}

int level_similarity(const LevelGrid& a, const LevelGrid& b) {
    int cells = 0, same = 0;
    for (int r = 0; r < LevelGrid::kFileRows; ++r) {
        for (int c = 1; c <= LevelGrid::kFileColumns; ++c) {
            const char x = built(a, c, r), y = built(b, c, r);
            if (x == ' ' && y == ' ')
                continue;
            ++cells;
            same += x == y;
        }
    }
    return cells == 0 ? 100 : same * 100 / cells;
}
