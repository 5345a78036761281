#pragma once

// Level files written in tests as rows of text, and the shipped rules to play them by.
// Header-only: the world's tests link the world alone.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/param_file.h"
#include "world/game_params.h"

namespace test_levels {

constexpr int kColumns = 32;  // cells in a row of a level file
constexpr int kRows = 22;     // rows in a level file

// A level file's text: each given row padded with air to 32 cells, then (with `rows_in_all`)
// rows of `filler` up to that many rows. Every row ends with `eol`.
inline std::string level_text(const std::vector<std::string>& rows, int rows_in_all = 0,
                              char filler = ' ', const std::string& eol = "\n") {
    std::string text;
    const int count = std::max(static_cast<int>(rows.size()), rows_in_all);
    for (int r = 0; r < count; ++r) {
        std::string line = r < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(r)]
                                                             : std::string(kColumns, filler);
        line.resize(kColumns, ' ');
        text += line + eol;
    }
    return text;
}

// The same as the bytes a level loader reads.
inline std::vector<uint8_t> level_bytes(const std::vector<std::string>& rows, int rows_in_all = 0,
                                        char filler = ' ', const std::string& eol = "\n") {
    const std::string text = level_text(rows, rows_in_all, filler, eol);
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A level from its top rows standing on solid blocks: every row below the given ones is solid.
inline std::string level_on_solid(const std::vector<std::string>& rows) {
    return level_text(rows, kRows, 'M');
}

// The rules the game ships ("assets/dat/zelm.txt" of the source tree); all zero when unread.
inline GameParams shipped_rules() {
    GameParams params;
    ParamFile file;
    if (file.load_file(std::string(QUARRIK_SOURCE_DIR) + "/assets/dat/zelm.txt", true)) {
        params.load_rules(file);
    }
    return params;
}

}  // namespace test_levels
