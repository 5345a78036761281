#pragma once

#include <cstdint>
#include <string>

#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/edit_box.h"

class AppContext;
class ScoreTable;

// Shown over the main menu when a game has ended: the final score and, when it earns a place
// in the Top 7 of the level set just played, a name box. Every way out (the close button,
// Enter, Escape) enters a qualifying score, under "Anonymous" when no name was typed, and
// ends accepted.
class GameOverDialog : public Dialog {
  public:
    static constexpr int kMaxNameLength = 15;

    // `table_index` 0 or 1: the score table of level set 1 or 2.
    GameOverDialog(AppContext& app, int32_t score, int table_index);
    ~GameOverDialog() override = default;

    void key_down(int virtual_key) override;
    // A pad cannot type: south or Start takes the name typed so far, or "Anonymous".
    void pad_button(int button) override;
    void on_control(Control* control) override;
    void draw() override;

    int32_t score() const { return m_score; }
    bool qualifies() const { return m_qualifies; }
    // The name entered, once the dialog has been left.
    const std::string& player_name() const { return m_player_name; }
    Button& close_button() { return m_end_close_btn; }
    EditBox& name_box() { return m_end_edit; }

  private:
    void commit();

    AppContext& m_app;
    Button m_end_close_btn;
    EditBox m_end_edit;
    int32_t m_score;
    bool m_qualifies;
    bool m_committed = false;
    std::string m_player_name;
    ScoreTable& m_table;
};

// The name as the score file can carry it back unchanged: a double quote cannot be written in
// the file's format and "//" would start a comment there, so quotes become apostrophes and
// the second slash of a pair becomes a backslash.
std::string storable_player_name(const std::string& name);
