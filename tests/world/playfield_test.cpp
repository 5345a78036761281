#include <gtest/gtest.h>

#include <cstdlib>

#include "world/cell.h"
#include "world/playfield.h"
#include "world_fixture.h"

using namespace world_test;

TEST(GridTest, CellOfRoundsAtTheBorders) {
    // x = 0 is half a cell into column 1; just left of it is column 0 (0.48 rounds down).
    EXPECT_EQ(grid_cell_of({0.0f, 100.0f, 0.0f}).c, 1);
    EXPECT_EQ(grid_cell_of({-0.5f, 100.0f, 0.0f}).c, 0);
    EXPECT_EQ(grid_cell_of({799.9f, 100.0f, 0.0f}).c, 32);
    EXPECT_EQ(grid_cell_of({800.0f, 100.0f, 0.0f}).c, 33);
    // y = 0 gives -0.5, which truncates toward zero instead of rounding to -1.
    EXPECT_EQ(grid_cell_of({100.0f, 0.0f, 0.0f}).r, 0);
    EXPECT_EQ(grid_cell_of({100.0f, 24.9f, 0.0f}).r, 0);
    EXPECT_EQ(grid_cell_of({100.0f, 25.0f, 0.0f}).r, 1);
    EXPECT_EQ(grid_cell_of({100.0f, -12.0f, 0.0f}).r, 0);
    EXPECT_EQ(grid_cell_of({100.0f, -20.0f, 0.0f}).r, -1);
    EXPECT_TRUE(grid_cell_of({0.0f, 0.0f, 0.0f}).valid);
    EXPECT_FALSE(grid_cell_of({-40.0f, 0.0f, 0.0f}).valid);
    EXPECT_FALSE(grid_cell_of({100.0f, 590.0f, 0.0f}).valid);
    // Far-off or broken positions stay defined.
    EXPECT_FALSE(grid_cell_of({1e30f, -1e30f, 0.0f}).valid);
}

TEST(GridTest, GridRoundLooksAtTheTenthsOnly) {
    EXPECT_EQ(grid_round(2.5f), 3);
    EXPECT_EQ(grid_round(2.45f), 2);
    EXPECT_EQ(grid_round(-0.5f), 0);
    EXPECT_EQ(grid_round(-1.7f), -1);
    EXPECT_EQ(grid_round(0.0f), 0);
}

TEST(PlayfieldTest, FileRowsUseAStrideOf33) {
    TestWorld w;
    w.load({"T", " H", "  -"});
    EXPECT_EQ(w.field().kind_at(1, 0), kBrick);
    EXPECT_EQ(w.field().kind_at(2, 1), kLadder);
    EXPECT_EQ(w.field().kind_at(3, 2), kRope);
    EXPECT_EQ(w.field().kind_at(3, 3), 0);
}

TEST(PlayfieldTest, TwoByteLineEndsShiftEachRowByOneMore) {
    TestWorld w;
    std::srand(1);
    const auto bytes = level_bytes({"T", "T", "T"}, 0, ' ', "\r\n");
    w.run.start(bytes.data(), bytes.size());
    EXPECT_EQ(w.field().kind_at(1, 0), kBrick);
    EXPECT_EQ(w.field().kind_at(1, 1), 0);  // the row starts at the line feed
    EXPECT_EQ(w.field().kind_at(2, 1), kBrick);
    EXPECT_EQ(w.field().kind_at(3, 2), kBrick);
}

TEST(PlayfieldTest, MarkersGiveStartsInReadingOrder) {
    TestWorld w;
    w.load({"  !   $", " $    ! $", "$"});
    // The later "!" (further down) wins.
    EXPECT_FLOAT_EQ(w.field().runner_start().x, center(7, 1).x);
    EXPECT_FLOAT_EQ(w.field().runner_start().y, center(7, 1).y);
    const auto& starts = w.field().guard_starts();
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_FLOAT_EQ(starts[0].x, center(7, 0).x);
    EXPECT_FLOAT_EQ(starts[1].x, center(2, 1).x);
    EXPECT_FLOAT_EQ(starts[2].x, center(9, 1).x);
    EXPECT_FLOAT_EQ(starts[2].y, center(9, 1).y);
    EXPECT_FLOAT_EQ(starts[3].y, center(1, 2).y);
    ASSERT_EQ(w.run.guards().size(), 4u);
    EXPECT_FLOAT_EQ(w.run.guards()[0]->pos().x, center(7, 0).x);
    // Markers leave empty cells; the runner starts 3 units right of its cell centre.
    EXPECT_EQ(w.field().cell_at(7, 1), nullptr);
    EXPECT_FLOAT_EQ(w.runner().pos().x, center(7, 1).x + 3.0f);
    EXPECT_FLOAT_EQ(w.runner().pos().z, 2.0f);
}

