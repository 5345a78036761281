#include "ui/key_reader.h"

#include "core/keyboard_state.h"
#include "gfx/font.h"

namespace {

struct KeyName {
    int code;
    const char* name;
};

// Every named scan code; the rest have no name and show nothing.
constexpr KeyName kKeyNames[] = {
    {2, "1"},
    {3, "2"},
    {4, "3"},
    {5, "4"},
    {6, "5"},
    {7, "6"},
    {8, "7"},
    {9, "8"},
    {10, "9"},
    {11, "0"},
    {12, "-"},
    {13, "="},
    {14, "BACKSPACE"},
    {15, "TAB"},
    {16, "Q"},
    {17, "W"},
    {18, "E"},
    {19, "R"},
    {20, "T"},
    {21, "Y"},
    {22, "U"},
    {23, "I"},
    {24, "O"},
    {25, "P"},
    {26, "["},
    {27, "]"},
    {29, "LEFT CTRL"},
    {30, "A"},
    {31, "S"},
    {32, "D"},
    {33, "F"},
    {34, "G"},
    {35, "H"},
    {36, "J"},
    {37, "K"},
    {38, "L"},
    {39, ";"},
    {40, "'"},
    {41, "`"},
    {42, "LEFT SHIFT"},
    {43, "\\"},
    {44, "Z"},
    {45, "X"},
    {46, "C"},
    {47, "V"},
    {48, "B"},
    {49, "N"},
    {50, "M"},
    {51, ","},
    {52, "."},
    {53, "/"},
    {54, "RIGHT SHIFT"},
    {55, "NUMPAD *"},
    {56, "LEFT ALT"},
    {57, "SPACE"},
    {58, "CAPSLOCK"},
    {59, "F1"},
    {60, "F2"},
    {61, "F3"},
    {62, "F4"},
    {63, "F5"},
    {64, "F6"},
    {65, "F7"},
    {66, "F8"},
    {67, "F9"},
    {68, "F10"},
    {69, "NUMLOCK"},
    {71, "NUMPAD7"},
    {72, "NUMPAD8"},
    {73, "NUMPAD9"},
    {74, "NUMPAD MINUS"},
    {75, "NUMPAD4"},
    {76, "NUMPAD5"},
    {77, "NUMPAD6"},
    {78, "NUMPAD +"},
    {79, "NUMPAD1"},
    {80, "NUMPAD2"},
    {81, "NUMPAD3"},
    {82, "NUMPAD0"},
    {83, "NUMPAD ."},
    {87, "F11"},
    {88, "F12"},
    {100, "F13"},
    {101, "F14"},
    {102, "F15"},
    {141, "NUMPAD EQUALS"},
    {157, "RIGHT CTRL"},
    {179, "NUMPAD ,"},
    {181, "NUMPAD /"},
    {184, "RIGHT ALT"},
    {197, "PAUSE"},
    {199, "HOME"},
    {200, "UP ARROW"},
    {201, "PAGE UP"},
    {203, "LEFT ARROW"},
    {205, "RIGHT ARROW"},
    {207, "END"},
    {208, "DOWN ARROW"},
    {209, "PAGE DOWN"},
    {210, "INSERT"},
    {211, "DELETE"},
    {221, "Application"},
};

}  // namespace

const char* key_name(int code) {
    for (const KeyName& k : kKeyNames) {
        if (k.code == code) {
            return k.name;
        }
    }
    return "";
}

KeyReader::KeyReader(Screen* owner, const Font* font, float font_height, const Texture* image,
                     KeyboardState* keyboard)
    : ImageControl(owner, image, 2, {0.0f, 0.0f, 0.0f}, 130.0f, 60.0f),
      m_font(font),
      m_font_height(font_height),
      m_keyboard(keyboard) {}

bool KeyReader::mouse_move(int x, int y, int) {
    return inside(x, y);
}

bool KeyReader::left_button_up(int x, int y, int) {
    return inside(x, y);
}

bool KeyReader::left_button_down(int x, int y, int) {
    const bool hit = inside(x, y);
    m_state = hit ? kWaiting : kIdle;
    return hit;
}

void KeyReader::key_down(int) {
    if (m_state == kWaiting) {
        int code = -1;
        if (m_keyboard) {
            m_keyboard->poll();
            code = m_keyboard->first_down();
        }
        // A failed poll reads no key: the old one stays.
        set_key(code >= 0 ? code : m_key);
    }
    m_state = kIdle;
}

void KeyReader::set_key(int code) {
    m_key = code;
    m_caption = key_name(code);
}

void KeyReader::draw() {
    draw_band(true);
    if (m_font) {
        const float baseline = m_position.y + m_height - (m_height - m_font_height) / 2.0f;
        m_font->draw_text(m_caption.c_str(), m_font_height, m_position.x + m_text_x, baseline,
                          20.0f, 0.0f, 0.0f, 0.0f, 1.0f);
    }
}
