#include "game/hud.h"

#include <cstdio>

#include "gfx/font.h"

void Hud::draw(const Font* font) const {
    if (!font) {
        return;
    }
    char line[64];
    std::snprintf(line, sizeof line, "Score: %7d", m_score);
    font->draw_text(line, 24.0f, 50.0f, 580.0f, 10.0f, 0.85f, 0.93f, 0.12f, 1.0f);
    std::snprintf(line, sizeof line, "Lives: %3d", m_lives);
    font->draw_text(line, 24.0f, 350.0f, 580.0f, 10.0f, 0.8f, 0.93f, 0.17f, 1.0f);
    std::snprintf(line, sizeof line, "Level: %3d", m_level);
    font->draw_text(line, 24.0f, 600.0f, 580.0f, 10.0f, 0.8f, 0.93f, 0.17f, 1.0f);
}