TEST(PlayfieldTest, BorderIsAlwaysSolidAndMissingBytesAreEmpty) {
    TestWorld w;
    std::vector<std::string> rows(22, std::string(32, 'H'));
    w.load(rows);
    for (int r = 0; r < 23; ++r) {
        EXPECT_EQ(w.field().kind_at(0, r), kSolid);
        EXPECT_EQ(w.field().kind_at(33, r), kSolid);
    }
    for (int c = 0; c < 34; ++c) {
        EXPECT_EQ(w.field().kind_at(c, 22), kSolid);
    }
    EXPECT_EQ(w.field().kind_at(1, 21), kLadder);
    EXPECT_EQ(w.field().kind_at(32, 0), kLadder);
    // Above the top row and outside the grid reads as solid.
    EXPECT_EQ(w.field().kind_at(5, -1), kSolid);
    EXPECT_EQ(w.field().kind_at(40, 3), kSolid);

    // A short file: only the bytes present count.
    const std::vector<uint8_t> part = {'T', 'T', 'M'};
    w.run.start(part.data(), part.size());
    EXPECT_EQ(w.field().kind_at(3, 0), kSolid);
    EXPECT_EQ(w.field().kind_at(4, 0), 0);
    EXPECT_EQ(w.field().kind_at(1, 1), 0);
    w.run.start(nullptr, 0);
    EXPECT_EQ(w.field().kind_at(1, 0), 0);
    EXPECT_EQ(w.field().kind_at(0, 0), kSolid);
    EXPECT_EQ(w.field().gold_left(), 0);
}

TEST(PlayfieldTest, MissingLevelFileLoadsAnEmptyLevel) {
    TestWorld w;
    w.ctx.read_file = [](const std::string& name, std::vector<uint8_t>& out) {
        if (name != "dat/levels2_full/07.txt")
            return false;
        out = level_bytes({"*T"});
        return true;
    };
    w.params.m_game_kind = 1;
    EXPECT_TRUE(w.run.start_level(7));
    EXPECT_EQ(w.field().kind_at(1, 0), kGold);
    EXPECT_EQ(w.field().gold_left(), 1);
    EXPECT_FALSE(w.run.start_level(8));
    EXPECT_EQ(w.field().kind_at(1, 0), 0);
    EXPECT_EQ(Playfield::level_path(0, 3), "dat/levels1_full/03.txt");
}

namespace {
int count_lights(Playfield& f) {
    int n = 0;
    for (int r = 0; r < 23; ++r) {
        for (int c = 0; c < 34; ++c) {
            if (f.light_at(c, r) != nullptr)
                ++n;
        }
    }
    return n;
}
}  // namespace

TEST(PlayfieldTest, SpacingOneLightsEveryQualifyingCell) {
    TestWorld w;
    w.params.m_light_dist = 1;
    // Qualifying: empty cells over brick or solid: columns 5..8 of row 2 (column 4 holds a
    // rope) and all 32 cells of row 21 over the bottom border.
    w.load({"", "", "   -   ", "   TTMMT"});
    EXPECT_EQ(count_lights(w.field()), 4 + 32);
    EXPECT_EQ(w.field().light_at(3, 2), nullptr);  // empty cell over empty
    EXPECT_EQ(w.field().light_at(4, 2), nullptr);  // the rope is not empty
    EXPECT_NE(w.field().light_at(5, 2), nullptr);
    EXPECT_NE(w.field().light_at(8, 2), nullptr);
    EXPECT_EQ(w.field().light_at(9, 2), nullptr);
    EXPECT_EQ(w.field().light_at(0, 0), nullptr);

    // Spacing 0 (a broken file) acts as 1 instead of dividing by zero.
    w.params.m_light_dist = 0;
    w.load({"", "", "   -   ", "   TTMMT"});
    EXPECT_EQ(count_lights(w.field()), 36);

    // A wider spacing leaves at least that many cells between lights.
    w.params.m_light_dist = 3;
    w.load({"", "", "   -   ", "   TTMMT"});
    int last = -100;
    for (int r = 0; r < 22; ++r) {
        for (int c = 0; c < 34; ++c) {
            if (w.field().light_at(c, r) != nullptr) {
                const int at = r * 34 + c;
                EXPECT_GE(at - last, 3);
                last = at;
            }
        }
    }
}

TEST(PlayfieldTest, GoldDrawsItsGroupAndLightsTheirLooksFromTheSharedSequence) {
    // The same seed builds the same level; the loader's draws advance the shared sequence.
    TestWorld a;
    a.load({"* * *", "TTTTT"}, 42);
    const int after_a = std::rand();
    TestWorld b;
    b.load({"* * *", "TTTTT"}, 42);
    EXPECT_EQ(std::rand(), after_a);
    EXPECT_EQ(a.field().gold_left(), 3);
}

TEST(PlayfieldTest, CellsAndLightsKeepTheirStateThroughASkinRebuild) {
    TestWorld w;
    w.load({"#  ", "TTT"});
    Cell* brick = w.field().cell_at(2, 1);
    brick->activate();
    w.ticks(5);
    const int frame = w.field().cell_at(2, 1)->animation().m_frame;
    w.field().rebuild_skin();
    const auto* rebuilt = dynamic_cast<const BrickCell*>(w.field().cell_at(2, 1));
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(static_cast<const Cell*>(rebuilt), brick);
    EXPECT_TRUE(rebuilt->is_passable());
    EXPECT_EQ(rebuilt->stage(), BrickCell::kDigging);
    EXPECT_EQ(rebuilt->animation().m_frame, frame);
    EXPECT_FALSE(w.field().cell_at(1, 0)->animation().m_visible);  // the hidden ladder stays hidden
    EXPECT_EQ(w.field().kind_at(1, 0), kHiddenLadder);
}
