#include <gtest/gtest.h>

#include <cstdlib>

#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"
#include "world_fixture.h"

using namespace world_test;

namespace {
// Runs ticks until the condition holds or the limit passes; returns whether it held.
template <typename Pred>
bool run_until(TestWorld& w, Pred pred, int limit = 2000) {
    for (int i = 0; i < limit; ++i) {
        if (pred())
            return true;
        w.ticks(1);
    }
    return pred();
}

void place_guard(TestWorld& w, size_t i, int c, int r) {
    w.run.guard(i).place(center(c, r));
}
}  // namespace

TEST(GuardTest, GuardsWaitForThePlayersFirstMove) {
    TestWorld w;
    w.load({"$      !", "TTTTTTTTT"});
    const Pos start = w.run.guard(0).pos();
    w.ticks(50);
    EXPECT_FLOAT_EQ(w.run.guard(0).pos().x, start.x);
    EXPECT_EQ(w.run.guard(0).target_cell().c, -1);
    w.hold({kRight});
    w.ticks(1);
    EXPECT_EQ(w.run.guard(0).target_cell().c, 2);
    EXPECT_EQ(w.run.guard(0).guard_move(), kMoveRight);
}

TEST(GuardTest, DepthsCountTheGuardsAlive) {
    TestWorld w;
    w.load({"$ $ $", "TTTTTT"});
    EXPECT_FLOAT_EQ(w.run.guard(0).pos().z, 1.1f);
    EXPECT_FLOAT_EQ(w.run.guard(1).pos().z, 1.2f);
    EXPECT_FLOAT_EQ(w.run.guard(2).pos().z, 1.3f);
    w.load({"$", "TT"});  // the old guards are gone
    EXPECT_EQ(Guard::alive_count(), 1);
    EXPECT_FLOAT_EQ(w.run.guard(0).depth(), 1.1f);
}

TEST(GuardTest, AGuardInTheRunnersColumnStartsWithTheLeftPreferences) {
    // Runner straight below: the left list picks left; one column further right, the right
    // list picks right.
    for (int runner_col : {4, 5}) {
        TestWorld w;
        std::string runner_row = "     ";
        runner_row[static_cast<size_t>(runner_col - 1)] = '!';
        runner_row[static_cast<size_t>(runner_col - 2)] = 'M';
        runner_row += "M";
        w.load({"   $    ", "TTTTTTTT", "", runner_row, "TTTTTTTT"});
        w.hold({kLeft});  // walled in: the runner only counts as moved
        w.ticks(1);
        ASSERT_EQ(w.runner_cell().c, runner_col);
        EXPECT_EQ(w.run.guard(0).guard_move(), runner_col == 4 ? kMoveLeft : kMoveRight);
        EXPECT_EQ(w.run.guard(0).target_cell().c, runner_col == 4 ? 3 : 5);
    }
}

TEST(GuardTest, TwoGuardsNeverReserveTheSameCell) {
    TestWorld w;
    w.load({"  $ $  ", "TTTTTTTT", "", "  M!M", "TTTTTT"});
    w.hold({kLeft});
    w.ticks(1);
    const CellCoord a = w.run.guard(0).target_cell();
    const CellCoord b = w.run.guard(1).target_cell();
    EXPECT_EQ(a.c, 4);  // the first guard claims the cell between them
    EXPECT_EQ(b.c, 6);  // the second turns away instead
    EXPECT_FALSE(a.same_cell(b.c, b.r));
    // The gap between them is no option for the second guard while it is claimed.
    EXPECT_EQ(w.run.guard(1).gather_options(5, 0), std::vector<int>{kMoveRight});
}

TEST(GuardTest, MovingRightOverALadderClimbsOnAnOddDraw) {
    // Guard on a ladder, runner below and right: rule 2 of the right list draws a number.
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        TestWorld w;
        w.load({"  H", "$ H", "TTTTTT", "", "    M!", "TTTTTTT"});
        place_guard(w, 0, 3, 1);
        w.hold({kLeft});
        std::srand(seed);
        const bool odd = std::rand() % 2 == 1;
        std::srand(seed);
        w.ticks(1);
        EXPECT_EQ(w.run.guard(0).guard_move(), odd ? kMoveUp : kMoveRight) << "seed " << seed;
        EXPECT_EQ(w.run.guard(0).target_cell().r, odd ? 0 : 1);
    }
}

