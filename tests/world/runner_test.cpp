#include <gtest/gtest.h>

#include <cmath>

#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"
#include "world/runner.h"
#include "world_fixture.h"

using namespace world_test;

TEST(RunnerTest, RunningIntoAWallStopsAtTheCentreInStepsOfFour) {
    TestWorld w;
    w.load({" !   M", "TTTTTTT"});
    w.hold({kRight});
    std::vector<float> xs{w.runner().pos().x};
    for (int i = 0; i < 30; ++i) {
        w.ticks(1);
        xs.push_back(w.runner().pos().x);
    }
    const float wall_side = center(5, 0).x;
    EXPECT_FLOAT_EQ(xs.back(), wall_side);
    EXPECT_EQ(w.runner().state(), kStanding);
    EXPECT_EQ(w.runner().group(), 0);
    for (size_t i = 1; i < xs.size(); ++i) {
        const float step = xs[i] - xs[i - 1];
        EXPECT_GE(step, 0.0f);
        EXPECT_LE(step, 4.0f);
        if (xs[i] < wall_side) {
            EXPECT_FLOAT_EQ(step, 4.0f) << "tick " << i;  // only the last step snaps
        }
    }
    EXPECT_EQ(w.runner().facing(), 1);
    EXPECT_TRUE(w.runner().moved());
}

TEST(RunnerTest, ReversingInMidCellTurnsAtOnce) {
    TestWorld w;
    w.load({" !      ", "TTTTTTTT"});
    w.hold({kRight});
    w.ticks(5);  // from 40.5 to 60.5, past the next cell's border and not near its centre
    EXPECT_EQ(w.runner().state(), kRunRight);
    const float x = w.runner().pos().x;
    w.hold({kLeft});
    w.ticks(1);
    EXPECT_EQ(w.runner().state(), kRunLeft);
    EXPECT_EQ(w.runner().group(), 2);
    EXPECT_FLOAT_EQ(w.runner().pos().x, x - 4.0f);
    EXPECT_EQ(w.runner().facing(), -1);
}

TEST(RunnerTest, ClimbingStopsAtTheTopRow) {
    TestWorld w;
    w.load({"  H", "  H", " !H", "TTTT"});
    w.put_runner(3, 2);
    w.hold({kUp});
    w.ticks(10);
    EXPECT_EQ(w.runner().state(), kClimbUp);
    EXPECT_EQ(w.runner().group(), 4);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 2).y - 20.0f);  // half speed
    w.ticks(40);
    EXPECT_EQ(w.runner().state(), kStanding);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 0).y);
    // Nothing above row 0 lets it climb on.
    w.ticks(5);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 0).y);
}

TEST(RunnerTest, DownOnARopeDropsOverAirAndClimbsOntoALadder) {
    TestWorld w;
    w.load({" !--", "   H", "   H", "TTTTT"});
    w.put_runner(3, 0);  // rope over air
    w.hold({kDown});
    w.ticks(1);
    EXPECT_EQ(w.runner().state(), kFalling);
    EXPECT_EQ(w.runner().group(), 3);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 0).y + 2.0f);
    w.hold({});
    w.ticks(30);
    EXPECT_EQ(w.runner_cell().r, 2);
    EXPECT_EQ(w.runner().state(), kStanding);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 2).y);

    w.load({" !--", "   H", "   H", "TTTTT"});
    w.put_runner(4, 0);  // rope over a ladder
    w.hold({kDown});
    w.ticks(1);
    EXPECT_EQ(w.runner().state(), kClimbDown);
    EXPECT_EQ(w.runner().group(), 5);
    w.ticks(60);
    EXPECT_EQ(w.runner_cell().r, 2);
    EXPECT_EQ(w.runner().state(), kStanding);
}

TEST(RunnerTest, ARopeCatchesAFallAtItsCentreLine) {
    TestWorld w;
    w.load({"  !", "", "  -", "", "TTTT"});
    w.hold({kRight});
    w.ticks(1);
    EXPECT_EQ(w.runner().state(), kFalling);
    w.hold({});
    w.ticks(40);
    EXPECT_EQ(w.runner_cell().r, 2);
    EXPECT_FLOAT_EQ(w.runner().pos().y, center(3, 2).y);
    EXPECT_EQ(w.runner().state(), kStanding);
}

