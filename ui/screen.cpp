#include "ui/screen.h"

#include <cmath>

#include "gfx/draw.h"
#include "gfx/gl.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "platform/letterbox.h"
#include "platform/platform.h"
#include "ui/control.h"
#include "ui/screen_host.h"

namespace {

// Whether the desktop cursor is over the window (edges inclusive).
bool cursor_over_window(const ScreenHost* window) {
    if (!window || !window->has_window()) {
        return true;
    }
    int left = 0, top = 0, cx = 0, cy = 0;
    window->window_position(left, top);
    platform::cursor_position(cx, cy);
    return cx >= left && cx <= left + window->width() && cy >= top && cy <= top + window->height();
}

}  // namespace

void window_to_virtual(const ScreenHost* window, int x, int y, int virtual_width,
                       int virtual_height, int& vx, int& vy) {
    vx = x;
    vy = y;
    if (!window || window->width() <= 0 || window->height() <= 0 || virtual_width <= 0 ||
        virtual_height <= 0) {
        return;
    }
    // Through the same fit as the picture, so a click lands where the control is drawn; a
    // click on a bar stays far off every control.
    int lx = 0, ly = 0;
    if (!window->to_logical(x, y, lx, ly)) {
        vx = vy = kOffPicture;
        return;
    }
    int picture_width = 0, picture_height = 0;
    window->picture_size(picture_width, picture_height);
    vx = picture_width == virtual_width ? lx : lx * virtual_width / picture_width;
    vy = picture_height == virtual_height ? ly : ly * virtual_height / picture_height;
}

void Screen::tick(int elapsed_ms) {
    // A drag that left the window ends here: the release may never reach us.
    if (m_mouse_down && !cursor_over_window(m_host)) {
        m_mouse_down = false;
    }
    for (Control* c : m_children)
        c->tick(elapsed_ms);
}

void Screen::draw() {
    for (Control* c : m_children)
        c->draw();
    draw_focus();
}

void Screen::activate() {
    m_mouse_down = false;
    for (Control* c : m_children)
        c->reset();
}

void Screen::key_down(int virtual_key) {
    // Tab and Space belong to the focus unless a control is typing or waiting for a key; they
    // go no further, so the control they press does not take them as its own key too.
    if ((virtual_key == vk::tab || virtual_key == vk::space) && !keys_taken()) {
        if (virtual_key == vk::tab) {
            step_focus(platform::is_vk_down_now(vk::shift) ? -1 : 1);
            return;
        }
        if (m_focus >= 0) {
            press_focus();
            return;
        }
    }
    for (Control* c : m_children)
        c->key_down(virtual_key);
}

void Screen::char_typed(int code, int repeat) {
    for (Control* c : m_children)
        c->char_typed(code, repeat);
}

void Screen::mouse_move(int x, int y, int buttons) {
    if (m_mouse_down && m_window_drag) {
        ScreenHost* window = m_host;
        // A full-screen window stays where it is, whoever switched it (F11 or the menu).
        if (window && window->has_window() && !window->is_fullscreen()) {
            // Desktop coordinates, so the drag does not drift as the window moves under the
            // cursor.
            int left = 0, top = 0, cx = 0, cy = 0;
            window->window_position(left, top);
            platform::cursor_position(cx, cy);
            window->move_window(left + cx - m_last_cursor_x, top + cy - m_last_cursor_y);
            m_last_cursor_x = cx;
            m_last_cursor_y = cy;
        }
    }
    // The control that takes the move hides it from the later ones; they still learn that
    // the pointer is not theirs, so a fast jump leaves no second control lit.
    bool taken = false;
    for (Control* c : m_children) {
        if (taken) {
            c->pointer_elsewhere();
        } else if (c->mouse_move(x, y, buttons)) {
            m_mouse_down = false;
            taken = true;
        }
    }
}

void Screen::left_button_up(int x, int y, int buttons) {
    m_mouse_down = false;
    for (Control* c : m_children)
        c->left_button_up(x, y, buttons);
}

void Screen::left_button_down(int x, int y, int buttons) {
    m_mouse_down = true;
    platform::cursor_position(m_last_cursor_x, m_last_cursor_y);
    for (Control* c : m_children) {
        if (c->left_button_down(x, y, buttons)) {
            m_mouse_down = false;
        }
    }
}

void Screen::right_button_up(int x, int y, int buttons) {
    m_mouse_down = false;
    for (Control* c : m_children)
        c->right_button_up(x, y, buttons);
}

void Screen::on_control(Control* control) {
    (void)control;
    m_mouse_down = false;
}

void Screen::on_dialog_closed(DialogResult result, Screen* dialog) {
    (void)result;
    (void)dialog;
}

