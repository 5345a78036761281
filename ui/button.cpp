#include "ui/button.h"

#include "ui/screen.h"

Button::Button(Screen* owner, const Texture* image)
    : ImageControl(owner, image, 3, {0.0f, 0.0f, 0.0f}, 130.0f, 60.0f) {}

bool Button::mouse_move(int x, int y, int) {
    if (!m_visible) {
        return false;
    }
    // Moving also turns a pressed look into hover, and leaving ends it.
    if (inside(x, y)) {
        m_state = kHover;
        return true;
    }
    m_state = kNormal;
    return false;
}

bool Button::left_button_down(int x, int y, int) {
    if (!m_visible || !inside(x, y)) {
        return false;
    }
    m_state = kPressed;
    if (m_owner) {
        m_owner->on_control(this);
    }
    return true;
}

bool Button::left_button_up(int, int, int) {
    if (!m_visible || m_state != kPressed) {
        return false;
    }
    m_state = kHover;
    return true;
}

void Button::draw() {
    if (!m_visible) {
        return;
    }
    draw_band(true);
}

void Button::pointer_elsewhere() {
    m_state = kNormal;
}

void Button::reset() {
    m_state = kNormal;
}
