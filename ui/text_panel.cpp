#include "ui/text_panel.h"

#include <algorithm>

#include "gfx/font.h"
#include "gfx/gl.h"
#include "ui/dialog.h"
#include "ui/screen_host.h"

TextPanel::TextPanel(const Font* font, float wrap_width, float line_height, int32_t page_lines,
                     int32_t step)
    : m_font(font),
      m_wrap_width(wrap_width),
      m_line_height(line_height),
      m_page_lines(page_lines),
      m_step(step) {}

float TextPanel::width(const std::string& text) const {
    return m_font ? m_font->text_width(text.c_str(), m_line_height) : 0.0f;
}

void TextPanel::set_text(const char* bytes, std::size_t length) {
    std::string text(bytes ? bytes : "", bytes ? length : 0);
    // The last paragraph ends like every other one.
    text += '\r';
    std::string word;
    std::string line;
    for (char c : text) {
        if (c == ' ' || c == '\r') {
            if (width(line) + width(word) < m_wrap_width) {
                line += word;
                line += ' ';
            } else {
                // Only a line that holds something is finished here: a word too wide for
                // any line, met at the start of a paragraph, would otherwise leave a blank
                // line above it.
                if (!line.empty()) {
                    m_lines.push_back(line);
                }
                line = word + ' ';
            }
            word.clear();
            if (c == '\r') {
                m_lines.push_back(line);
                line.clear();
            }
        } else if (c != '\n') {
            word += c;
        }
    }
}

void TextPanel::draw(float x, float y, float r, float g, float b, float a) const {
    if (!m_font) {
        return;
    }
    const int32_t count = static_cast<int32_t>(m_lines.size());
    for (int32_t i = m_top; i < count && i < m_top + m_page_lines; ++i) {
        m_font->draw_text(m_lines[static_cast<std::size_t>(i)].c_str(), m_line_height, x, y, 10.0f,
                          r, g, b, a);
        y += m_line_height;
    }
}

void TextPanel::scroll_up() {
    m_top = std::max(0, m_top - m_step);
}

void TextPanel::scroll_down() {
    const int32_t count = static_cast<int32_t>(m_lines.size());
    m_top += m_step;
    if (m_top + m_page_lines > count) {
        m_top = count - m_page_lines;
    }
    m_top = std::max(0, m_top);
}

void draw_shadowed_text(const Font* font, const char* text, float height, float x, float y) {
    if (!font) {
        return;
    }
    font->draw_text(text, height, x + 2.0f, y + 2.0f, 10.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    font->draw_text(text, height, x, y, 10.0f, 1.0f, 1.0f, 0.0f, 1.0f);
}

void end_dialog(Dialog& dialog, DialogResult result) {
    dialog.set_result(result);
    if (ScreenHost* window = dialog.host()) {
        window->close_top(false);
    }
}

void begin_dialog_drawing() {
    glPushMatrix();
    glDisable(GL_DEPTH_TEST);
}

void end_dialog_drawing() {
    glPopMatrix();
}