TEST(GuardTest, MovingLeftOverALadderDownGoesDownOnFiveDrawsInSix) {
    int down = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        TestWorld w;
        w.load({"", "   $", "TTTHTTT", "   H", "!  H", "TTTTTT"});
        w.hold({kLeft});
        std::srand(seed);
        const bool take = std::rand() % 6 < 5;
        std::srand(seed);
        w.ticks(1);
        EXPECT_EQ(w.run.guard(0).guard_move(), take ? kMoveDown : kMoveLeft) << "seed " << seed;
        down += take ? 1 : 0;
    }
    EXPECT_GT(down, 0);
    EXPECT_LT(down, 12);  // both branches were seen
}

TEST(GuardTest, GatherOptionsPrunesSideStepsIntoAirFromALadder) {
    TestWorld w;
    // Ladder in column 3 from row 0 to row 3; empty air on both sides except a floor to the
    // right of row 3 and a rope to the left of row 1.
    w.load({"  H", " -H", "  H", "  H T", "MMMMMM", "", "$"});
    Guard& guard = w.run.guard(0);
    // Mid-ladder over air: only up and down.
    EXPECT_EQ(guard.gather_options(3, 2), (std::vector<int>{kMoveDown, kMoveUp}));
    // Beside a rope: the rope holds, so the step left stays.
    EXPECT_EQ(guard.gather_options(3, 1), (std::vector<int>{kMoveLeft, kMoveDown, kMoveUp}));
    // At the top row both sides are allowed.
    EXPECT_EQ(guard.gather_options(3, 0), (std::vector<int>{kMoveRight, kMoveLeft, kMoveDown}));
    // At the foot, standing on the floor, both sides are allowed.
    EXPECT_EQ(guard.gather_options(3, 3), (std::vector<int>{kMoveRight, kMoveLeft, kMoveUp}));
    // In a brick there is no way out.
    EXPECT_TRUE(guard.gather_options(5, 3).empty());
}

TEST(GuardTest, ProbabilityOneNeverTakesGold) {
    for (int prob : {0, 1, 2}) {
        TestWorld w;
        w.params.m_prob_take_gold = prob;
        w.params.m_time_keep_gold_min = 100000;
        w.params.m_time_keep_gold_max = 100000;
        w.load({"M$******M", "TTTTTTTTTT", "", "      M!M", "TTTTTTTTTT"});
        w.hold({kLeft});
        bool carried = false;
        for (int i = 0; i < 400; ++i) {
            w.ticks(1);
            carried = carried || w.run.guard(0).is_carrying_gold();
        }
        EXPECT_EQ(carried, prob == 2) << "prob " << prob;
        EXPECT_EQ(w.field().gold_left(), 6);  // carried gold still counts
    }
}

namespace {
// A guard that picks up gold at column 3, walks right and drops into an open brick at column 5.
// `above_hole` is what stands over the hole.
void carry_into_hole(TestWorld& w, char above_hole) {
    w.params.m_prob_take_gold = 2;
    w.params.m_time_keep_gold_min = 100000;
    w.params.m_time_keep_gold_max = 100000;
    std::string top = " $*     M!";
    top[4] = above_hole;
    w.load({top, "TTTTTTTTTT", "MMMMMMMMMM"});
    w.field().cell_at(5, 1)->activate();
    w.hold({kLeft});
}
}  // namespace

TEST(GuardTest, TrappedGuardPutsItsGoldAboveTheHole) {
    TestWorld w;
    w.params.m_time_exploded = 20000;
    carry_into_hole(w, ' ');
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.is_carrying_gold(); }, 100));
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 200));
    EXPECT_FALSE(g.is_carrying_gold());
    EXPECT_EQ(w.field().kind_at(5, 0), kGold);
    EXPECT_FLOAT_EQ(w.field().cell_at(5, 0)->animation().m_pos.x, center(5, 0).x);
    EXPECT_FLOAT_EQ(g.pos().x, center(5, 1).x);
    w.ticks(2);
    EXPECT_EQ(w.run.score(), 75);
}

