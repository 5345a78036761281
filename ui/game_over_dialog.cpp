#include "ui/game_over_dialog.h"

#include <string>

#include "gfx/draw.h"
#include "gfx/gl.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "storage/score_table.h"
#include "ui/app_context.h"
#include "ui/layout.h"
#include "ui/text_panel.h"

namespace {

ScoreTable& score_table(AppContext& app, int index) {
    return app.config.m_scores[index == 1 ? 1 : 0];
}

}  // namespace

std::string storable_player_name(const std::string& name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        if (c == '"') {
            c = '\'';
        } else if (c == '/' && !out.empty() && out.back() == '/') {
            c = '\\';
        }
        out += c;
    }
    return out;
}

GameOverDialog::GameOverDialog(AppContext& app, int32_t score, int table_index)
    : m_app(app),
      m_end_close_btn(this, &app.resources->m_close_btn),
      m_end_edit(this, app.font(), 35.0f, &app.resources->m_enter_name_editbox),
      m_score(score),
      m_table(score_table(app, table_index)) {
    const LayoutPoint close = layout_point_int(app.layout, "m_end_close_btn");
    m_end_close_btn.set_position(close.x, close.y);
    add_control(&m_end_close_btn);
    const LayoutPoint edit = layout_point_float(app.layout, "m_end_edit");
    m_end_edit.set_position(edit.x, edit.y);
    m_end_edit.set_max_length(kMaxNameLength);
    m_end_edit.set_text_x(10.0f);
    m_end_edit.set_text_colour(0.0f, 0.0f, 0.0f, 1.0f);
    add_control(&m_end_edit);
    m_qualifies = m_table.rank_of(score) != -1;
    m_end_edit.set_visible(m_qualifies);
}

void GameOverDialog::commit() {
    // The close is deferred to the next tick: a second Enter or a click meanwhile must not
    // enter the score twice.
    if (m_committed) {
        return;
    }
    m_committed = true;
    m_player_name =
        m_end_edit.text().empty() ? "Anonymous" : storable_player_name(m_end_edit.text());
    if (m_table.rank_of(m_score) != -1) {
        m_table.insert(m_player_name, m_score);
        // On disk at once: the entry must survive whatever happens to the program next.
        m_app.save_scores();
    }
    end_dialog(*this, DialogResult::accepted);
}

void GameOverDialog::key_down(int virtual_key) {
    if (virtual_key == vk::escape || virtual_key == vk::enter) {
        commit();
    }
    Screen::key_down(virtual_key);
}

void GameOverDialog::pad_button(int button) {
    if (button == gamepads::south || button == gamepads::start) {
        key_down(vk::enter);
    } else {
        Dialog::pad_button(button);
    }
}

void GameOverDialog::on_control(Control* control) {
    Screen::on_control(control);
    if (control == &m_end_close_btn) {
        commit();
    }
}

void GameOverDialog::draw() {
    begin_dialog_drawing();
    draw_shade(0.0f, 0.0f, 0.0f, 1.0f);
    glDisable(GL_TEXTURE_2D);
    draw_background(0.3f, 0.4f, 0.5f, 0.9f);
    draw_textured_rect(&m_app.resources->m_dialog_wnd, 0.0f, 0.0f,
                       static_cast<float>(m_screen_width), static_cast<float>(m_screen_height),
                       0.0f, 0.0f, 1.0f, 1.0f, 0.0f, false);
    Dialog::draw();
    const Font* font = m_app.font();
    draw_shadowed_text(font, "Game Over !", 50.0f, 220.0f, 100.0f);
    const std::string score_text = "Your score: " + std::to_string(m_score);
    draw_shadowed_text(font, score_text.c_str(), 30.0f, 240.0f, 200.0f);
    if (m_qualifies) {
        draw_shadowed_text(font, "Enter Your Name", 30.0f, 250.0f, 300.0f);
    }
    end_dialog_drawing();
}