TEST(RunnerTest, AGuardsReservedCellHoldsTheRunnerUp) {
    // Without a guard the runner drops into the gap; with a guard standing in it, it does not.
    for (bool with_guard : {false, true}) {
        TestWorld w;
        w.load({" ! M", with_guard ? " T$M" : " T M", "  T"});
        w.hold({kRight});
        w.ticks(20);
        if (with_guard) {
            EXPECT_EQ(w.run.guard(0).target_cell().r, 1);
            EXPECT_EQ(w.runner_cell().r, 0);
            EXPECT_EQ(w.runner_cell().c, 3);
            EXPECT_NE(w.runner().state(), kFalling);
            EXPECT_FALSE(w.runner().dead());
        } else {
            EXPECT_EQ(w.runner_cell().r, 1);
        }
    }
}

TEST(RunnerTest, DieKeyAndUnusableBindings) {
    TestWorld w;
    w.load({" !   ", "TTTTTT"});
    w.params.m_down_key = -5;  // never reads as down
    w.params.m_up_key = 999;
    w.hold({kRight});
    w.ticks(2);
    EXPECT_EQ(w.runner().state(), kRunRight);
    EXPECT_FALSE(w.runner().dead());
    w.hold({kDie});
    w.ticks(1);
    EXPECT_TRUE(w.runner().dead());
    EXPECT_TRUE(w.sounds.empty());  // giving up the life is silent
}

TEST(RunnerTest, GoldIsTakenAndTheLastGoldOpensTheExit) {
    TestWorld w;
    w.load({"    #", " ! *#*", "TTTTHTT", "    H"});
    EXPECT_EQ(w.field().gold_left(), 2);
    EXPECT_EQ(w.field().exit_row(), -1);
    w.hold({kRight});
    int guard_ticks = 0;
    while (w.field().gold_left() == 2 && ++guard_ticks < 30) {
        w.ticks(1);
    }
    EXPECT_EQ(w.field().gold_left(), 1);
    EXPECT_EQ(w.sounds, std::vector<int>{1});
    EXPECT_EQ(w.run.score(), 0);
    w.ticks(1);
    EXPECT_EQ(w.run.score(), 250);  // collected at the start of the next tick
    EXPECT_EQ(w.field().kind_at(5, 1), kHiddenLadder);
    w.ticks(12);
    EXPECT_EQ(w.field().gold_left(), 0);
    EXPECT_TRUE(w.heard(3));
    EXPECT_EQ(w.field().kind_at(5, 1), kLadder);
    EXPECT_TRUE(w.field().cell_at(5, 0)->animation().m_visible);
    EXPECT_EQ(w.field().exit_row(), 0);
    EXPECT_FALSE(w.field().complete());
}

TEST(RunnerTest, HiddenLaddersArePassableButNotClimbableBeforeTheLastGold) {
    TestWorld w;
    w.load({"  #", " !#*", "TTTTT"});
    w.put_runner(3, 1);
    w.hold({kUp});
    w.ticks(10);
    EXPECT_EQ(w.runner_cell().r, 1);
    EXPECT_EQ(w.runner().state(), kStanding);
    // Walking through it works.
    w.hold({kRight});
    w.ticks(6);
    EXPECT_EQ(w.runner_cell().c, 4);
    EXPECT_EQ(w.field().exit_row(), 0);  // that was the last gold
    w.hold({kLeft});
    w.ticks(6);
    EXPECT_EQ(w.runner_cell().c, 3);
    w.hold({kUp});
    w.ticks(40);
    EXPECT_EQ(w.runner_cell().r, 0);
    EXPECT_TRUE(w.field().complete());
    EXPECT_TRUE(w.heard(4));
}

TEST(RunnerTest, TheLastGoldInTheTopRowFinishesInTheSameTick) {
    TestWorld w;
    w.load({" !*", "TTTT"});
    w.hold({kRight});
    int ticks = 0;
    while (w.field().gold_left() > 0 && ticks < 20) {
        w.ticks(1);
        ++ticks;
    }
    EXPECT_EQ(w.field().gold_left(), 0);
    EXPECT_TRUE(w.field().complete());
    EXPECT_TRUE(w.run.level_finished());
}

TEST(RunnerTest, ALevelWithoutGoldCannotBeFinished) {
    TestWorld w;
    w.load({" !  ", "TTTTT"});
    w.hold({kRight});
    w.ticks(20);
    EXPECT_EQ(w.field().exit_row(), -1);
    EXPECT_FALSE(w.field().complete());
    EXPECT_FALSE(w.run.level_finished());
}
