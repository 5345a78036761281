#include "platform/platform.h"

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "platform/event_translation.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "platform/process_end.h"

namespace platform {

namespace {

void push_user_event(Uint32 type) {
    if (type == 0) {
        return;
    }
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    SDL_PushEvent(&e);
}

}  // namespace

bool init() {
    // When the window system does not answer, SDL falls back to drivers that show nothing (an
    // offscreen surface): the game would run unseen. Those count only when asked for by name.
    // A busy X server can refuse a connection for a moment, so a few tries are made.
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const std::string unseen = " offscreen dummy evdev ";
    for (int attempt = 0;; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
            return false;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        if ((asked && *asked) || !driver ||
            unseen.find(" " + std::string(driver) + " ") == std::string::npos) {
            break;
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
        if (attempt == 2) {
            SDL_SetError("no window system answered (is DISPLAY or WAYLAND_DISPLAY set?)");
            return false;
        }
        SDL_Delay(200);
    }
    register_user_events();
    gamepads::init();
    return true;
}

void shutdown() {
    gamepads::shutdown();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
}

bool wait_events(WindowEvents& out) {
    SDL_Event event;
    // A signal does not wake the wait: look for one before each wait and at least every
    // tenth of a second.
    while (!quit_signal_received()) {
        if (SDL_WaitEventTimeout(&event, 100)) {
            translate_event(event, out);
            return true;
        }
    }
    out.push_back(WindowEvent{WindowEventKind::quit});
    return true;
}

void poll_events(WindowEvents& out) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        translate_event(event, out);
    }
    if (quit_signal_received()) {
        out.push_back(WindowEvent{WindowEventKind::quit});
    }
}

void post_tick() {
    push_user_event(tick_event_type());
}
void post_close() {
    push_user_event(close_event_type());
}
void post_quit() {
    push_user_event(quit_event_type());
}

bool is_vk_down_now(int vk) {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    if (!keys) {
        return false;
    }
    switch (vk) {
        case vk::f4:
            return keys[SDL_SCANCODE_F4] != 0;
        case vk::f5:
            return keys[SDL_SCANCODE_F5] != 0;
        case vk::control:
            return keys[SDL_SCANCODE_LCTRL] || keys[SDL_SCANCODE_RCTRL];
        case vk::shift:
            return keys[SDL_SCANCODE_LSHIFT] || keys[SDL_SCANCODE_RSHIFT];
        default:
            return false;
    }
}

void cursor_position(int& x, int& y) {
    SDL_GetGlobalMouseState(&x, &y);
}

void desktop_size(int& width, int& height) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        width = mode.w;
        height = mode.h;
    } else {
        width = 800;
        height = 600;
    }
}

std::string clipboard_text() {
    if (!SDL_HasClipboardText()) {
        return std::string();
    }
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

}  // namespace platform
