// A runner who lets the guards go and stands still must not be caught in the first five
// seconds: a guard right beside him catches him at once, one across a long floor does not.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "levels/fair_start.h"
#include "support/level_rows.h"
#include "world/game_params.h"

using namespace test_levels;

namespace {

// A level with only a top row, on bricks over solid blocks.
std::string level(const std::string& top) {
    return level_on_solid({top, std::string(kColumns, 'T')});
}

TEST(FairStart, ANearGuardCatchesTheStandingRunnerAFarOneDoesNot) {
    const GameParams params = shipped_rules();
    const FairStartResult near = check_fair_start(params, level("!   $        *"), 1);
    EXPECT_FALSE(near.fair);
    EXPECT_GT(near.caught_tick, 1);
    EXPECT_LT(near.caught_tick, 5000 / 30);
    EXPECT_EQ(near.row, 0);
    // 31 cells at a guard's pace take longer than five seconds.
    EXPECT_TRUE(check_fair_start(params, level("!          *                  $"), 3).fair);
    // The same near guard is only seen when the time allowed is long enough.
    EXPECT_TRUE(check_fair_start(params, level("!   $        *"), 1, 30).fair);
}

// Every shipped level, every seed the level tools use.
TEST(FairStart, EveryShippedLevelGivesTheRunnerFiveSeconds) {
    const GameParams params = shipped_rules();
    for (int set = 1; set <= 2; ++set) {
        for (int level = 1; level <= 75; ++level) {
            char name[64];
            std::snprintf(name, sizeof name, "/assets/dat/levels%d_full/%02d.txt", set, level);
            std::ifstream in(std::string(QUARRIK_SOURCE_DIR) + name, std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            ASSERT_FALSE(text.str().empty()) << name;
            for (unsigned seed = 1; seed <= 5; ++seed) {
                const FairStartResult r = check_fair_start(params, text.str(), seed);
                EXPECT_TRUE(r.fair)
                    << name << " seed " << seed << ": caught after " << r.caught_tick * 30
                    << " ms at column " << r.column << ", row " << r.row;
            }
        }
    }
}

}  // namespace
