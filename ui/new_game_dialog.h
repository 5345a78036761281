#pragma once

#include "ui/button.h"
#include "ui/dialog.h"

class AppContext;
class Texture;

// "Start New Game?" over a game in progress. Result 0 (OK, Enter) means the running game is to
// be replaced; 1 (Cancel, Escape) keeps it.
class NewGameDialog : public Dialog {
  public:
    explicit NewGameDialog(AppContext& app);
    ~NewGameDialog() override = default;

    void on_control(Control* control) override;
    void draw() override;

    Button& ok_button() { return m_ngd_ok_btn; }
    Button& cancel_button() { return m_ngd_cancel_btn; }

  private:
    AppContext& m_app;
    Button m_ngd_ok_btn;
    Button m_ngd_cancel_btn;
};

// The frame the new game and custom game dialogs share, drawn inside the caller's matrix push:
// the half-dark shade over the whole screen, the dialog picture on the dialog's rectangle,
// the controls, and the title at (title_x, title_y) in the dialog's coordinates.
void draw_start_dialog(Dialog& dialog, const Texture& picture, const AppContext& app,
                       const char* title, float title_x, float title_y);
