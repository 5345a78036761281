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

void PublisherBanner::draw(const Font& font) const {
    font.draw_text(kLineA, 40.0f, 422.0f, m_y_a + 2.0f, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    font.draw_text(kLineA, 40.0f, 420.0f, m_y_a, 10.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    font.draw_text(kLineB, 40.0f, 492.0f, m_y_b + 2.0f, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    font.draw_text(kLineB, 40.0f, 490.0f, m_y_b, 10.0f, 1.0f, 1.0f, 0.0f, 1.0f);
    if (m_flash_alpha > 0.0f) {
        const float grow = m_flash_size - 40.0f;
        font.draw_text(kLineA, m_flash_size, 420.0f - grow * 5.0f, m_flash_a, 10.0f, 1.0f, 0.0f,
                       0.0f, m_flash_alpha);
        font.draw_text(kLineB, m_flash_size, 490.0f - grow * 2.0f, m_flash_b, 10.0f, 1.0f, 0.0f,
                       0.0f, m_flash_alpha);
    }
}
