#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "game/hud.h"
#include "game/level_message.h"
#include "game/level_reveal.h"
#include "world/guard.h"
#include "world/playfield.h"
#include "world/runner.h"

class GameApp;
class ParamFile;

// A game in progress and its referee: the current level, the runner and the guards, score,
// lives and level number. Each tick runs the world in a fixed order and decides deaths, level
// ends, bonus lives and the end of the game.
class GameField {
  public:
    static constexpr int kLastLevel = 75;
    static constexpr int kLevelBonus = 1500;
    // The most the HUD and the Top 7 show: the score stops there.
    static constexpr int32_t kMaxScore = 999999999;
    // More lives than a game can earn in practice; a saved game holding more is mended.
    static constexpr int32_t kMaxLives = 99;

    // Called at every level start; the main menu saves the game from here.
    static std::function<void()>& level_started_hook();

    // Starts level 1 of the current level set.
    explicit GameField(GameApp& app);
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

    bool is_game_over() const { return m_is_game_over; }
    int32_t score() const { return m_score; }
    int32_t lives() const { return m_lifes_count; }
    int32_t level() const { return m_level_current; }
    int32_t last_level() const { return m_level_last; }
    bool custom_game() const { return m_custom_game; }
    bool dying() const { return m_dying; }
    float alpha() const { return m_alpha; }

    Playfield* playfield() { return m_playfield.get(); }
    Runner* runner() { return m_runner.get(); }
    const GuardList& guards() const { return m_guards; }
    const LevelReveal* reveal() const { return m_reveal.get(); }
    const LevelMessage* message() const { return m_message.get(); }
    const Hud& hud() const { return m_hud; }

    // For tests and tools that stage situations.
    void set_score(int32_t score) { m_score = score; }
    void set_lives(int32_t lives) { m_lifes_count = lives; }

  private:
    void message_phase(int elapsed_ms);
    void play(int elapsed_ms);
    void add_score(int32_t points);
    void update_hud() { m_hud.set(m_score, m_lifes_count, m_level_current); }
    void clear_level();
    int32_t mark() const;

    GameApp& m_app;
    int32_t m_score = 0;
    std::unique_ptr<Playfield> m_playfield;
    std::unique_ptr<Runner> m_runner;
    int32_t m_death_timer = 0;
    bool m_dying = false;
    GuardList m_guards;
    float m_alpha = 0.0f;
    std::unique_ptr<LevelReveal> m_reveal;
    std::unique_ptr<LevelMessage> m_message;
    bool m_message_after_death = false;
    Hud m_hud;
    bool m_is_game_over = false;
    int32_t m_level_current = 1;
    int32_t m_level_last = kLastLevel;
    int32_t m_lifes_count = 3;
    int32_t m_lifes_count_at_level_begin = 3;
    int32_t m_score_at_level_begin = 0;
    bool m_custom_game = false;
};
