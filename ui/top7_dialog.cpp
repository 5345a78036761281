#include "ui/top7_dialog.h"

#include <string>

#include "gfx/draw.h"
#include "gfx/font.h"
#include "storage/score_table.h"
#include "ui/app_context.h"
#include "ui/layout.h"
#include "ui/text_panel.h"

namespace {

constexpr float kRowHeight = 40.0f;
constexpr float kNameX = 100.0f;
constexpr float kScoreX = 560.0f;
constexpr float kColumnGap = 20.0f;

}  // namespace

float top7_name_height(const Font* font, const char* name) {
    if (!font) {
        return kRowHeight;
    }
    const float width = font->text_width(name, kRowHeight);
    const float room = kScoreX - kColumnGap - kNameX;
    return width > room ? kRowHeight * room / width : kRowHeight;
}

Top7Dialog::Top7Dialog(AppContext& app, int table_index)
    : m_app(app),
      m_t7d_close_btn(this, &app.resources->m_close_btn),
      m_table(app.config.m_scores[table_index == 1 ? 1 : 0]),
      m_set(table_index == 1 ? 1 : 0) {
    const LayoutPoint close = layout_point_int(app.layout, "m_t7d_close_btn");
    m_t7d_close_btn.set_position(close.x, close.y);
    add_control(&m_t7d_close_btn);
}

Top7Dialog::~Top7Dialog() {
    // 2 MB in the renderer, for a dialog seldom opened: made again when it next shows.
    if (m_app.resources) {
        m_app.resources->release_top7_picture(m_set);
    }
}

void Top7Dialog::on_control(Control* control) {
    Screen::on_control(control);
    if (control == &m_t7d_close_btn) {
        end_dialog(*this, DialogResult::accepted);
    }
}

void Top7Dialog::draw() {
    begin_dialog_drawing();
    // The set's own picture names the set and numbers the places beside the rows.
    draw_textured_rect(&m_app.resources->top7_picture(m_set), 0.0f, 0.0f,
                       static_cast<float>(m_screen_width), static_cast<float>(m_screen_height),
                       0.0f, 0.0f, 1.0f, 1.0f, 0.0f, false);
    Dialog::draw();
    const Font* font = m_app.font();
    draw_shadowed_text(font, "Top 7", 50.0f, 20.0f, 70.0f);
    float baseline = 150.0f;
    for (const ScoreEntry& entry : m_table.entries()) {
        const char* name = entry.name.c_str();
        draw_shadowed_text(font, name, top7_name_height(font, name), kNameX, baseline);
        draw_shadowed_text(font, std::to_string(entry.score).c_str(), kRowHeight, kScoreX,
                           baseline);
        baseline += 60.0f;
    }
    end_dialog_drawing();
}
