#pragma once

#include <array>
#include <cstdint>
#include <string>

class Font;

// The black dissolve between levels: the screen fills with black dots at random, after showing
// "Game Over" for a while when the game ends.
class LevelMessage {
  public:
    static constexpr int kColumns = 160;
    static constexpr int kRows = 120;
    static constexpr int kDuration = 3000;
    static constexpr float kDotSize = 5.0f;

    LevelMessage() { m_clear.fill(1); }

    // A message with text lasts 3000 ms longer; the dissolve starts after the first 3000 ms.
    void set_text(const std::string& text);
    void advance(int elapsed_ms);
    void draw(const Font* font) const;

    bool finished() const { return m_finished; }
    const std::string& text() const { return m_text; }
    int elapsed() const { return m_elapsed; }
    int duration() const { return m_duration; }
    int black_cells() const;

  private:
    void dissolve_step();

    std::string m_text;
    int m_elapsed = 0;
    int m_duration = kDuration;
    bool m_finished = false;
    std::array<uint8_t, kColumns * kRows> m_clear{};
};
