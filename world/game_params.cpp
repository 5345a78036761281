#include "world/game_params.h"

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
