#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/screen.h"

class Dialog;
class Font;

// A block of text word-wrapped into lines and shown a page at a time. A carriage return ends a
// paragraph, line feeds are ignored, and every line keeps one trailing space.
class TextPanel {
  public:
    TextPanel(const Font* font, float wrap_width, float line_height, int32_t page_lines,
              int32_t step);

    // Wraps the bytes into lines, after the lines already there.
    void set_text(const char* bytes, std::size_t length);
    // The page from line `top`, the first baseline at (x, y), z 10.
    void draw(float x, float y, float r, float g, float b, float a) const;
    void scroll_up();
    void scroll_down();

    const std::vector<std::string>& lines() const { return m_lines; }
    int32_t top() const { return m_top; }
    int32_t page_lines() const { return m_page_lines; }

  private:
    float width(const std::string& text) const;

    const Font* m_font;
    std::vector<std::string> m_lines;
    float m_wrap_width;
    float m_line_height;
    int32_t m_top = 0;
    int32_t m_page_lines;
    int32_t m_step;
};

// Helpers the dialogs share.

// A dialog title or label: a black copy offset by (+2, +2), then the text in yellow, z 10.
void draw_shadowed_text(const Font* font, const char* text, float height, float x, float y);
// A dialog's drawing starts by saving the matrix and turning depth testing off: its layers are
// painted in order over everything behind it. The end restores the matrix.
void begin_dialog_drawing();
void end_dialog_drawing();
// Ends a dialog: stores the result and asks the window to close the top dialog at the next tick.
void end_dialog(Dialog& dialog, DialogResult result);
