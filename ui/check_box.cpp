#include "ui/check_box.h"

#include "ui/screen.h"

bool toggle_hover(const ImageControl& control, int32_t& state, int x, int y) {
    if (control.inside(x, y)) {
        if (state == CheckBox::kOff) {
            state = CheckBox::kOffHover;
        } else if (state == CheckBox::kOn) {
            state = CheckBox::kOnHover;
        }
        return true;
    }
    end_hover(state);
    return false;
}

void end_hover(int32_t& state) {
    if (state == CheckBox::kOffHover) {
        state = CheckBox::kOff;
    } else if (state == CheckBox::kOnHover) {
        state = CheckBox::kOn;
    }
}

CheckBox::CheckBox(Screen* owner, const Texture* image)
    : ImageControl(owner, image, 4, {200.0f, 40.0f, 0.0f}, 50.0f, 50.0f) {}

bool CheckBox::mouse_move(int x, int y, int) {
    return toggle_hover(*this, m_state, x, y);
}

bool CheckBox::left_button_down(int x, int y, int) {
    return inside(x, y);
}

bool CheckBox::left_button_up(int x, int y, int) {
    // The screen stops passing moves at the control that takes them, so a box the pointer
    // jumped away from may still look hovered: a release elsewhere only ends that look.
    if (!inside(x, y)) {
        toggle_hover(*this, m_state, x, y);
        return false;
    }
    if (m_state == kOffHover) {
        m_state = kOnHover;
    } else if (m_state == kOnHover) {
        m_state = kOffHover;
    } else {
        return false;
    }
    if (m_owner) {
        m_owner->on_control(this);
    }
    return true;
}

void CheckBox::draw() {
    draw_band(true);
}
