#include <gtest/gtest.h>

#include <cmath>

#include "world/cell.h"
#include "world/playfield.h"
#include "world/runner.h"
#include "world_fixture.h"

using namespace world_test;

namespace {
Pos runner_at(int c, int r, float dx = 0.0f) {
    Pos p = center(c, r);
    p.x += dx;
    p.z = 2.0f;
    return p;
}

const BrickCell* brick(TestWorld& w, int c, int r) {
    return dynamic_cast<const BrickCell*>(w.field().cell_at(c, r));
}
}  // namespace

TEST(HoleTest, DigNeedsAnOpenSideCellAndAnIntactBrickBelowIt) {
    TestWorld w;
    // Runners at columns 2, 4, 6, 8 and 11 face a ladder, rope, gold, false brick, and an empty
    // cell over a solid block.
    w.load({"  H - * U", "TTTTTTTTTTTM"});
    for (int c : {2, 4, 6, 8, 11}) {
        EXPECT_FALSE(w.field().dig(runner_at(c, 0), 1)) << "column " << c;
        EXPECT_FALSE(w.field().cell_at(c + 1, 1)->is_passable());
    }
    EXPECT_TRUE(w.sounds.empty());
    // Facing left from column 11 the side cell is empty and a brick lies below: dug.
    EXPECT_FALSE(w.field().dig(runner_at(11, 0), -1));  // too far for a push-back
    EXPECT_TRUE(w.field().cell_at(10, 1)->is_passable());
    EXPECT_EQ(w.sounds, std::vector<int>{0});
    // An open brick below cannot be dug again.
    EXPECT_FALSE(w.field().dig(runner_at(11, 0), -1));
    EXPECT_EQ(w.sounds.size(), 1u);
}

TEST(HoleTest, DiggingBesideAnOpenHoleIsAllowed) {
    TestWorld w;
    w.load({" !T", "TTT"});
    w.field().cell_at(3, 0)->activate();
    EXPECT_FALSE(w.field().dig(runner_at(2, 0), 1));
    EXPECT_TRUE(w.field().cell_at(3, 1)->is_passable());
    EXPECT_EQ(brick(w, 3, 1)->stage(), BrickCell::kDigging);
}

TEST(HoleTest, HoleLifeCycleWithItsTimers) {
    for (int exploded : {3000, 0}) {
        TestWorld w;
        w.params.m_time_exploded = exploded;
        w.load({" !", "TTT", "MMM"});
        w.field().cell_at(2, 1)->activate();
        const BrickCell* b = brick(w, 2, 1);
        int ticks = 0;
        while (b->stage() == BrickCell::kDigging) {
            w.ticks(1);
            ++ticks;
        }
        // Eight frames of 100 ms: the last one shows after 720 ms.
        EXPECT_EQ(ticks, 24);
        EXPECT_EQ(b->animation().m_frame, 7);
        EXPECT_EQ(b->stage(), BrickCell::kOpen);
        while (b->stage() == BrickCell::kOpen) {
            w.ticks(1);
            ++ticks;
        }
        EXPECT_EQ(ticks, exploded == 0 ? 25 : 100);
        EXPECT_TRUE(b->animation().m_reverse);
        // Passable until the closing animation reaches the first quarter of the frames.
        while (b->stage() == BrickCell::kClosing) {
            EXPECT_EQ(b->is_passable(), b->animation().m_frame > 2)
                << "frame " << b->animation().m_frame;
            w.ticks(1);
        }
        EXPECT_EQ(b->stage(), BrickCell::kClosed);
        EXPECT_EQ(b->animation().m_frame, 0);
        EXPECT_FALSE(b->is_passable());
        EXPECT_FALSE(b->animation().m_blend);
    }
}

