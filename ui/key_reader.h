#pragma once

#include <cstdint>
#include <string>

#include "ui/image_control.h"

class Font;
class KeyboardState;

// The name shown for a scan code (DIK numbering), or "" for a key without a name.
const char* key_name(int scan_code);

// A field that learns a playing key: a click makes it wait, and the next key message makes it
// read the lowest scan code held down from the polled keyboard (the numbering the game's
// controls use), not the message's own key code.
class KeyReader : public ImageControl {
  public:
    // `keyboard` is the polled keyboard the key is read from (none: no key is learnt).
    KeyReader(Screen* owner, const Font* font, float font_height, const Texture* image,
              KeyboardState* keyboard);

    bool mouse_move(int x, int y, int buttons) override;
    bool left_button_up(int x, int y, int buttons) override;
    bool left_button_down(int x, int y, int buttons) override;
    void key_down(int virtual_key) override;
    void draw() override;

    void set_key(int code);
    int key() const { return m_key; }
    const std::string& caption() const { return m_caption; }
    bool waiting() const { return m_state == kWaiting; }
    bool takes_keys() const override { return waiting(); }
    void set_keyboard(KeyboardState* keyboard) { m_keyboard = keyboard; }

    static constexpr int32_t kIdle = 1, kWaiting = 2;

  private:
    float m_text_x = 30.0f;
    const Font* m_font;
    std::string m_caption;
    int m_key = 0;
    float m_font_height;
    KeyboardState* m_keyboard;
};
