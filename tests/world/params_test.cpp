#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "storage/param_file.h"
#include "world/game_params.h"

TEST(GameParamsTest, ShippedRulesSetEveryKeySensibly) {
    std::ifstream in(std::string(QUARRIK_SOURCE_DIR) + "/assets/dat/zelm.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(text.empty());
    ParamFile file;
    file.load_memory(text.data(), text.size(), true);
    for (const char* key : {"m_lives_per_score", "m_time_exploded", "m_player_dead_time",
                            "m_time_in_hole", "m_time_keep_gold_min", "m_time_keep_gold_max",
                            "m_prob_take_gold", "m_light_dist", "m_lc"}) {
        EXPECT_TRUE(file.contains(key)) << key;
    }
    GameParams p;
    p.load_rules(file);
    EXPECT_GT(p.m_lives_per_score, 0);
    EXPECT_GT(p.m_prob_take_gold, 1);  // 1 would mean never
    EXPECT_GT(p.m_time_keep_gold_max, p.m_time_keep_gold_min);
    EXPECT_GE(p.m_light_dist, 1);
    // A trapped guard must be able to climb out of a hole dug at once before it closes.
    EXPECT_LT(p.m_time_in_hole + 400, p.m_time_exploded);
}

TEST(GameParamsTest, MissingRuleKeysReadAsZero) {
    ParamFile file;
    const std::string text = "m_time_exploded 4000\n";
    file.load_memory(text.data(), text.size(), true);
    GameParams p;
    p.m_time_in_hole = 99;
    p.load_rules(file);
    EXPECT_EQ(p.m_time_exploded, 4000);
    EXPECT_EQ(p.m_time_in_hole, 0);
    EXPECT_EQ(p.m_lc, "0");
    EXPECT_EQ(p.light_spacing(), 1);
}

TEST(GameParamsTest, BonusLivesCompareQuotientsAndNeedAPositiveSpacing) {
    GameParams p;
    p.m_lives_per_score = 1000;
    EXPECT_TRUE(p.wins_life(2999, 3249));
    EXPECT_TRUE(p.wins_life(950, 2775));  // two multiples passed: still one life
    EXPECT_FALSE(p.wins_life(1000, 1999));
    p.m_lives_per_score = 0;
    EXPECT_FALSE(p.wins_life(0, 100000));
    p.m_lives_per_score = -5;
    EXPECT_FALSE(p.wins_life(0, 100000));
}

TEST(GameParamsTest, KeyBindingsRoundTripAndAnUnsetLeftKeyRestoresTheDefaults) {
    GameParams p;
    EXPECT_EQ(p.m_down_key, 208);
    EXPECT_EQ(p.m_die_key, 37);
    EXPECT_EQ(p.m_custom_level_num, 1);
    p.m_left_key = 30;
    p.m_fire_key = 29;
    p.m_custom_kind_game = 1;
    ParamFile file;
    p.save_keys(file);
    GameParams q;
    q.load_keys(file);
    EXPECT_EQ(q.m_left_key, 30);
    EXPECT_EQ(q.m_fire_key, 29);
    EXPECT_EQ(q.m_right_key, 205);
    EXPECT_EQ(q.m_custom_kind_game, 1);

    file.set_int("m_left_key", 0);
    file.set_int("m_up_key", 17);
    GameParams r;
    r.m_up_key = 5;
    r.load_keys(file);
    EXPECT_EQ(r.m_left_key, 203);
    EXPECT_EQ(r.m_up_key, 200);
}
