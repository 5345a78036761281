#pragma once

#include "ui/image_control.h"

// A push button with three looks: normal, hover, pressed. It reports the click on the press.
class Button : public ImageControl {
  public:
    Button(Screen* owner, const Texture* image);

    bool mouse_move(int x, int y, int buttons) override;
    bool left_button_up(int x, int y, int buttons) override;
    bool left_button_down(int x, int y, int buttons) override;
    void draw() override;
    void reset() override;
    void pointer_elsewhere() override;

    void set_visible(bool on) { m_visible = on; }
    bool visible() const { return m_visible; }

    static constexpr int32_t kNormal = 1, kHover = 2, kPressed = 3;

  protected:
    bool shown() const override { return m_visible; }

  private:
    bool m_visible = true;
};
