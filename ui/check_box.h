#pragma once

#include "ui/image_control.h"

// The hover step the check box and the radio button share: entering adds the hover look,
// leaving takes it away. Returns whether the point is inside.
bool toggle_hover(const ImageControl& control, int32_t& state, int x, int y);
// The hover look taken away, the value kept.
void end_hover(int32_t& state);

// An on/off box with four looks: off, off+hover, on, on+hover. It toggles on the release, and
// only while the pointer hovers over it (a release that no move came before does nothing).
class CheckBox : public ImageControl {
  public:
    CheckBox(Screen* owner, const Texture* image);

    bool mouse_move(int x, int y, int buttons) override;
    void pointer_elsewhere() override { end_hover(m_state); }
    bool left_button_up(int x, int y, int buttons) override;
    bool left_button_down(int x, int y, int buttons) override;
    void draw() override;

    bool is_checked() const { return m_state > 2; }
    void set_checked(bool on) { m_state = on ? kOn : kOff; }

    static constexpr int32_t kOff = 1, kOffHover = 2, kOn = 3, kOnHover = 4;
};
