#pragma once

#include <cstdint>

#include "ui/screen.h"

// The frame all dialogs share: a rectangle on the 800 x 600 virtual screen, an optional shade
// over everything behind it, mouse positions converted into the dialog's own frame, and
// Enter/Escape ending it accepted or cancelled.
class Dialog : public Screen {
  public:
    void draw() override;
    void key_down(int virtual_key) override;
    void mouse_move(int x, int y, int buttons) override;
    void left_button_up(int x, int y, int buttons) override;
    void left_button_down(int x, int y, int buttons) override;
    // Every dialog handles its own controls.
    void on_control(Control* control) override = 0;

    void set_screen_size(int width, int height) {
        m_screen_width = width;
        m_screen_height = height;
    }
    void set_shade(bool on) { m_shade = on; }
    void set_position(int x, int y) {
        m_x = static_cast<float>(x);
        m_y = static_cast<float>(y);
    }
    void set_size(int width, int height) {
        m_width = width;
        m_height = height;
    }
    void set_background(bool on) { m_background = on; }

    // Darkens the whole virtual screen behind the dialog (only when the shade is on).
    void draw_shade(float r, float g, float b, float a);
    // The dialog's rectangle with the currently bound texture (only when the background is on).
    void draw_background(float r, float g, float b, float a);

    // A window point in the dialog's own coordinates.
    void to_dialog(int x, int y, int& dx, int& dy) const;

    float x() const { return m_x; }
    float y() const { return m_y; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

  protected:
    int32_t m_screen_width = 800;
    int32_t m_screen_height = 600;
    bool m_shade = false;
    float m_x = 0;
    float m_y = 0;
    int32_t m_width = 100;
    int32_t m_height = 100;
    bool m_background = true;
};
