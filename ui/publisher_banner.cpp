#include "ui/publisher_banner.h"

#include <cmath>
#include <cstdlib>

#include "gfx/font.h"

float PublisherBanner::new_speed_a() {
    return static_cast<float>(std::rand() % 100) / 50.0f + 0.5f;
}

float PublisherBanner::new_speed_b() {
    return -static_cast<float>(std::rand() % 100) / 50.0f + 0.5f;
}

void PublisherBanner::step() {
    if (!m_started) {
        m_started = true;
        m_v_a = new_speed_a();
        m_v_b = new_speed_b();
    }
    m_y_a += m_v_a;
    m_y_b += m_v_b;
    if (m_y_a < 100.0f) {
        m_v_a = new_speed_a();
    }
    if (m_y_b > 480.0f) {
        m_v_b = new_speed_b();
    }
    if (m_y_a + 25.0f > m_y_b) {
        // The lines meet: flash where they are and send them apart.
        m_flash_alpha = 1.0f;
        m_flash_size = 40.0f;
        m_flash_a = m_y_a;
        m_flash_b = m_y_b;
        m_v_a = -std::fabs(m_v_a);
        m_v_b = std::fabs(m_v_b);
    }
    m_flash_alpha -= 0.02f;
    m_flash_size += 0.2f;
    if (m_flash_alpha < 0.0f) {
        m_flash_alpha = 0.0f;
        m_flash_size = 40.0f;
    }
}

int PublisherBanner::lines(Line (&out)[6]) const {
    int n = 0;
    out[n++] = {kLineA, 40.0f, 422.0f, m_y_a + 2.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    out[n++] = {kLineA, 40.0f, 420.0f, m_y_a, 1.0f, 1.0f, 0.0f, 1.0f};
    out[n++] = {kLineB, 40.0f, 492.0f, m_y_b + 2.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    out[n++] = {kLineB, 40.0f, 490.0f, m_y_b, 1.0f, 1.0f, 0.0f, 1.0f};
    if (m_flash_alpha > 0.0f) {
        const float grow = m_flash_size - 40.0f;
        out[n++] = {kLineA, m_flash_size, 420.0f - grow * 5.0f, m_flash_a, 1.0f,
                    0.0f,   0.0f,         m_flash_alpha};
        out[n++] = {kLineB, m_flash_size, 490.0f - grow * 2.0f, m_flash_b, 1.0f,
                    0.0f,   0.0f,         m_flash_alpha};
    }
    return n;
}

void PublisherBanner::draw(const Font& font) const {
    Line line[6];
    const int n = lines(line);
    for (int i = 0; i < n; ++i) {
        const Line& l = line[i];
        font.draw_text(l.text, l.size, l.x, l.y, 10.0f, l.r, l.g, l.b, l.a);
    }
}

bool PublisherBanner::touches(const Font& font, float x, float y, float width, float height) const {
    const float margin = 4.0f;
    Line line[6];
    const int n = lines(line);
    for (int i = 0; i < n; ++i) {
        // A line's glyphs stand on its y, a size high, and advance text_width.
        const Line& l = line[i];
        const float left = l.x - margin, right = l.x + font.text_width(l.text, l.size) + margin;
        const float top = l.y - l.size - margin, bottom = l.y + margin;
        if (left < x + width && x < right && top < y + height && y < bottom) {
            return true;
        }
    }
    return false;
}
