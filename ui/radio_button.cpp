#include "ui/radio_button.h"

#include "ui/screen.h"

RadioButton::RadioButton(Screen* owner, const Texture* image)
    : ImageControl(owner, image, 4, {200.0f, 40.0f, 0.0f}, 50.0f, 50.0f) {}

bool RadioButton::mouse_move(int x, int y, int) {
    if (!m_visible) {
        return false;
    }
    return toggle_hover(*this, m_state, x, y);
}

bool RadioButton::left_button_down(int x, int y, int) {
    return m_visible && inside(x, y);
}

bool RadioButton::left_button_up(int x, int y, int) {
    // Only an unchecked radio under the pointer reacts (a release elsewhere ends a hover look
    // left from a move the screen gave to another control).
    if (m_visible && !inside(x, y)) {
        toggle_hover(*this, m_state, x, y);
        return false;
    }
    if (!m_visible || m_state != CheckBox::kOffHover) {
        return false;
    }
    m_state = CheckBox::kOnHover;
    if (m_owner) {
        m_owner->on_control(this);
    }
    return true;
}

void RadioButton::draw() {
    if (!m_visible) {
        return;
    }
    draw_band(true);
}

void RadioGroup::uncheck_others(const RadioButton* radio) {
    for (RadioButton* r : m_radios) {
        if (r != radio) {
            r->set_checked(false);
        }
    }
}

int RadioGroup::checked_index() const {
    for (int i = 0; i < size(); ++i) {
        if (m_radios[i]->is_checked()) {
            return i;
        }
    }
    return -1;
}
