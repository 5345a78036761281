// Drawing of the playfield: the skin's background, the lights, then the cells inside the border.
#include "gfx/gl.h"
#include "gfx/texture.h"
#include "world/playfield.h"
#include "world/world_context.h"

namespace {

// The lights are decoration: a little translucent, so they never compete with gold or guards.
constexpr float kLightAlpha = 0.8f;

}  // namespace

void Playfield::draw_lights() {
    glColor4f(1.0f, 1.0f, 1.0f, kLightAlpha);
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            Light* light = m_lights[index(c, r)].get();
            // A light stands on the floor below it; while the level is being uncovered it
            // shows only once that floor does.
            const Cell* floor = m_cells[index(c, r + 1)].get();
            if (light != nullptr && floor != nullptr && floor->sprite().m_visible) {
                light->draw();
            }
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Playfield::draw() {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    if (m_ctx.skin.background != nullptr) {
        glEnable(GL_TEXTURE_2D);
        m_ctx.skin.background->bind();
        // The picture's bottom row (v = 0) goes to the bottom of the screen.
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2f(800.0f, 0.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2f(0.0f, 600.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2f(800.0f, 600.0f);
        glEnd();
    }
    draw_lights();
    for (int r = 0; r < kGridHeight - 1; ++r) {
        for (int c = 1; c < kGridWidth - 1; ++c) {
            if (Cell* cell = m_cells[index(c, r)].get()) {
                cell->draw();
            }
        }
    }
}
