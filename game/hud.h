#pragma once

#include <cstdint>

class Font;

// The score line at the bottom of the play screen.
class Hud {
  public:
    void set(int32_t score, int32_t lives, int32_t level) {
        m_score = score;
        m_lives = lives;
        m_level = level;
    }
    void draw(const Font* font) const;

    int32_t score() const { return m_score; }
    int32_t lives() const { return m_lives; }
    int32_t level() const { return m_level; }

  private:
    int32_t m_score = 0;
    int32_t m_lives = 0;
    int32_t m_level = 0;
};