void Screen::on_close_request() {}

// ---- keyboard and gamepad focus -------------------------------------------------------------

namespace {

struct Box {
    float x = 0, y = 0, w = 0, h = 0;
    float cx() const { return x + w / 2.0f; }
    float cy() const { return y + h / 2.0f; }
};

bool box_of(const Control* c, Box& b) {
    return c && c->focus_box(b.x, b.y, b.w, b.h);
}

}  // namespace

bool Screen::keys_taken() const {
    for (const Control* c : m_children) {
        if (c->takes_keys()) {
            return true;
        }
    }
    return false;
}

void Screen::step_focus(int step) {
    std::vector<int> focusable;
    Box b;
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (box_of(m_children[i], b)) {
            focusable.push_back(static_cast<int>(i));
        }
    }
    if (focusable.empty()) {
        m_focus = -1;
        return;
    }
    const int n = static_cast<int>(focusable.size());
    int at = -1;
    for (int k = 0; k < n; ++k) {
        if (focusable[static_cast<size_t>(k)] == m_focus) {
            at = k;
        }
    }
    if (at < 0) {
        at = step >= 0 ? 0 : n - 1;  // first use: the first (or last) control
    } else {
        at = ((at + step) % n + n) % n;
    }
    m_focus = focusable[static_cast<size_t>(at)];
}

void Screen::move_focus(int dx, int dy) {
    Box from;
    if (m_focus < 0 || m_focus >= static_cast<int>(m_children.size()) ||
        !box_of(m_children[static_cast<size_t>(m_focus)], from)) {
        step_focus(1);
        return;
    }
    // Ahead in the direction, preferring controls in line with this one.
    int best = -1;
    float best_score = 0.0f;
    Box b;
    for (size_t i = 0; i < m_children.size(); ++i) {
        if (static_cast<int>(i) == m_focus || !box_of(m_children[i], b)) {
            continue;
        }
        const float ahead = (b.cx() - from.cx()) * dx + (b.cy() - from.cy()) * dy;
        const float aside = std::fabs((b.cx() - from.cx()) * dy - (b.cy() - from.cy()) * dx);
        if (ahead <= 1.0f) {
            continue;
        }
        const float score = ahead + 2.0f * aside;
        if (best < 0 || score < best_score) {
            best = static_cast<int>(i);
            best_score = score;
        }
    }
    if (best >= 0) {
        m_focus = best;
    }
}

void Screen::press_focus() {
    Box b;
    if (m_focus < 0 || m_focus >= static_cast<int>(m_children.size()) ||
        !box_of(m_children[static_cast<size_t>(m_focus)], b)) {
        return;
    }
    // In the screen's own coordinates, past the window-to-screen mapping of the overrides.
    const int x = static_cast<int>(b.cx());
    const int y = static_cast<int>(b.cy());
    Screen::left_button_down(x, y, mouse_flags::left);
    Screen::left_button_up(x, y, 0);
}

void Screen::pad_button(int button) {
    switch (button) {
        case gamepads::up:
            move_focus(0, -1);
            break;
        case gamepads::down:
            move_focus(0, 1);
            break;
        case gamepads::left:
            move_focus(-1, 0);
            break;
        case gamepads::right:
            move_focus(1, 0);
            break;
        case gamepads::south:
            if (m_focus >= 0) {
                press_focus();
            } else {
                step_focus(1);  // the first press shows where the focus is
            }
            break;
        case gamepads::east:
        case gamepads::back:
            key_down(vk::escape);
            break;
        default:
            break;
    }
}

void Screen::draw_focus() const {
    Box b;
    if (m_focus < 0 || m_focus >= static_cast<int>(m_children.size()) ||
        !box_of(m_children[static_cast<size_t>(m_focus)], b)) {
        return;
    }
    const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
    const GLboolean depth = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_DEPTH_TEST);
    const float t = 3.0f;  // frame width
    const float x = b.x - t, y = b.y - t, w = b.w + 2 * t, h = b.h + 2 * t;
    const float r = 1.0f, g = 0.85f, bl = 0.2f, a = 0.9f;
    draw_shade_rect(x, y, w, t, 1.0f, r, g, bl, a);
    draw_shade_rect(x, y + h - t, w, t, 1.0f, r, g, bl, a);
    draw_shade_rect(x, y + t, t, h - 2 * t, 1.0f, r, g, bl, a);
    draw_shade_rect(x + w - t, y + t, t, h - 2 * t, 1.0f, r, g, bl, a);
    if (textured) {
        glEnable(GL_TEXTURE_2D);
    }
    if (depth) {
        glEnable(GL_DEPTH_TEST);
    }
}
