#include "ui/help_dialog.h"

#include "gfx/draw.h"
#include "ui/app_context.h"
#include "ui/layout.h"

namespace {

TextPanel read_help(AppContext& app) {
    TextPanel panel(app.font(), 700.0f, 25.0f, 16, 2);
    // A missing file gives one blank line; the dialog works the same.
    const PackEntry file = app.archive.read_file("mui/help.txt");
    panel.set_text(file.chars(), file.size);
    return panel;
}

}  // namespace

HelpDialog::HelpDialog(AppContext& app)
    : m_app(app),
      m_text(read_help(app)),
      m_hd_close_btn(this, &app.resources->m_close_btn),
      m_hd_up_btn(this, &app.resources->m_up_btn),
      m_hd_down_btn(this, &app.resources->m_down_btn) {
    struct {
        Button& button;
        const char* name;
    } const buttons[] = {{m_hd_close_btn, "m_hd_close_btn"},
                         {m_hd_up_btn, "m_hd_up_btn"},
                         {m_hd_down_btn, "m_hd_down_btn"}};
    for (const auto& b : buttons) {
        const LayoutPoint p = layout_point_int(app.layout, b.name);
        b.button.set_position(p.x, p.y);
        add_control(&b.button);
    }
}

void HelpDialog::on_control(Control* control) {
    Screen::on_control(control);
    if (control == &m_hd_close_btn) {
        end_dialog(*this, DialogResult::accepted);
    } else if (control == &m_hd_up_btn) {
        m_text.scroll_up();
    } else if (control == &m_hd_down_btn) {
        m_text.scroll_down();
    }
}

void HelpDialog::draw() {
    begin_dialog_drawing();
    draw_textured_rect(&m_app.resources->m_dialog_wnd, m_x, m_y, static_cast<float>(m_width),
                       static_cast<float>(m_height), 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, true);
    Dialog::draw();
    draw_shadowed_text(m_app.font(), "Help", 50.0f, 150.0f, 70.0f);
    m_text.draw(60.0f, 120.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    end_dialog_drawing();
}
