#include "gfx/draw.h"

#include "gfx/gl.h"
#include "gfx/texture.h"
#include "platform/gl_current.h"

void draw_fullscreen_image(const Texture& texture) {
    if (!has_current_gl_context()) {
        return;
    }
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    texture.bind();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // t = 1 is the top row of the picture, so it goes to logical y 0.
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, kLogicalHeight, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(kLogicalWidth, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(kLogicalWidth, kLogicalHeight, 0.0f);
    glEnd();
}

void begin_alpha_blend() {
    if (!has_current_gl_context()) {
        return;
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

void reset_colour() {
    if (has_current_gl_context()) {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

void draw_shade_rect(float x, float y, float width, float height, float z, float r, float g,
                     float b, float a) {
    if (!has_current_gl_context()) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    begin_alpha_blend();
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex3f(x, y, z);
    glVertex3f(x + width, y, z);
    glVertex3f(x + width, y + height, z);
    glVertex3f(x, y + height, z);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
}

void draw_textured_rect(const Texture* texture, float x, float y, float width, float height,
                        float z, float u0, float v0, float u1, float v1, bool blend) {
    if (!has_current_gl_context()) {
        return;
    }
    glEnable(GL_TEXTURE_2D);
    if (texture) {
        texture->bind();
    }
    if (blend) {
        begin_alpha_blend();
    }
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex3f(x, y, z);
    glTexCoord2f(u1, v0);
    glVertex3f(x + width, y, z);
    glTexCoord2f(u1, v1);
    glVertex3f(x + width, y + height, z);
    glTexCoord2f(u0, v1);
    glVertex3f(x, y + height, z);
    glEnd();
    if (blend) {
        glDisable(GL_BLEND);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
