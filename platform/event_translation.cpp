#include "platform/event_translation.h"

#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "platform/key_translation.h"

namespace {

Uint32 g_first_user_event = 0;

int modifier_flags() {
    const SDL_Keymod mods = SDL_GetModState();
    int flags = 0;
    if (mods & KMOD_SHIFT)
        flags |= mouse_flags::shift;
    if (mods & KMOD_CTRL)
        flags |= mouse_flags::control;
    return flags;
}

int button_flags(Uint32 sdl_mask) {
    int flags = modifier_flags();
    if (sdl_mask & SDL_BUTTON_LMASK)
        flags |= mouse_flags::left;
    if (sdl_mask & SDL_BUTTON_RMASK)
        flags |= mouse_flags::right;
    if (sdl_mask & SDL_BUTTON_MMASK)
        flags |= mouse_flags::middle;
    return flags;
}

WindowEvent mouse_event(WindowEventKind kind, int x, int y, int buttons) {
    WindowEvent e;
    e.kind = kind;
    // Client coordinates travel as signed 16-bit values.
    e.x = static_cast<int16_t>(x);
    e.y = static_cast<int16_t>(y);
    e.buttons = buttons;
    return e;
}

}  // namespace

void register_user_events() {
    if (g_first_user_event == 0) {
        const Uint32 first = SDL_RegisterEvents(3);
        if (first != static_cast<Uint32>(-1)) {
            g_first_user_event = first;
        }
    }
}

Uint32 tick_event_type() {
    return g_first_user_event;
}
Uint32 close_event_type() {
    return g_first_user_event ? g_first_user_event + 1 : 0;
}
Uint32 quit_event_type() {
    return g_first_user_event ? g_first_user_event + 2 : 0;
}

void translate_event(const SDL_Event& event, WindowEvents& out) {
    WindowEvent e;
    if (g_first_user_event != 0 && event.type >= g_first_user_event &&
        event.type < g_first_user_event + 3) {
        const Uint32 index = event.type - g_first_user_event;
        e.kind = index == 0   ? WindowEventKind::tick
                 : index == 1 ? WindowEventKind::close
                              : WindowEventKind::quit;
        out.push_back(e);
        return;
    }
    if (gamepads::translate(event, out)) {
        return;
    }
    switch (event.type) {
        case SDL_QUIT:
            e.kind = WindowEventKind::close;
            out.push_back(e);
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    e.kind = WindowEventKind::close;
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    e.kind = WindowEventKind::focus_gained;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    e.kind = WindowEventKind::focus_lost;
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                    e.kind = WindowEventKind::restored;
                    break;
                default:
                    return;
            }
            out.push_back(e);
            break;
        case SDL_KEYDOWN: {
            const int vk = vk_from_sdl_keycode(event.key.keysym.sym);
            if (vk != 0) {
                e.kind = WindowEventKind::key_down;
                e.key = vk;
                e.repeat = event.key.repeat ? 1 : 0;
                out.push_back(e);
            }
            break;
        }
        case SDL_TEXTINPUT:
            // Only printable ASCII reaches the game's text fields; other bytes of UTF-8 text
            // have no glyph in the game's font.
            for (const char* p = event.text.text; *p; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                if (c >= 32 && c <= 126) {
                    WindowEvent ch;
                    ch.kind = WindowEventKind::char_typed;
                    ch.key = c;
                    ch.repeat = 1;
                    out.push_back(ch);
                }
            }
            break;
        case SDL_MOUSEMOTION:
            out.push_back(mouse_event(WindowEventKind::mouse_move, event.motion.x, event.motion.y,
                                      button_flags(event.motion.state)));
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) {
                out.push_back(mouse_event(
                    WindowEventKind::left_down, event.button.x, event.button.y,
                    button_flags(SDL_GetMouseState(nullptr, nullptr)) | mouse_flags::left));
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT) {
                const bool left = event.button.button == SDL_BUTTON_LEFT;
                int flags = button_flags(SDL_GetMouseState(nullptr, nullptr));
                flags &= ~(left ? mouse_flags::left : mouse_flags::right);
                out.push_back(
                    mouse_event(left ? WindowEventKind::left_up : WindowEventKind::right_up,
                                event.button.x, event.button.y, flags));
            }
            break;
        default:
            break;
    }
}
