#include "platform/key_translation.h"

#include <SDL.h>

#include <cstring>

namespace {

struct ScanPair {
    SDL_Scancode sdl;
    int dik;
};

// Every key that has a name in the options dialog, plus the keys the game itself polls.
constexpr ScanPair kScanTable[] = {
    {SDL_SCANCODE_ESCAPE, 1},
    {SDL_SCANCODE_1, 2},
    {SDL_SCANCODE_2, 3},
    {SDL_SCANCODE_3, 4},
    {SDL_SCANCODE_4, 5},
    {SDL_SCANCODE_5, 6},
    {SDL_SCANCODE_6, 7},
    {SDL_SCANCODE_7, 8},
    {SDL_SCANCODE_8, 9},
    {SDL_SCANCODE_9, 10},
    {SDL_SCANCODE_0, 11},
    {SDL_SCANCODE_MINUS, 12},
    {SDL_SCANCODE_EQUALS, 13},
    {SDL_SCANCODE_BACKSPACE, 14},
    {SDL_SCANCODE_TAB, 15},
    {SDL_SCANCODE_Q, 16},
    {SDL_SCANCODE_W, 17},
    {SDL_SCANCODE_E, 18},
    {SDL_SCANCODE_R, 19},
    {SDL_SCANCODE_T, 20},
    {SDL_SCANCODE_Y, 21},
    {SDL_SCANCODE_U, 22},
    {SDL_SCANCODE_I, 23},
    {SDL_SCANCODE_O, 24},
    {SDL_SCANCODE_P, 25},
    {SDL_SCANCODE_LEFTBRACKET, 26},
    {SDL_SCANCODE_RIGHTBRACKET, 27},
    {SDL_SCANCODE_RETURN, 28},
    {SDL_SCANCODE_LCTRL, 29},
    {SDL_SCANCODE_A, 30},
    {SDL_SCANCODE_S, 31},
    {SDL_SCANCODE_D, 32},
    {SDL_SCANCODE_F, 33},
    {SDL_SCANCODE_G, 34},
    {SDL_SCANCODE_H, 35},
    {SDL_SCANCODE_J, 36},
    {SDL_SCANCODE_K, 37},
    {SDL_SCANCODE_L, 38},
    {SDL_SCANCODE_SEMICOLON, 39},
    {SDL_SCANCODE_APOSTROPHE, 40},
    {SDL_SCANCODE_GRAVE, 41},
    {SDL_SCANCODE_LSHIFT, 42},
    {SDL_SCANCODE_BACKSLASH, 43},
    {SDL_SCANCODE_Z, 44},
    {SDL_SCANCODE_X, 45},
    {SDL_SCANCODE_C, 46},
    {SDL_SCANCODE_V, 47},
    {SDL_SCANCODE_B, 48},
    {SDL_SCANCODE_N, 49},
    {SDL_SCANCODE_M, 50},
    {SDL_SCANCODE_COMMA, 51},
    {SDL_SCANCODE_PERIOD, 52},
    {SDL_SCANCODE_SLASH, 53},
    {SDL_SCANCODE_RSHIFT, 54},
    {SDL_SCANCODE_KP_MULTIPLY, 55},
    {SDL_SCANCODE_LALT, 56},
    {SDL_SCANCODE_SPACE, 57},
    {SDL_SCANCODE_CAPSLOCK, 58},
    {SDL_SCANCODE_F1, 59},
    {SDL_SCANCODE_F2, 60},
    {SDL_SCANCODE_F3, 61},
    {SDL_SCANCODE_F4, 62},
    {SDL_SCANCODE_F5, 63},
    {SDL_SCANCODE_F6, 64},
    {SDL_SCANCODE_F7, 65},
    {SDL_SCANCODE_F8, 66},
    {SDL_SCANCODE_F9, 67},
    {SDL_SCANCODE_F10, 68},
    {SDL_SCANCODE_NUMLOCKCLEAR, 69},
    {SDL_SCANCODE_SCROLLLOCK, 70},
    {SDL_SCANCODE_KP_7, 71},
    {SDL_SCANCODE_KP_8, 72},
    {SDL_SCANCODE_KP_9, 73},
    {SDL_SCANCODE_KP_MINUS, 74},
    {SDL_SCANCODE_KP_4, 75},
    {SDL_SCANCODE_KP_5, 76},
    {SDL_SCANCODE_KP_6, 77},
    {SDL_SCANCODE_KP_PLUS, 78},
    {SDL_SCANCODE_KP_1, 79},
    {SDL_SCANCODE_KP_2, 80},
    {SDL_SCANCODE_KP_3, 81},
    {SDL_SCANCODE_KP_0, 82},
    {SDL_SCANCODE_KP_PERIOD, 83},
    {SDL_SCANCODE_NONUSBACKSLASH, 86},
    {SDL_SCANCODE_F11, 87},
    {SDL_SCANCODE_F12, 88},
    {SDL_SCANCODE_F13, 100},
    {SDL_SCANCODE_F14, 101},
    {SDL_SCANCODE_F15, 102},
    {SDL_SCANCODE_INTERNATIONAL2, 112},
    {SDL_SCANCODE_INTERNATIONAL1, 115},
    {SDL_SCANCODE_INTERNATIONAL4, 121},
    {SDL_SCANCODE_INTERNATIONAL5, 123},
    {SDL_SCANCODE_INTERNATIONAL3, 125},
    {SDL_SCANCODE_KP_EQUALS, 141},
    {SDL_SCANCODE_AUDIOPREV, 144},
    {SDL_SCANCODE_AUDIONEXT, 153},
    {SDL_SCANCODE_KP_ENTER, 156},
    {SDL_SCANCODE_RCTRL, 157},
    {SDL_SCANCODE_MUTE, 160},
    {SDL_SCANCODE_CALCULATOR, 161},
    {SDL_SCANCODE_AUDIOPLAY, 162},
    {SDL_SCANCODE_AUDIOSTOP, 164},
    {SDL_SCANCODE_VOLUMEDOWN, 174},
    {SDL_SCANCODE_VOLUMEUP, 176},
    {SDL_SCANCODE_AC_HOME, 178},
    {SDL_SCANCODE_KP_COMMA, 179},
    {SDL_SCANCODE_KP_DIVIDE, 181},
    {SDL_SCANCODE_SYSREQ, 183},
    {SDL_SCANCODE_PRINTSCREEN, 183},
    {SDL_SCANCODE_RALT, 184},
    {SDL_SCANCODE_PAUSE, 197},
    {SDL_SCANCODE_HOME, 199},
    {SDL_SCANCODE_UP, 200},
    {SDL_SCANCODE_PAGEUP, 201},
    {SDL_SCANCODE_LEFT, 203},
    {SDL_SCANCODE_RIGHT, 205},
    {SDL_SCANCODE_END, 207},
    {SDL_SCANCODE_DOWN, 208},
    {SDL_SCANCODE_PAGEDOWN, 209},
    {SDL_SCANCODE_INSERT, 210},
    {SDL_SCANCODE_DELETE, 211},
    {SDL_SCANCODE_LGUI, 219},
    {SDL_SCANCODE_RGUI, 220},
    {SDL_SCANCODE_APPLICATION, 221},
    {SDL_SCANCODE_POWER, 222},
    {SDL_SCANCODE_SLEEP, 223},
    {SDL_SCANCODE_AC_SEARCH, 229},
    {SDL_SCANCODE_AC_BOOKMARKS, 230},
    {SDL_SCANCODE_AC_REFRESH, 231},
    {SDL_SCANCODE_AC_STOP, 232},
    {SDL_SCANCODE_AC_FORWARD, 233},
    {SDL_SCANCODE_AC_BACK, 234},
    {SDL_SCANCODE_COMPUTER, 235},
    {SDL_SCANCODE_MAIL, 236},
    {SDL_SCANCODE_MEDIASELECT, 237},
};

struct KeyPair {
    SDL_Keycode sdl;
    int vk;
};

constexpr KeyPair kKeyTable[] = {
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},
    {SDLK_RETURN, 13},        {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},        {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},          {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},        {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},
    {SDLK_PRINTSCREEN, 44},   {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},        {SDLK_KP_0, 96},
    {SDLK_KP_1, 97},          {SDLK_KP_2, 98},
    {SDLK_KP_3, 99},          {SDLK_KP_4, 100},
    {SDLK_KP_5, 101},         {SDLK_KP_6, 102},
    {SDLK_KP_7, 103},         {SDLK_KP_8, 104},
    {SDLK_KP_9, 105},         {SDLK_KP_MULTIPLY, 106},
    {SDLK_KP_PLUS, 107},      {SDLK_KP_MINUS, 109},
    {SDLK_KP_PERIOD, 110},    {SDLK_KP_DIVIDE, 111},
    {SDLK_F1, 112},           {SDLK_F2, 113},
    {SDLK_F3, 114},           {SDLK_F4, 115},
    {SDLK_F5, 116},           {SDLK_F6, 117},
    {SDLK_F7, 118},           {SDLK_F8, 119},
    {SDLK_F9, 120},           {SDLK_F10, 121},
    {SDLK_F11, 122},          {SDLK_F12, 123},
    {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145},
    {SDLK_SEMICOLON, 186},    {SDLK_EQUALS, 187},
    {SDLK_COMMA, 188},        {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},       {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192},    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},    {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

// Keycodes that stand for a character: where that character sits on a US keyboard.
constexpr struct {
    SDL_Keycode sdl;
    SDL_Scancode scancode;
} kCharacterKeys[] = {
    {SDLK_RETURN, SDL_SCANCODE_RETURN},
    {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE},
    {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE},
    {SDLK_TAB, SDL_SCANCODE_TAB},
    {SDLK_SPACE, SDL_SCANCODE_SPACE},
    {SDLK_MINUS, SDL_SCANCODE_MINUS},
    {SDLK_EQUALS, SDL_SCANCODE_EQUALS},
    {SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET},
    {SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET},
    {SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH},
    {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON},
    {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE},
    {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE},
    {SDLK_COMMA, SDL_SCANCODE_COMMA},
    {SDLK_PERIOD, SDL_SCANCODE_PERIOD},
    {SDLK_SLASH, SDL_SCANCODE_SLASH},
    {SDLK_DELETE, SDL_SCANCODE_DELETE},
};

}  // namespace

