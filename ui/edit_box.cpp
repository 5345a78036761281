#include "ui/edit_box.h"

#include <algorithm>

#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/texture.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "storage/param_file.h"

EditBox::EditBox(Screen* owner, const Font* font, float font_height, const Texture* image)
    : ImageControl(owner, image, 2, {0.0f, 0.0f, 0.0f}, 130.0f, 60.0f),
      m_font(font),
      m_font_height(font_height),
      m_clipboard(platform::clipboard_text),
      m_vk_down(platform::is_vk_down_now) {}

bool EditBox::mouse_move(int x, int y, int) {
    return m_visible && inside(x, y);
}

bool EditBox::left_button_down(int x, int y, int) {
    if (!m_visible) {
        return false;
    }
    const bool hit = inside(x, y);
    m_state = hit ? kFocused : kIdle;
    return hit;
}

bool EditBox::left_button_up(int x, int y, int buttons) {
    return left_button_down(x, y, buttons);
}

void EditBox::tick(int elapsed_ms) {
    m_blink_elapsed += elapsed_ms;
    if (m_blink_elapsed > m_blink_period) {
        m_caret_on = !m_caret_on;
        m_blink_elapsed = 0;
    }
}

void EditBox::key_down(int virtual_key) {
    if (!m_visible || m_state != kFocused) {
        return;
    }
    const int length = static_cast<int>(m_text.size());
    // A caret beyond the text (after a shorter max_length) must not reach past its end.
    m_caret = std::min(m_caret, length);
    switch (virtual_key) {
        case vk::backspace:
            if (m_caret > 0) {
                --m_caret;
                m_text.erase(static_cast<std::size_t>(m_caret), 1);
                m_caret_on = true;
            }
            break;
        case vk::del:
            if (m_caret < length) {
                m_text.erase(static_cast<std::size_t>(m_caret), 1);
                m_caret_on = true;
            }
            break;
        case vk::home:
            if (m_caret != 0) {
                m_caret = 0;
                m_caret_on = true;
            }
            break;
        case vk::end:
            if (m_caret != length) {
                m_caret = length;
                m_caret_on = true;
            }
            break;
        case 'V':
            if (m_vk_down && m_vk_down(vk::control)) {
                paste();
            }
            break;
        case vk::insert:
            if (m_vk_down && m_vk_down(vk::shift)) {
                paste();
            }
            break;
        case vk::left:
            if (m_caret > 0) {
                --m_caret;
                m_caret_on = true;
            }
            break;
        case vk::right:
            if (m_caret < length) {
                ++m_caret;
                m_caret_on = true;
            }
            break;
        default:
            break;
    }
}

bool EditBox::accepts_digit(char digit) const {
    if (digit < '0' || digit > '9') {
        return false;
    }
    if (!m_range_check) {
        return true;
    }
    // The number the text would read with the digit at its end, wherever the caret is.
    const int candidate = ParamFile::to_int(m_text + digit);
    return candidate >= m_min_value && candidate <= m_max_value;
}

void EditBox::char_typed(int code, int) {
    if (code < 32 || code > 126 || !m_visible || m_state != kFocused) {
        return;
    }
    const char c = static_cast<char>(code);
    if (m_digits_only && !accepts_digit(c)) {
        return;
    }
    insert(std::string(1, c));
}

void EditBox::insert(const std::string& s) {
    const std::size_t at = std::min(static_cast<std::size_t>(m_caret), m_text.size());
    auto joined_with = [&](std::size_t taken) {
        std::string joined = m_text.substr(0, at) + s.substr(0, taken) + m_text.substr(at);
        if (joined.size() > kCapacity) {
            joined.resize(kCapacity);
        }
        if (joined.size() > static_cast<std::size_t>(m_max_length)) {
            joined.resize(static_cast<std::size_t>(m_max_length));
        }
        return joined;
    };
    // Wide letters reach the box's edge before the length limit: what would not fit is
    // refused (a paste keeps as much of its start as fits).
    std::size_t taken = s.size();
    std::string joined = joined_with(taken);
    while (taken > 0 && !fits(joined)) {
        --taken;
        joined = joined_with(taken);
    }
    if (taken == 0) {
        return;
    }
    m_text = std::move(joined);
    const int moved = static_cast<int>(at + taken);
    m_caret = std::min({moved, m_max_length, static_cast<int>(m_text.size())});
    m_caret_on = true;
}

bool EditBox::fits(const std::string& text) const {
    if (!m_font) {
        return true;
    }
    // The box's width from its picture even before the first frame; the text keeps the same
    // margin on the right as on the left.
    const float box =
        m_image && m_image->width() > 0 ? static_cast<float>(m_image->width()) : m_width;
    return m_text_x + m_font->text_width(text.c_str(), m_font_height) <= box - m_text_x;
}

void EditBox::paste() {
    if (!m_clipboard) {
        return;
    }
    std::string pasted = m_clipboard();
    if (pasted.empty()) {
        return;
    }
    for (char& c : pasted) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || u > 126) {
            c = ' ';
        }
    }
    insert(pasted);
}

void EditBox::set_text(const std::string& text) {
    m_text =
        text.substr(0, std::min<std::size_t>(kCapacity, static_cast<std::size_t>(m_max_length)));
    m_caret = static_cast<int>(m_text.size());
}

void EditBox::set_max_length(int n) {
    m_max_length = std::max(0, n);
}

void EditBox::set_text_colour(float r, float g, float b, float a) {
    m_text_colour[0] = r;
    m_text_colour[1] = g;
    m_text_colour[2] = b;
    m_text_colour[3] = a;
}

void EditBox::set_range(int min_value, int max_value) {
    m_min_value = min_value;
    m_max_value = max_value;
    m_range_check = true;
}

void EditBox::draw() {
    if (!m_visible) {
        return;
    }
    draw_band(m_image != nullptr);
    const float text_left = m_position.x + m_text_x;
    if (m_caret_on && m_state == kFocused) {
        const std::size_t before = std::min(static_cast<std::size_t>(m_caret), m_text.size());
        const float w =
            m_font ? m_font->text_width(m_text.substr(0, before).c_str(), m_font_height) : 0.0f;
        draw_shade_rect(text_left + w, m_position.y + 10.0f, 3.0f, m_height - 20.0f, 0.0f,
                        m_text_colour[0], m_text_colour[1], m_text_colour[2], m_text_colour[3]);
    }
    if (m_font) {
        const float baseline = m_position.y + m_height - (m_height - m_font_height) / 2.0f;
        m_font->draw_text(m_text.c_str(), m_font_height, text_left, baseline, 20.0f,
                          m_text_colour[0], m_text_colour[1], m_text_colour[2], m_text_colour[3]);
    }
}
