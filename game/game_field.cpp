#include "game/game_field.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/playfield_renderer.h"
#include "gfx/gl.h"
#include "platform/key_codes.h"
#include "storage/param_file.h"
#include "ui/app_context.h"
#include "ui/screen_host.h"
#include "world/rules.h"

GameField::GameField(AppContext& app, std::function<void()> level_started)
    : m_app(app), m_level_started(std::move(level_started)), m_run(app.world) {
    start_level(1);
}

GameField::~GameField() = default;

void GameField::start_level(int n) {
    // The reveal points into the level it uncovers: it goes first.
    m_reveal.reset();
    if (n < 1 || n > kLastLevel) {
        n = 1;
    }
    m_level_current = n;
    m_run.start_level(n);
    m_reveal.emplace(m_run.field());
    // A death pause never carries over into a new level; an ended game stays ended.
    if (m_phase != GamePhase::kOver) {
        m_phase = GamePhase::kReveal;
    }
    m_death_timer = 0;
    update_hud();
    m_lifes_count_at_level_begin = m_lifes_count;
    m_score_at_level_begin = m_score;
    if (m_level_started) {
        m_level_started();
    }
}

void GameField::tick(int elapsed_ms) {
    // The options may switch the effect set between ticks.
    m_app.world.sound_classic = m_app.m_sound_classik;
    KeyboardState& keys = m_app.keyboard;
    keys.poll();
    if (keys.is_down(dik::z)) {
        m_app.view.m_rot_z -= 1.0f;
    }
    if (keys.is_down(dik::c)) {
        m_app.view.m_rot_z += 1.0f;
    }
    const int32_t score_before = m_score;
    // The runner's points of the last tick come in here, also in the tick after the one that
    // finished the level: they count for a bonus life like any others.
    add_score(m_run.tick_cells());

    switch (m_phase) {
        case GamePhase::kReveal:
            m_reveal->advance();
            if (m_reveal->finished()) {
                m_reveal.reset();
                m_phase = GamePhase::kPlay;
            }
            break;
        case GamePhase::kLifeLost:
        case GamePhase::kLevelDone:
            award_bonus_life(score_before);
            message_phase(elapsed_ms);
            return;
        case GamePhase::kOver:
            return;
        case GamePhase::kPlay:
        case GamePhase::kDying:
            play(elapsed_ms);
            break;
    }
    award_bonus_life(score_before);
}

void GameField::award_bonus_life(int32_t score_before) {
    if (m_app.config.wins_life(score_before, m_score)) {
        m_lifes_count += 1;
        m_app.world.play(kSoundBonusLife, true);
    }
}

void GameField::show_message(GamePhase phase, bool game_over) {
    m_phase = phase;
    m_message = LevelMessage();
    if (game_over) {
        m_message.set_text("Game Over");
    }
}

void GameField::play(int elapsed_ms) {
    if (m_phase == GamePhase::kPlay) {
        add_score(m_run.tick_actors(elapsed_ms));
        if (m_run.actors_stopped()) {
            m_phase = GamePhase::kDying;
            m_death_timer = m_app.config.m_player_dead_time;
        }
        update_hud();
    }
    if (m_phase == GamePhase::kDying) {
        m_death_timer -= elapsed_ms;
        if (m_death_timer < 0) {
            m_death_timer = 0;
        }
        if (m_death_timer == 0) {
            m_level_current -= 1;
            m_lifes_count -= 1;
            show_message(GamePhase::kLifeLost, m_lifes_count < 0);
        }
    }
    if (m_run.level_finished() && !showing_message()) {
        // A runner who dies in the tick he finishes the level has still finished it.
        m_death_timer = 0;
        add_score(kLevelBonus);
        show_message(GamePhase::kLevelDone, m_level_current + 1 > m_level_last);
    }
}