int dik_from_sdl_scancode(int sdl_scancode) {
    for (const ScanPair& p : kScanTable) {
        if (p.sdl == sdl_scancode) {
            return p.dik;
        }
    }
    return -1;
}

int vk_from_sdl_keycode(int sdl_keycode) {
    if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) {
        return 'A' + (sdl_keycode - SDLK_a);
    }
    if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) {
        return '0' + (sdl_keycode - SDLK_0);
    }
    for (const KeyPair& p : kKeyTable) {
        if (p.sdl == sdl_keycode) {
            return p.vk;
        }
    }
    return 0;
}

int sdl_scancode_from_dik(int dik) {
    for (const ScanPair& p : kScanTable) {
        if (p.dik == dik) {
            return p.sdl;
        }
    }
    return SDL_SCANCODE_UNKNOWN;
}

int sdl_keycode_from_vk(int vk) {
    if (vk >= 'A' && vk <= 'Z') {
        return SDLK_a + (vk - 'A');
    }
    if (vk >= '0' && vk <= '9') {
        return SDLK_0 + (vk - '0');
    }
    for (const KeyPair& p : kKeyTable) {
        if (p.vk == vk) {
            return p.sdl;
        }
    }
    return 0;
}

int sdl_scancode_from_keycode(int sdl_keycode) {
    // Keys without a character carry their scancode in the keycode.
    if (sdl_keycode & SDLK_SCANCODE_MASK) {
        const int scancode = sdl_keycode & ~SDLK_SCANCODE_MASK;
        return scancode < SDL_NUM_SCANCODES ? scancode : SDL_SCANCODE_UNKNOWN;
    }
    if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) {
        return SDL_SCANCODE_A + (sdl_keycode - SDLK_a);
    }
    if (sdl_keycode >= SDLK_1 && sdl_keycode <= SDLK_9) {
        return SDL_SCANCODE_1 + (sdl_keycode - SDLK_1);
    }
    if (sdl_keycode == SDLK_0) {
        return SDL_SCANCODE_0;
    }
    for (const auto& p : kCharacterKeys) {
        if (p.sdl == sdl_keycode) {
            return p.scancode;
        }
    }
    return SDL_SCANCODE_UNKNOWN;
}

void dik_state_from_sdl(const uint8_t* sdl_keys, int count, uint8_t* state256) {
    std::memset(state256, 0, 256);
    for (int sc = 0; sc < count; ++sc) {
        if (sdl_keys[sc]) {
            const int dik = dik_from_sdl_scancode(sc);
            if (dik >= 0 && dik < 256) {
                state256[dik] = 0x80;
            }
        }
    }
}
