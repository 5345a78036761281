#include "ui/new_game_dialog.h"

#include "gfx/draw.h"
#include "ui/app_context.h"
#include "ui/layout.h"
#include "ui/text_panel.h"

NewGameDialog::NewGameDialog(AppContext& app)
    : m_app(app),
      m_ngd_ok_btn(this, &app.resources->m_ok_btn),
      m_ngd_cancel_btn(this, &app.resources->m_cancel_btn) {
    const LayoutPoint ok = layout_point_float(app.layout, "m_ngd_ok_btn");
    m_ngd_ok_btn.set_position(ok.x, ok.y);
    add_control(&m_ngd_ok_btn);
    const LayoutPoint cancel = layout_point_float(app.layout, "m_ngd_cancel_btn");
    m_ngd_cancel_btn.set_position(cancel.x, cancel.y);
    add_control(&m_ngd_cancel_btn);
}

void NewGameDialog::on_control(Control* control) {
    Screen::on_control(control);
    if (control == &m_ngd_ok_btn) {
        end_dialog(*this, DialogResult::accepted);
    } else if (control == &m_ngd_cancel_btn) {
        end_dialog(*this, DialogResult::cancelled);
    }
}

void NewGameDialog::draw() {
    begin_dialog_drawing();
    draw_start_dialog(*this, m_app.resources->m_dialog_wnd, m_app, "Start New Game?", 40.0f, 90.0f);
    end_dialog_drawing();
}

void draw_start_dialog(Dialog& dialog, const Texture& picture, const AppContext& app,
                       const char* title, float title_x, float title_y) {
    dialog.set_shade(true);
    dialog.draw_shade(0.0f, 0.0f, 0.0f, 0.5f);
    draw_textured_rect(&picture, dialog.x(), dialog.y(), static_cast<float>(dialog.width()),
                       static_cast<float>(dialog.height()), 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, false);
    dialog.Dialog::draw();
    draw_shadowed_text(app.font(), title, 40.0f, title_x, title_y);
}