TEST(GuardTest, GoldStaysCarriedWhenTheCellAboveIsTakenAndThroughABurial) {
    TestWorld w;
    w.params.m_time_exploded = 2000;
    w.params.m_time_in_hole = 60000;
    carry_into_hole(w, '*');
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.is_carrying_gold(); }, 100));
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 200));
    EXPECT_TRUE(g.is_carrying_gold());
    // The brick grows back: buried, 75 more points, back near the top, gold still carried.
    ASSERT_TRUE(run_until(
        w, [&] { return g.cell().r != 1; }, 200));
    EXPECT_EQ(g.guard_move(), kMoveIdle);
    EXPECT_EQ(g.cell().r, 0);
    EXPECT_TRUE(g.is_carrying_gold());
    w.ticks(1);
    EXPECT_EQ(w.run.score(), 150);
}

TEST(GuardTest, BurialWithoutRoomNearTheTopLeavesTheGuardInPlace) {
    TestWorld w;
    w.params.m_time_exploded = 1000;
    w.params.m_time_in_hole = 60000;
    std::vector<std::string> rows(22, std::string(32, 'M'));
    rows[0][1] = '$';
    rows[1][1] = 'T';
    rows[5][9] = '!';
    w.load(rows);
    w.field().cell_at(2, 1)->activate();
    w.hold({kLeft});
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 100));
    ASSERT_TRUE(run_until(
        w, [&] { return !w.field().cell_at(2, 1)->is_passable(); }, 200));
    w.ticks(2);
    EXPECT_EQ(g.guard_move(), kMoveIdle);
    EXPECT_EQ(g.cell().c, 2);
    EXPECT_EQ(g.cell().r, 1);
    EXPECT_EQ(w.run.score(), 150);  // trapped and buried
    w.ticks(50);
    EXPECT_EQ(g.cell().r, 1);
    EXPECT_EQ(w.run.score(), 150);
}

TEST(GuardTest, NoTimeInHoleStillScoresTheTrapOnce) {
    TestWorld w;
    w.params.m_time_in_hole = 0;
    w.params.m_time_exploded = 20000;
    w.load({" $   M!", "TTTTTTT", "MMMMMMM"});
    w.field().cell_at(3, 1)->activate();
    w.hold({kLeft});
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 100));
    w.ticks(40);
    EXPECT_EQ(w.run.score(), 75);
}

// A guard that lands in a hole closing under it is trapped and buried in one update: that
// update is worth 75, not 150.
TEST(GuardTest, TrappedAndBuriedInOneUpdateScoresOnce) {
    TestWorld w;
    w.params.m_time_exploded = 20000;
    w.load({" $   M!", "TTTTTTT", "MMMMMMM"});
    w.field().cell_at(3, 1)->activate();
    w.hold({kLeft});
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 100));
    ASSERT_EQ(w.run.score(), 0);
    // The brick is whole again before the guard's next update.
    w.field().put_cell(3, 1, make_cell(w.ctx, kBrick, 3, 1));
    w.ticks(1);
    EXPECT_NE(g.cell().r, 1);
    EXPECT_EQ(w.run.score(), 75);
}

TEST(GuardTest, ATrappedGuardClimbsOutTowardsTheRunner) {
    TestWorld w;
    w.params.m_time_exploded = 20000;
    w.params.m_time_in_hole = 600;
    w.load({"  $   M!", "TTTTTTTT", "MMMMMMMM"});
    w.field().cell_at(4, 1)->activate();
    w.hold({kLeft});
    Guard& g = w.run.guard(0);
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() == kMoveTrapped; }, 100));
    const int trapped_for = [&] {
        int n = 0;
        while (g.guard_move() == kMoveTrapped && n < 100) {
            w.ticks(1);
            ++n;
        }
        return n;
    }();
    EXPECT_EQ(trapped_for, 20);  // 600 ms
    EXPECT_EQ(g.guard_move(), kMoveLeaving);
    ASSERT_TRUE(run_until(
        w, [&] { return g.guard_move() != kMoveLeaving; }, 100));
    EXPECT_EQ(g.exit_dir(), 1);  // the runner is to the right
    EXPECT_EQ(g.cell().r, 0);
    EXPECT_EQ(g.cell().c, 5);
}

TEST(GuardTest, TouchingTheRunnerKillsIt) {
    TestWorld w;
    w.load({"$      ", "TTTTTTTT", "", "", "", "", "!"});
    w.put_runner(5, 0);
    w.hold({kLeft});
    ASSERT_TRUE(run_until(
        w, [&] { return w.runner().dead(); }, 200));
    EXPECT_EQ(w.sounds, std::vector<int>{2});
    EXPECT_LE(w.runner_cell().c - w.run.guard(0).cell().c, 1);
}
