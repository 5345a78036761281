#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/image_control.h"

class Font;

// A one-line text field with two looks: idle and focused. A click inside gives it the focus,
// a click anywhere else takes it away; only a focused box takes keys and characters.
class EditBox : public ImageControl {
  public:
    static constexpr std::size_t kCapacity = 1023;  // longest text kept, whatever max_length says

    // `image` may be null: the box is then an untextured band.
    EditBox(Screen* owner, const Font* font, float font_height, const Texture* image);

    bool mouse_move(int x, int y, int buttons) override;
    bool left_button_up(int x, int y, int buttons) override;
    bool left_button_down(int x, int y, int buttons) override;
    void key_down(int virtual_key) override;
    void char_typed(int code, int repeat) override;
    void tick(int elapsed_ms) override;
    void draw() override;

    void set_text(const std::string& text);
    const std::string& text() const { return m_text; }
    void set_max_length(int n);
    void set_text_x(float x) { m_text_x = x; }
    void set_text_colour(float r, float g, float b, float a);
    void set_digits_only(bool on) { m_digits_only = on; }
    void set_range(int min_value, int max_value);
    void set_visible(bool on) { m_visible = on; }
    bool takes_keys() const override { return focused(); }
    void set_position(float x, float y, float z) { m_position = {x, y, z}; }
    using ImageControl::set_position;

    int caret() const { return m_caret; }
    bool caret_on() const { return m_caret_on; }
    bool focused() const { return m_state == kFocused; }
    int max_length() const { return m_max_length; }

    // Where paste and the modifier keys come from; the platform's by default.
    void set_clipboard_source(std::function<std::string()> source) {
        m_clipboard = std::move(source);
    }
    void set_key_query(std::function<bool(int)> is_down) { m_vk_down = std::move(is_down); }

    static constexpr int32_t kIdle = 1, kFocused = 2;

  protected:
    bool shown() const override { return m_visible; }

  private:
    // Inserts at the caret, keeping at most max_length characters and what fits the box.
    void insert(const std::string& s);
    void paste();
    // The text drawn in the box stays inside it.
    bool fits(const std::string& text) const;
    bool accepts_digit(char digit) const;

    float m_text_x = 7.0f;
    float m_text_colour[4] = {1.0f, 1.0f, 0.0f, 1.0f};
    const Font* m_font;
    float m_font_height;
    std::string m_text;
    int m_max_length = 10;
    bool m_visible = true;
    bool m_digits_only = false;
    bool m_range_check = false;
    int m_min_value = 0;
    int m_max_value = 0;
    bool m_caret_on = false;
    int m_blink_period = 500;
    int m_blink_elapsed = 0;
    int m_caret = 0;
    std::function<std::string()> m_clipboard;
    std::function<bool(int)> m_vk_down;
};
