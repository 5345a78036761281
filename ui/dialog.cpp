#include "ui/dialog.h"

#include <GL/gl.h>

#include "platform/key_codes.h"
#include "ui/screen_host.h"

void Dialog::draw() {
    glTranslatef(m_x, m_y, 0.5f);
    glEnable(GL_TEXTURE_2D);
    Screen::draw();
    glDisable(GL_TEXTURE_2D);
}

void Dialog::draw_shade(float r, float g, float b, float a) {
    if (!m_shade) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glTranslatef(0.0f, 0.0f, 0.5f);
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(static_cast<float>(m_screen_width), 0.0f, 0.0f);
    glVertex3f(static_cast<float>(m_screen_width), static_cast<float>(m_screen_height), 0.0f);
    glVertex3f(0.0f, static_cast<float>(m_screen_height), 0.0f);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
}

void Dialog::draw_background(float r, float g, float b, float a) {
    if (!m_background) {
        return;
    }
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glTranslatef(m_x, m_y, 0.5f);
    glColor4f(r, g, b, a);
    const float w = static_cast<float>(m_width);
    const float h = static_cast<float>(m_height);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(w, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(w, h, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, h, 0.0f);
    glEnd();
    glTranslatef(-m_x, -m_y, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Dialog::key_down(int virtual_key) {
    if (virtual_key == vk::escape) {
        set_result(DialogResult::cancelled);
        if (m_host)
            m_host->close_top(false);
    } else if (virtual_key == vk::enter) {
        set_result(DialogResult::accepted);
        if (m_host)
            m_host->close_top(false);
    }
    Screen::key_down(virtual_key);
}

void Dialog::to_dialog(int x, int y, int& dx, int& dy) const {
    int vx = 0, vy = 0;
    window_to_virtual(m_host, x, y, m_screen_width, m_screen_height, vx, vy);
    dx = vx - static_cast<int>(m_x);
    dy = vy - static_cast<int>(m_y);
}

void Dialog::mouse_move(int x, int y, int buttons) {
    int dx = 0, dy = 0;
    to_dialog(x, y, dx, dy);
    Screen::mouse_move(dx, dy, buttons);
}

void Dialog::left_button_up(int x, int y, int buttons) {
    int dx = 0, dy = 0;
    to_dialog(x, y, dx, dy);
    Screen::left_button_up(dx, dy, buttons);
}

void Dialog::left_button_down(int x, int y, int buttons) {
    int dx = 0, dy = 0;
    to_dialog(x, y, dx, dy);
    Screen::left_button_down(dx, dy, buttons);
}
