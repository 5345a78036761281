#include "game/level_message.h"

#include <cstdlib>

#include "gfx/font.h"
#include "gfx/gl.h"

void LevelMessage::set_text(const std::string& text) {
    m_text = text;
    m_duration += kDuration;
}

void LevelMessage::advance(int elapsed_ms) {
    m_elapsed += elapsed_ms;
    if (m_elapsed > m_duration) {
        m_finished = true;
    }
    if (m_text.empty() || m_elapsed > kDuration) {
        dissolve_step();
    }
}

void LevelMessage::dissolve_step() {
    for (uint8_t& cell : m_clear) {
        if (cell && std::rand() % 9 == 0) {
            cell = 0;
        }
    }
}

int LevelMessage::black_cells() const {
    int n = 0;
    for (uint8_t cell : m_clear)
        n += cell == 0;
    return n;
}

void LevelMessage::draw(const Font* font) const {
    if (font && !m_text.empty()) {
        font->draw_text(m_text.c_str(), 50.0f, 270.0f, 270.0f, 10.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    glDisable(GL_TEXTURE_2D);
    glPointSize(kDotSize);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_POINTS);
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            if (!m_clear[c * kRows + r]) {
                glVertex3f(c * kDotSize + 2.5f, r * kDotSize + 2.5f, 2.0f);
            }
        }
    }
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glPointSize(1.0f);
}
