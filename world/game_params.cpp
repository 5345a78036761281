#include "world/game_params.h"

#include "storage/param_file.h"

void GameParams::set_default_keys() {
    m_down_key = 208;
    m_left_key = 203;
    m_right_key = 205;
    m_up_key = 200;
    m_fire_key = 57;
    m_die_key = 37;
}

bool GameParams::wins_life(int32_t s0, int32_t s1) const {
    if (m_lives_per_score <= 0) {
        return false;
    }
    return s0 / m_lives_per_score != s1 / m_lives_per_score;
}

namespace {
int32_t read_int(const ParamFile& file, const char* key, const char* fallback) {
    return ParamFile::to_int(file.get(key, fallback));
}
}  // namespace

void GameParams::load_rules(const ParamFile& file) {
    m_lives_per_score = read_int(file, "m_lives_per_score", "0");
    m_time_exploded = read_int(file, "m_time_exploded", "0");
    m_player_dead_time = read_int(file, "m_player_dead_time", "0");
    m_time_in_hole = read_int(file, "m_time_in_hole", "0");
    m_time_keep_gold_min = read_int(file, "m_time_keep_gold_min", "0");
    m_time_keep_gold_max = read_int(file, "m_time_keep_gold_max", "0");
    m_prob_take_gold = read_int(file, "m_prob_take_gold", "0");
    m_light_dist = read_int(file, "m_light_dist", "0");
    m_lc = file.get("m_lc", "0");
}

void GameParams::load_keys(const ParamFile& file) {
    m_custom_type_game = read_int(file, "m_custom_type_game", "0");
    m_custom_kind_game = read_int(file, "m_custom_kind_game", "0");
    m_custom_level_num = read_int(file, "m_custom_level_num", "1");
    m_left_key = read_int(file, "m_left_key", "0");
    if (m_left_key == 0) {
        // An unset left key means the bindings were never saved: all six take their defaults.
        set_default_keys();
        return;
    }
    m_right_key = read_int(file, "m_right_key", "0");
    m_up_key = read_int(file, "m_up_key", "0");
    m_down_key = read_int(file, "m_down_key", "0");
    m_die_key = read_int(file, "m_die_key", "0");
    m_fire_key = read_int(file, "m_fire_key", "0");
}

void GameParams::save_keys(ParamFile& file) const {
    file.set_int("m_left_key", m_left_key);
    file.set_int("m_right_key", m_right_key);
    file.set_int("m_up_key", m_up_key);
    file.set_int("m_down_key", m_down_key);
    file.set_int("m_die_key", m_die_key);
    file.set_int("m_fire_key", m_fire_key);
    file.set_int("m_custom_type_game", m_custom_type_game);
    file.set_int("m_custom_kind_game", m_custom_kind_game);
    file.set_int("m_custom_level_num", m_custom_level_num);
}
