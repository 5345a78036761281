#pragma once

#include <cstdint>
#include <string>

#include "storage/score_table.h"

class ParamFile;

// Game configuration shared by the world and the session: the rules read from "dat/zelm.txt",
// the key bindings and custom-game choices of the settings file, the score tables, the current
// level set and the cell sprite size.
class GameParams {
  public:
    GameParams() { set_default_keys(); }

    // Rules. Every key is read with the default "0", so a missing key reads as 0.
    int32_t m_lives_per_score = 0;
    int32_t m_time_exploded = 0;
    int32_t m_player_dead_time = 0;
    int32_t m_time_in_hole = 0;
    int32_t m_time_keep_gold_min = 0;
    int32_t m_time_keep_gold_max = 0;
    int32_t m_prob_take_gold = 0;
    int32_t m_light_dist = 0;
    std::string m_lc = "0";

    // Key bindings (scan codes) and custom-game choices, in their declaration order.
    int32_t m_down_key = 0;
    int32_t m_left_key = 0;
    int32_t m_right_key = 0;
    int32_t m_up_key = 0;
    int32_t m_fire_key = 0;
    int32_t m_die_key = 0;
    int32_t m_custom_type_game = 0;
    int32_t m_custom_kind_game = 0;
    int32_t m_custom_level_num = 1;

    // Current level set: 0 plays "dat/levels1_full", 1 plays "dat/levels2_full".
    int32_t m_game_kind = 0;

    // Size of a cell sprite in logical units.
    float m_sprite_size = 25.0f;

    // The Top 7 of each level set ("data/scores1.tab", "data/scores2.tab").
    ScoreTable m_scores[2];

    void set_default_keys();

    // Reads the rule keys from a parsed "dat/zelm.txt".
    void load_rules(const ParamFile& file);

    // The custom-game choices and key bindings of the settings file.
    void load_keys(const ParamFile& file);
    void save_keys(ParamFile& file) const;

    // Whether a score going from s0 to s1 within one tick passes a multiple of
    // m_lives_per_score. A non-positive spacing gives no bonus lives at all.
    bool wins_life(int32_t s0, int32_t s1) const;

    // The spacing of the playfield lights; values below 1 act as 1.
    int32_t light_spacing() const { return m_light_dist < 1 ? 1 : m_light_dist; }
};
