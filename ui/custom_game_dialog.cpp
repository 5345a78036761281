#include "ui/custom_game_dialog.h"

#include <string>

#include "gfx/font.h"
#include "platform/key_codes.h"
#include "storage/param_file.h"
#include "ui/app_context.h"
#include "ui/layout.h"
#include "ui/new_game_dialog.h"
#include "ui/text_panel.h"

CustomGameDialog::CustomGameDialog(AppContext& app)
    : m_app(app),
      m_cgd_ok_btn(this, &app.resources->m_ok_btn),
      m_cgd_cancel_btn(this, &app.resources->m_cancel_btn),
      m_cgd_game_type1_radio(this, &app.resources->m_radio_btn),
      m_cgd_game_type2_radio(this, &app.resources->m_radio_btn),
      m_cgd_game_kind1_radio(this, &app.resources->m_radio_btn),
      m_cgd_game_kind2_radio(this, &app.resources->m_radio_btn),
      m_cgd_level_num(this, app.font(), 25.0f, &app.resources->m_enter_level_num_editbox) {
    m_type_group.add(&m_cgd_game_type1_radio);
    m_type_group.add(&m_cgd_game_type2_radio);
    m_kind_group.add(&m_cgd_game_kind1_radio);
    m_kind_group.add(&m_cgd_game_kind2_radio);

    const ParamFile& layout = app.layout;
    const LayoutPoint ok = layout_point_float(layout, "m_cgd_ok_btn");
    m_cgd_ok_btn.set_position(ok.x, ok.y);
    const LayoutPoint cancel = layout_point_float(layout, "m_cgd_cancel_btn");
    m_cgd_cancel_btn.set_position(cancel.x, cancel.y);
    const LayoutPoint level = layout_point_float(layout, "m_cgd_level_num");
    m_cgd_level_num.set_position(level.x, level.y, 10.0f);
    m_cgd_level_num.set_max_length(2);
    m_cgd_level_num.set_text_x(30.0f);
    m_cgd_level_num.set_digits_only(true);
    m_cgd_level_num.set_range(1, kMaxLevel);
    m_cgd_level_num.set_text_colour(0.0f, 0.0f, 0.0f, 1.0f);
    struct {
        RadioButton& radio;
        const char* name;
    } const radios[] = {{m_cgd_game_type1_radio, "m_cgd_game_type1_radio"},
                        {m_cgd_game_type2_radio, "m_cgd_game_type2_radio"},
                        {m_cgd_game_kind1_radio, "m_cgd_game_kind1_radio"},
                        {m_cgd_game_kind2_radio, "m_cgd_game_kind2_radio"}};
    for (const auto& r : radios) {
        const LayoutPoint p = layout_point_float(layout, r.name);
        r.radio.set_position(p.x, p.y);
    }

    add_control(&m_cgd_ok_btn);
    add_control(&m_cgd_cancel_btn);
    add_control(&m_cgd_level_num);
    add_control(&m_cgd_game_type1_radio);
    add_control(&m_cgd_game_type2_radio);
    add_control(&m_cgd_game_kind1_radio);
    add_control(&m_cgd_game_kind2_radio);

    const GameParams& config = app.config;
    m_cgd_level_num.set_text(std::to_string(config.m_custom_level_num));
    RadioButton& type =
        config.m_custom_type_game == 0 ? m_cgd_game_type1_radio : m_cgd_game_type2_radio;
    type.set_checked(true);
    m_type_group.uncheck_others(&type);
    RadioButton& kind =
        config.m_custom_kind_game == 0 ? m_cgd_game_kind1_radio : m_cgd_game_kind2_radio;
    kind.set_checked(true);
    m_kind_group.uncheck_others(&kind);
    show_level_choice(m_cgd_game_type1_radio.is_checked());
}

void CustomGameDialog::show_level_choice(bool on) {
    m_cgd_game_kind1_radio.set_visible(on);
    m_cgd_game_kind2_radio.set_visible(on);
    m_cgd_level_num.set_visible(on);
}

void CustomGameDialog::key_down(int virtual_key) {
    if (virtual_key == vk::escape) {
        end_dialog(*this, DialogResult::cancelled);
    } else if (virtual_key == vk::enter) {
        on_control(&m_cgd_ok_btn);
    }
    Screen::key_down(virtual_key);
}

void CustomGameDialog::on_control(Control* control) {
    Screen::on_control(control);
    GameParams& config = m_app.config;
    if (control == &m_cgd_ok_btn) {
        if (m_cgd_game_type1_radio.is_checked()) {
            // An emptied box reads as 0 and keeps the dialog open like any number out of range.
            const int n = ParamFile::to_int(m_cgd_level_num.text());
            if (n <= 0 || n > kMaxLevel) {
                return;
            }
            config.m_custom_level_num = n;
        }
        end_dialog(*this, DialogResult::accepted);
    } else if (control == &m_cgd_cancel_btn) {
        end_dialog(*this, DialogResult::cancelled);
    } else if (control == &m_cgd_game_type1_radio || control == &m_cgd_game_type2_radio) {
        m_type_group.uncheck_others(static_cast<RadioButton*>(control));
        show_level_choice(control == &m_cgd_game_type1_radio);
    } else if (control == &m_cgd_game_kind1_radio || control == &m_cgd_game_kind2_radio) {
        m_kind_group.uncheck_others(static_cast<RadioButton*>(control));
    }
    config.m_custom_kind_game = m_kind_group.checked_index();
    config.m_custom_type_game = m_type_group.checked_index();
}

void CustomGameDialog::draw_label(const RadioButton& radio, const char* text, float height) const {
    if (!radio.visible() || !m_app.font()) {
        return;
    }
    m_app.font()->draw_text(text, height, radio.position().x + 40.0f, radio.position().y + 25.0f,
                            10.0f, 1.0f, 1.0f, 0.0f, 1.0f);
}

void CustomGameDialog::draw() {
    begin_dialog_drawing();
    draw_start_dialog(*this, m_app.resources->m_dialog_wnd, m_app, "Custom Game", 20.0f, 70.0f);
    draw_label(m_cgd_game_type1_radio, "Custom", 25.0f);
    draw_label(m_cgd_game_type2_radio, "Random", 25.0f);
    draw_label(m_cgd_game_kind1_radio, "Levels Set 1", 23.0f);
    draw_label(m_cgd_game_kind2_radio, "Levels Set 2", 23.0f);
    if (m_cgd_game_kind1_radio.visible() && m_app.font()) {
        m_app.font()->draw_text("Level's Number (1..75)", 23.0f, m_cgd_level_num.position().x,
                                m_cgd_level_num.position().y, 10.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    }
    end_dialog_drawing();
}
