#pragma once

#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/text_panel.h"

class AppContext;

// The game's help text ("mui/help.txt" in the archive), wrapped and scrolled a page at a time
// with two arrow buttons. Enter and Escape close it like the close button; the scroll position
// is not kept between openings.
class HelpDialog : public Dialog {
  public:
    explicit HelpDialog(AppContext& app);
    ~HelpDialog() override = default;

    void on_control(Control* control) override;
    void draw() override;

    const TextPanel& text() const { return m_text; }
    Button& close_button() { return m_hd_close_btn; }
    Button& up_button() { return m_hd_up_btn; }
    Button& down_button() { return m_hd_down_btn; }

  private:
    AppContext& m_app;
    TextPanel m_text;
    Button m_hd_close_btn;
    Button m_hd_up_btn;
    Button m_hd_down_btn;
};