TEST(HoleTest, ABrickClosingOnTheRunnerKillsIt) {
    TestWorld w;
    w.params.m_time_exploded = 1500;
    w.load({" !", "TTTT", "MMMM"});
    w.hold({kFire});
    w.ticks(1);
    EXPECT_TRUE(w.field().cell_at(3, 1)->is_passable());
    w.hold({kRight});
    w.ticks(30);
    EXPECT_EQ(w.runner_cell().c, 3);
    EXPECT_EQ(w.runner_cell().r, 1);
    EXPECT_FALSE(w.runner().dead());
    // It cannot leave sideways; wait for the brick to grow back.
    w.hold({kLeft});
    for (int i = 0; i < 100 && !w.runner().dead(); ++i) {
        w.ticks(1);
    }
    EXPECT_TRUE(w.runner().dead());
    EXPECT_FALSE(w.runner().animation().m_visible);
    EXPECT_EQ(w.runner_cell().r, 1);
}

TEST(HoleTest, FireHasA500msCooldownWhetherOrNotTheDigWorked) {
    TestWorld w;
    w.load({" !M", "TTTT"});
    w.hold({kFire});
    w.ticks(1);  // facing a wall: refused
    EXPECT_TRUE(w.sounds.empty());
    EXPECT_EQ(w.runner().dig_cooldown(), 500u);
    w.hold({kLeft});
    w.ticks(1);  // turn round: now facing the empty cell over a brick
    w.hold({kFire});
    for (int i = 0; i < 15; ++i) {
        w.ticks(1);
    }
    EXPECT_TRUE(w.sounds.empty());
    EXPECT_GT(w.runner().dig_cooldown(), 0u);
    w.ticks(1);
    EXPECT_EQ(w.sounds, std::vector<int>{0});
    EXPECT_EQ(w.runner().dig_cooldown(), 500u);
}

TEST(HoleTest, DiggingWhileFalling) {
    TestWorld w;
    w.load({"  !", "", "   T", "  T"});
    w.hold({kRight});
    w.ticks(1);
    ASSERT_EQ(w.runner().state(), kFalling);
    w.hold({});
    while (w.runner_cell().r < 1) {
        w.ticks(1);
    }
    w.hold({kFire});
    w.ticks(1);
    EXPECT_TRUE(w.field().cell_at(4, 2)->is_passable());
    EXPECT_EQ(w.sounds, std::vector<int>{0});
}

TEST(HoleTest, DiggingFromBehindTheCentreDigsTheOwnColumnAndPushesBack) {
    TestWorld w;
    w.load({"   ", "TTTT"});
    w.runner().set_pos(runner_at(3, 0, -11.0f));
    w.hold({kFire});
    w.ticks(1);
    EXPECT_TRUE(w.field().cell_at(3, 1)->is_passable());
    EXPECT_FALSE(w.field().cell_at(4, 1)->is_passable());
    // Pushed out of the new hole's column into the cell behind, near its centre.
    EXPECT_EQ(w.runner_cell().c, 2);
    EXPECT_TRUE(w.field().is_near_center(w.runner().pos(), 7.0f));
    EXPECT_NE(w.runner().state(), kFalling);
}

TEST(HoleTest, PushBackNextToTheHoleStepsAwayFromIt) {
    TestWorld w;
    w.load({"   ", "TTTT"});
    w.runner().set_pos(runner_at(2, 0, 7.0f));
    w.hold({kFire});
    w.ticks(1);
    EXPECT_TRUE(w.field().cell_at(3, 1)->is_passable());
    EXPECT_FLOAT_EQ(w.runner().pos().x, center(2, 0).x + 3.0f);
}

TEST(HoleTest, PushBackOffTheCentreLineEnds) {
    // In mid-fall no horizontal step gets near a centre; the push-back must still end.
    TestWorld w;
    w.load({"", "", "TTTT"});
    Pos p = runner_at(2, 1, 6.0f);
    p.y += 9.0f;
    w.runner().set_pos(p);
    w.runner().push_back();
    EXPECT_LT(std::fabs(w.runner().pos().x - center(2, 1).x), 4.0f);
}
