#include "platform/synthetic_input.h"

#include <cstring>

#include "platform/key_translation.h"

namespace synthetic_input {

namespace {

// US layout: the character typed with Shift, and the one the same key types without it.
constexpr char kShifted[] = "~!@#$%^&*()_+{}|:\"<>?";
constexpr char kUnshifted[] = "`1234567890-=[]\\;',./";

SDL_Event key_event(bool down, SDL_Keycode sym, Uint16 mod) {
    SDL_Event e;
    SDL_zero(e);
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = static_cast<SDL_Scancode>(sdl_scancode_from_keycode(sym));
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event text_event(char c) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    e.text.text[0] = c;
    return e;
}

}  // namespace

bool key_press(int vk, std::vector<SDL_Event>& out) {
    const int sym = sdl_keycode_from_vk(vk);
    if (sym == 0 || sdl_scancode_from_keycode(sym) == SDL_SCANCODE_UNKNOWN) {
        return false;
    }
    out.push_back(key_event(true, sym, KMOD_NONE));
    out.push_back(key_event(false, sym, KMOD_NONE));
    return true;
}

void typed_text(const std::string& text, bool text_input, std::vector<SDL_Event>& out) {
    for (const char c : text) {
        SDL_Keycode sym = 0;
        bool shift = false;
        if (c >= 'A' && c <= 'Z') {
            sym = SDLK_a + (c - 'A');
            shift = true;
        } else if (const char* at = c != '\0' ? std::strchr(kShifted, c) : nullptr) {
            sym = kUnshifted[at - kShifted];
            shift = true;
        } else if (c >= 32 && c <= 126) {
            sym = c;  // lower-case letters, digits, space and the plain punctuation
        }
        if (sym == 0) {
            // Bytes of one multi-byte character arrive together, as the library sends them.
            if (text_input) {
                SDL_Event* last = out.empty() ? nullptr : &out.back();
                const size_t used = last && last->type == SDL_TEXTINPUT &&
                                            static_cast<unsigned char>(last->text.text[0]) >= 0x80
                                        ? std::strlen(last->text.text)
                                        : 0;
                if (used > 0 && used + 1 < sizeof last->text.text) {
                    last->text.text[used] = c;
                } else {
                    out.push_back(text_event(c));
                }
            }
            continue;
        }
        const Uint16 mod = shift ? KMOD_LSHIFT : KMOD_NONE;
        if (shift) {
            out.push_back(key_event(true, SDLK_LSHIFT, KMOD_LSHIFT));
        }
        out.push_back(key_event(true, sym, mod));
        if (text_input) {
            out.push_back(text_event(c));
        }
        out.push_back(key_event(false, sym, mod));
        if (shift) {
            out.push_back(key_event(false, SDLK_LSHIFT, KMOD_NONE));
        }
    }
}

SDL_Event mouse_motion(int x, int y, Uint32 buttons) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    e.motion.state = buttons;
    return e;
}

SDL_Event left_button(bool down, int x, int y) {
    SDL_Event e;
    SDL_zero(e);
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    return e;
}

}  // namespace synthetic_input
