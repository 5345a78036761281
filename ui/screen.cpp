#include "ui/screen.h"

#include "app/app_window.h"
#include "app/game_app.h"
#include "platform/platform.h"
#include "ui/control.h"

namespace {

// Whether the desktop cursor is over the window (edges inclusive).
bool cursor_over_window() {
    const AppWindow* window = app_window();
    if (!window || !window->has_window()) {
        return true;
    }
    int left = 0, top = 0, cx = 0, cy = 0;
    window->window_position(left, top);
    platform::cursor_position(cx, cy);
    return cx >= left && cx <= left + window->width() && cy >= top && cy <= top + window->height();
}

}  // namespace

void window_to_virtual(int x, int y, int virtual_width, int virtual_height, int& vx, int& vy) {
    vx = x;
    vy = y;
    const AppWindow* window = app_window();
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
    const View& view = window->app().view;
    vx = view.m_screen_width == virtual_width ? lx : lx * virtual_width / view.m_screen_width;
    vy = view.m_screen_height == virtual_height ? ly : ly * virtual_height / view.m_screen_height;
}

void Screen::tick(int elapsed_ms) {
    // A drag that left the window ends here: the release may never reach us.
    if (m_mouse_down && !cursor_over_window()) {
        m_mouse_down = false;
    }
    for (Control* c : m_children)
        c->tick(elapsed_ms);
}

void Screen::draw() {
    for (Control* c : m_children)
        c->draw();
}

void Screen::activate() {
    m_mouse_down = false;
    for (Control* c : m_children)
        c->reset();
}

void Screen::key_down(int virtual_key) {
    for (Control* c : m_children)
        c->key_down(virtual_key);
}

void Screen::char_typed(int code, int repeat) {
    for (Control* c : m_children)
        c->char_typed(code, repeat);
}

void Screen::mouse_move(int x, int y, int buttons) {
    if (m_mouse_down && m_window_drag) {
        AppWindow* window = app_window();
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

void Screen::on_dialog_closed(int result, Screen* dialog) {
    (void)result;
    (void)dialog;
}

void Screen::on_close_request() {}