void GameField::message_phase(int elapsed_ms) {
    m_message.advance(elapsed_ms);
    if (!m_message.finished()) {
        return;
    }
    m_level_current += 1;
    if (m_level_current > m_level_last || m_lifes_count < 0) {
        m_phase = GamePhase::kOver;
        return;
    }
    start_level(m_level_current);
    if (m_host) {
        m_host->next_track();
    }
}

void GameField::start_custom() {
    GameParams& params = m_app.config;
    m_custom_game = true;
    int level = 0;
    if (params.m_custom_type_game != 0) {
        params.m_game_kind = std::rand() % 2;
        level = std::rand() % kLastLevel + 1;
    } else {
        params.m_game_kind = params.m_custom_kind_game;
        level = params.m_custom_level_num;
    }
    m_level_last = level;
    start_level(level);
}

void GameField::save(ParamFile& file) const {
    int32_t level = m_level_current;
    int32_t lives = m_lifes_count_at_level_begin;
    int32_t score = m_score_at_level_begin;
    bool game_over = is_game_over();
    // During the dissolve after a death the level number is one short until the level restarts;
    // save the level that will be replayed, with the lives and score it will start with, so
    // quitting here does not send the player back a level.
    if (m_phase == GamePhase::kLifeLost) {
        level = m_level_current + 1;
        lives = m_lifes_count;
        score = m_score;
        game_over = game_over || m_lifes_count < 0;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%f", m_alpha);
    file.set("gf_m_alpha", text);
    file.set_int("gf_m_custom_game", m_custom_game ? 1 : 0);
    file.set_int("gf_m_is_game_over", game_over ? 1 : 0);
    file.set_int("gf_m_level_current", level);
    file.set_int("gf_m_lifes_count_at_level_begin", lives);
    file.set_int("gf_m_score_at_level_begin", score);
}

void GameField::add_score(int32_t points) {
    // Points only ever come in small steps, but a hand-edited saved game can start near the
    // top: the score stops there instead of overflowing.
    const int64_t sum = static_cast<int64_t>(m_score) + points;
    m_score = static_cast<int32_t>(std::clamp<int64_t>(sum, 0, kMaxScore));
}

void GameField::restore(const ParamFile& file) {
    // The file may hold anything: every value is brought into what a game can reach.
    m_score =
        std::clamp(ParamFile::to_int(file.get("gf_m_score_at_level_begin", "0")), 0, kMaxScore);
    const float alpha = ParamFile::to_float(file.get("gf_m_alpha", "0"));
    m_alpha = std::isfinite(alpha) ? std::remainder(alpha, 360.0f) : 0.0f;
    m_lifes_count = std::clamp(ParamFile::to_int(file.get("gf_m_lifes_count_at_level_begin", "0")),
                               0, kMaxLives);
    const bool game_over = ParamFile::to_int(file.get("gf_m_is_game_over", "0")) == 1;
    m_level_current = ParamFile::to_int(file.get("gf_m_level_current", "0"));
    m_custom_game = ParamFile::to_int(file.get("gf_m_custom_game", "0")) == 1;
    m_level_last = kLastLevel;
    // Set first: the level start saves the game, which must keep the ended state.
    m_phase = game_over ? GamePhase::kOver : GamePhase::kReveal;
    start_level(m_level_current);
}

void GameField::refresh_graphics() {
    m_run.field().rebuild_skin();
}

void GameField::draw() {
    const Font* font = m_app.font();
    glPushMatrix();
    m_app.view.apply_view();
    glPushMatrix();
    glRotatef(m_alpha, 1.0f, 0.0f, 0.0f);
    if (!is_game_over() && m_app.resources) {
        m_renderer.draw(m_run.field(), *m_app.resources);
        if (m_phase != GamePhase::kReveal) {
            draw_actors(m_run.runner(), m_run.guards(), *m_app.resources);
        }
    }
    glPopMatrix();
    glPopMatrix();
    if (showing_message()) {
        m_message.draw(font);
    }
    m_hud.draw(font);
}
