// The variety columns of the level tables: the bottom row's kind, the start row, how nearly a
// layout mirrors itself and how much two layouts share (built cells only).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/level_variety.h"
#include "support/level_rows.h"

namespace {

LevelGrid grid_of(const std::vector<std::string>& rows) {
    LevelGrid grid;
    std::string error;
    EXPECT_TRUE(grid.parse(test_levels::level_text(rows, test_levels::kRows), error)) << error;
    return grid;
}

TEST(LevelVariety, BottomRowStartRowMirrorAndLikeness) {
    std::vector<std::string> rows(22);
    rows[3] = std::string(32, ' ');
    rows[3][2] = rows[3][29] = 'H';
    rows[3][3] = '*';
    rows[3][16] = '!';
    rows[4] = std::string(32, 'T');
    rows[21] = std::string(32, 'T');
    const LevelGrid symmetric = grid_of(rows);
    LevelVariety v = level_variety(symmetric);
    EXPECT_EQ(v.bottom, "brick");
    EXPECT_EQ(v.start_row, 3);
    // Gold and the runner do not count against the mirror.
    EXPECT_EQ(v.mirror_percent, 100);
    EXPECT_EQ(level_similarity(symmetric, symmetric), 100);

    rows[3][29] = ' ';
    rows[21] = std::string(16, 'M') + std::string(16, 'T');
    v = level_variety(grid_of(rows));
    EXPECT_EQ(v.bottom, "brick+stone");
    EXPECT_LT(v.mirror_percent, 100);
    rows[21][5] = ' ';
    rows[21][6] = 'H';
    EXPECT_EQ(level_variety(grid_of(rows)).bottom, "open 2");

    // Nothing built in common: no likeness.
    const LevelGrid other = grid_of({"!", "", "-----"});
    EXPECT_EQ(level_similarity(symmetric, other), 0);
}

}  // namespace
