#include "gfx/view.h"

#include "gfx/gl.h"
#include "gfx/texture.h"
#include "platform/letterbox.h"

void View::setup_ortho(int client_width, int client_height) const {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    // One scale for both axes, centred: the bars around the picture keep the screens' black
    // clear, which covers the whole drawable.
    const Letterbox box = fit_picture(client_width, client_height, m_screen_width, m_screen_height);
    int vx = 0, vy = 0;
    letterbox_viewport(box, client_height, vx, vy);
    glViewport(vx, vy, box.width, box.height);
    Texture::set_whole_scale(box.width >= 2 * m_screen_width && box.width % m_screen_width == 0 &&
                             box.height % m_screen_height == 0);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Bottom is the screen height and top 0, so logical y grows downwards.
    glOrtho(0.0, m_screen_width, m_screen_height, 0.0, -50.0, 50.0);
    glMatrixMode(GL_MODELVIEW);
}

void View::begin_play_frame(int client_width, int client_height) const {
    setup_ortho(client_width, client_height);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
}

void View::apply_view() const {
    glTranslatef(m_pos_x, m_pos_y, m_pos_z);
    glScalef(m_scale, m_scale, m_scale);
    glRotatef(m_rot_z, 0.0f, 0.0f, 1.0f);
}
