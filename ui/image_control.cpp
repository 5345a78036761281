#include "ui/image_control.h"

#include "gfx/draw.h"
#include "gfx/texture.h"

ImageControl::ImageControl(Screen* owner, const Texture* image, int bands, ControlPosition position,
                           float width, float height)
    : m_owner(owner),
      m_image(image),
      m_bands(bands),
      m_position(position),
      m_width(width),
      m_height(height) {
    if (m_image && m_image->width() > 0 && m_image->height() > 0) {
        m_width = static_cast<float>(m_image->width());
        m_height = static_cast<float>(m_image->height()) / static_cast<float>(m_bands);
    }
}

bool ImageControl::focus_box(float& x, float& y, float& width, float& height) const {
    if (!m_focusable || !shown() || m_width <= 0.0f || m_height <= 0.0f) {
        return false;
    }
    x = m_position.x;
    y = m_position.y;
    width = m_width;
    height = m_height;
    return true;
}

bool ImageControl::inside(int x, int y) const {
    return static_cast<int>(m_position.x) <= x && x <= static_cast<int>(m_position.x + m_width) &&
           static_cast<int>(m_position.y) <= y && y <= static_cast<int>(m_position.y + m_height);
}

void ImageControl::draw_band(bool textured) const {
    // Band 1 is the bottom band of the picture (v = 0 is its bottom row), band N the top one.
    const float top_v = static_cast<float>(m_state) / static_cast<float>(m_bands);
    const float bottom_v = static_cast<float>(m_state - 1) / static_cast<float>(m_bands);
    if (textured && m_image) {
        draw_textured_rect(m_image, m_position.x, m_position.y, m_width, m_height, 0.0f, 0.0f,
                           top_v, 1.0f, bottom_v, true);
    } else {
        draw_shade_rect(m_position.x, m_position.y, m_width, m_height, 0.0f, 1.0f, 1.0f, 1.0f,
                        1.0f);
    }
}
