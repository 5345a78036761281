#include "ui/intro_screen.h"

#include <cstdlib>

#include "gfx/gl.h"
#include "gfx/view.h"
#include "platform/clock.h"
#include "storage/pack_archive.h"
#include "ui/screen_host.h"

IntroScreen::IntroScreen(const PackArchive& archive, const View& view) : m_view(view) {
    std::srand(static_cast<unsigned>(platform::milliseconds_since_boot()));
    PackEntry file = archive.read_file("mui/intro.jpg");
    if (file.data && file.size > 0) {
        m_picture.load_memory(file.data.get(), file.size, false, false);
    }
}

void IntroScreen::draw() {
    if (const ScreenHost* window = m_host) {
        int dw = 0, dh = 0;
        window->drawable_size(dw, dh);
        m_view.setup_ortho(dw, dh);
        // Cut-out edges of the picture stay transparent.
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.5f);
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glEnable(GL_TEXTURE_2D);
    m_picture.bind();
    const float w = static_cast<float>(m_view.m_screen_width);
    const float h = static_cast<float>(m_view.m_screen_height);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, -10.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, h, -10.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(w, h, -10.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(w, 0.0f, -10.0f);
    glEnd();
    Screen::draw();
    glPopMatrix();
}
