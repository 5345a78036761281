#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "game/game_field.h"
#include "game/pad_keys.h"
#include "ui/game_screen.h"

class AppContext;
class ParamFile;

// The screen the game is played on. Leaving it does not end the game: it waits in the main
// menu and resumes 100 ms after it becomes the top screen again.
class PlayScreen : public GameScreen {
  public:
    static constexpr int kResumeDelay = 100;

    // Starts level 1 of the current level set; `level_started` is called at every level start.
    explicit PlayScreen(AppContext& app, std::function<void()> level_started = {});
    ~PlayScreen() override;

    void tick(int elapsed_ms) override;
    void draw() override;
    void activate() override;
    void on_hidden() override;
    void key_down(int virtual_key) override;
    void pad_button(int button) override;
    void left_button_up(int x, int y, int buttons) override;
    void right_button_up(int x, int y, int buttons) override;
    void on_close_request() override;

    void save(ParamFile& file) const override { m_field->save(file); }
    // A game saved as it ended has no tick left to copy its score: the restore does it, or the
    // game over dialog would offer a score of 0.
    void restore(const ParamFile& file) override {
        m_field->restore(file);
        m_last_score = m_field->score();
    }
    int current_score() const override { return m_last_score; }
    void refresh_graphics() override { m_field->refresh_graphics(); }
    void start_custom() override { m_field->start_custom(); }
    // Copied from the game at each tick; the main menu reads it when it is the top again.
    bool is_game_over() const override { return m_game_over; }
    int level_set() const override;

    bool game_over() const { return m_game_over; }
    // The pause (P, or Start on a gamepad): the world stands still under a dimmed picture, the
    // sound with it; any key or button goes on.
    void set_paused(bool paused);
    bool paused() const { return m_paused; }
    int32_t resume_delay() const { return m_resume_delay; }
    GameField& field() { return *m_field; }

  private:
    void to_logical(int& x, int& y) const;
    // P pauses unless the player made it a playing key.
    bool pause_key(int virtual_key) const;
    void draw_pause() const;

    AppContext& m_app;
    bool m_game_over = false;
    bool m_paused = false;
    int32_t m_resume_delay = 0;
    int32_t m_last_score = 0;
    std::unique_ptr<GameField> m_field;
    PadKeys m_pad_keys;
};
