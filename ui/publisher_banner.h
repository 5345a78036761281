#pragma once

class Font;

// The publisher's two lines on the main menu: they drift towards each other, flash red where
// they meet, and bounce apart. Its speeds are drawn from rand() on the first frame and each
// time a line turns back at its limit.
class PublisherBanner {
  public:
    static constexpr const char* kLineA = "Published by";
    static constexpr const char* kLineB = "Velmora";

    // One frame of movement.
    void step();
    void draw(const Font& font) const;
    // Whether any pixel drawn now may fall in the box (x, y, width, height), with a margin for
    // the scaled window's rounding.
    bool touches(const Font& font, float x, float y, float width, float height) const;

    float line_a_y() const { return m_y_a; }
    float line_b_y() const { return m_y_b; }
    float speed_a() const { return m_v_a; }
    float speed_b() const { return m_v_b; }
    float flash_alpha() const { return m_flash_alpha; }
    float flash_size() const { return m_flash_size; }
    bool flashing() const { return m_flash_alpha > 0.0f; }

  private:
    struct Line {
        const char* text;
        float size, x, y, r, g, b, a;
    };
    // The lines as drawn now, in order; returns how many.
    int lines(Line (&out)[6]) const;

    static float new_speed_a();
    static float new_speed_b();

    bool m_started = false;
    float m_y_a = 100.0f;
    float m_y_b = 480.0f;
    float m_v_a = 0.0f;
    float m_v_b = 0.0f;
    float m_flash_alpha = 0.0f;
    float m_flash_size = 40.0f;
    float m_flash_a = 0.0f;
    float m_flash_b = 0.0f;
};
