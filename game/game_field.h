#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "game/hud.h"
#include "game/level_message.h"
#include "game/level_reveal.h"
#include "game/playfield_renderer.h"
#include "world/guard.h"
#include "world/playfield.h"
#include "world/runner.h"
#include "world/world_run.h"

class AppContext;
class ParamFile;
class ScreenHost;

// Where a game stands: a level being uncovered, play, the pause after the runner died, the
// dissolve after a lost life or after a finished level, or the end.
enum class GamePhase { kReveal, kPlay, kDying, kLifeLost, kLevelDone, kOver };

// A game in progress and its referee: the level in play (a WorldRun), score, lives and level
// number. Each tick runs the world in a fixed order and decides deaths, level ends, bonus lives
// and the end of the game.
class GameField {
  public:
    static constexpr int kLastLevel = kLevelsPerSet;
    static constexpr int kLevelBonus = 1500;
    // The most the HUD and the Top 7 show: the score stops there.
    static constexpr int32_t kMaxScore = 999999999;
    // More lives than a game can earn in practice; a saved game holding more is mended.
    static constexpr int32_t kMaxLives = 99;

    // Starts level 1 of the current level set. `level_started` is called at every level start
    // (the program saves the game from there).
    explicit GameField(AppContext& app, std::function<void()> level_started = {});
    ~GameField();
    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;

    void start_level(int n);
    void tick(int elapsed_ms);
    void draw();
    // A custom game: one chosen (or random) level, then the game ends.
    void start_custom();
    // The "gf_" keys of the saved game: the state at the start of the current level.
    void save(ParamFile& file) const;
    void restore(const ParamFile& file);
    void refresh_graphics();
    // The window of the screen the game is played on (a new level changes the music).
    void set_host(ScreenHost* host) { m_host = host; }

    GamePhase phase() const { return m_phase; }
    bool is_game_over() const { return m_phase == GamePhase::kOver; }
    int32_t score() const { return m_score; }
    int32_t lives() const { return m_lifes_count; }
    int32_t level() const { return m_level_current; }
    int32_t last_level() const { return m_level_last; }
    bool custom_game() const { return m_custom_game; }
    bool dying() const { return m_phase == GamePhase::kDying; }
    float alpha() const { return m_alpha; }

    WorldRun& run() { return m_run; }
    Playfield* playfield() { return &m_run.field(); }
    Runner* runner() { return &m_run.runner(); }
    const GuardList& guards() const { return m_run.guards(); }
    // The reveal while a level is uncovered, the message while one shows; else null.
    const LevelReveal* reveal() const {
        return m_phase == GamePhase::kReveal && m_reveal ? &*m_reveal : nullptr;
    }
    const LevelMessage* message() const { return showing_message() ? &m_message : nullptr; }
    const Hud& hud() const { return m_hud; }
    PlayfieldRenderer& renderer() { return m_renderer; }

    // For tests and tools that stage situations.
    void set_score(int32_t score) { m_score = score; }
    void set_lives(int32_t lives) { m_lifes_count = lives; }

  private:
    bool showing_message() const {
        return m_phase == GamePhase::kLifeLost || m_phase == GamePhase::kLevelDone;
    }
    void show_message(GamePhase phase, bool game_over);
    void message_phase(int elapsed_ms);
    void award_bonus_life(int32_t score_before);
    void play(int elapsed_ms);
    void add_score(int32_t points);
    void update_hud() { m_hud.set(m_score, m_lifes_count, m_level_current); }

    AppContext& m_app;
    std::function<void()> m_level_started;
    GamePhase m_phase = GamePhase::kReveal;
    int32_t m_score = 0;
    WorldRun m_run;
    int32_t m_death_timer = 0;
    float m_alpha = 0.0f;
    // Only meaningful in their phases; the reveal points into the level in play.
    std::optional<LevelReveal> m_reveal;
    LevelMessage m_message;
    Hud m_hud;
    PlayfieldRenderer m_renderer;
    int32_t m_level_current = 1;
    int32_t m_level_last = kLastLevel;
    int32_t m_lifes_count = 3;
    int32_t m_lifes_count_at_level_begin = 3;
    int32_t m_score_at_level_begin = 0;
    bool m_custom_game = false;
    ScreenHost* m_host = nullptr;
};
