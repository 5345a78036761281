#pragma once

#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/edit_box.h"
#include "ui/radio_button.h"
#include "world/rules.h"

class AppContext;

// The custom game: one chosen level (a level set and a number 1..75) or a random one. The
// radio choices are stored in the game's custom-game settings as soon as they are clicked,
// whatever way the dialog ends; the level number only by OK (or Enter) with a number in range.
// Result 0 means the custom game is to start.
class CustomGameDialog : public Dialog {
  public:
    static constexpr int kMaxLevel = kLevelsPerSet;

    explicit CustomGameDialog(AppContext& app);
    ~CustomGameDialog() override = default;

    void key_down(int virtual_key) override;
    void on_control(Control* control) override;
    void draw() override;

    Button& ok_button() { return m_cgd_ok_btn; }
    Button& cancel_button() { return m_cgd_cancel_btn; }
    RadioButton& custom_radio() { return m_cgd_game_type1_radio; }
    RadioButton& random_radio() { return m_cgd_game_type2_radio; }
    RadioButton& set1_radio() { return m_cgd_game_kind1_radio; }
    RadioButton& set2_radio() { return m_cgd_game_kind2_radio; }
    EditBox& level_box() { return m_cgd_level_num; }

  private:
    // Custom chosen: the set radios and the level box are shown; Random: hidden.
    void show_level_choice(bool on);
    void draw_label(const RadioButton& radio, const char* text, float height) const;

    AppContext& m_app;
    RadioGroup m_type_group;
    RadioGroup m_kind_group;
    Button m_cgd_ok_btn;
    Button m_cgd_cancel_btn;
    RadioButton m_cgd_game_type1_radio;
    RadioButton m_cgd_game_type2_radio;
    RadioButton m_cgd_game_kind1_radio;
    RadioButton m_cgd_game_kind2_radio;
    EditBox m_cgd_level_num;
};
