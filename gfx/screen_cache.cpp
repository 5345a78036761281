#include "gfx/screen_cache.h"

#include <cstring>
#include <vector>

#include "gfx/draw.h"
#include "gfx/gl.h"
#include "platform/gl_current.h"

bool ScreenCache::supported() {
    if (!has_current_gl_context()) {
        return false;
    }
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, "GL_ARB_texture_non_power_of_two");
}

bool ScreenCache::capture() {
    m_valid = false;
    if (!supported()) {
        return false;
    }
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0) {
        return false;
    }
    if (m_texture != 0 && !glIsTexture(m_texture)) {
        m_texture = 0;  // the context that made it is gone
        m_texture_width = 0;
        m_texture_height = 0;
    }
    if (m_texture == 0) {
        glGenTextures(1, &m_texture);
        m_texture_width = 0;
        m_texture_height = 0;
    }
    glBindTexture(GL_TEXTURE_2D, m_texture);
    if (m_texture_width != viewport[2] || m_texture_height != viewport[3]) {
        // The window's own layout, BGRA with alpha: the software renderer draws such a texture
        // texel for pixel by copying rows (13.5 M instructions a play frame with GL_RGB, 7.8 M
        // with this).
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, viewport[2], viewport[3], 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, nullptr);
        m_texture_width = viewport[2];
        m_texture_height = viewport[3];
    }
    // Read back and uploaded rather than copied inside GL: the software renderer copies from
    // the window's BGRX pixels into a BGRA texture by compiling a blit the first time, 60 ms or
    // more on the menu's first frame, while reading and uploading rows costs the same as a
    // copy in every later frame.
    std::vector<unsigned char> pixels(static_cast<std::size_t>(viewport[2]) * viewport[3] * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels.data());
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, viewport[2], viewport[3], GL_BGRA, GL_UNSIGNED_BYTE,
                    pixels.data());
    if (glGetError() != GL_NO_ERROR) {
        return false;
    }
    std::memcpy(m_viewport, viewport, sizeof m_viewport);
    m_valid = true;
    return true;
}

bool ScreenCache::valid() const {
    if (!m_valid || m_texture == 0 || !glIsTexture(m_texture)) {
        return false;
    }
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return std::memcmp(viewport, m_viewport, sizeof viewport) == 0;
}

void ScreenCache::draw() const {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const bool copy = begin_texel_copy();
    // Texel centres fall on pixel centres: the viewport is the size of the texture.
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glEnd();
    if (copy) {
        end_texel_copy();
    }
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void ScreenCache::release() {
    if (m_texture != 0 && has_current_gl_context() && glIsTexture(m_texture)) {
        glDeleteTextures(1, &m_texture);
    }
    m_texture = 0;
    m_texture_width = 0;
    m_texture_height = 0;
    m_valid = false;
}
