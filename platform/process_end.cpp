#include "platform/process_end.h"

#include <SDL.h>
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace platform {

namespace {

std::atomic<bool> g_quit_signal{false};

extern "C" void note_quit_signal(int) {
    g_quit_signal = true;
}

std::function<void()>& display_lost_save() {
    static std::function<void()> save;
    return save;
}

// Xlib's handler for a dead connection; Xlib exits the process if it returns, so it never does.
extern "C" int display_connection_lost(void*) {
    static bool running = false;
    if (!running && display_lost_save()) {
        running = true;
        display_lost_save()();
    }
    _exit(1);
}

}  // namespace

void end_on_signals() {
    struct sigaction action {};
    action.sa_handler = note_quit_signal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(sig, &action, nullptr);
    }
    signal(SIGPIPE, SIG_IGN);
    // The library would turn SIGINT and SIGTERM into its own quit event; ours covers all three.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
}

bool quit_signal_received() {
    return g_quit_signal;
}

bool on_display_lost(std::function<void()> save) {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || SDL_strcmp(driver, "x11") != 0) {
        return false;
    }
    // The library loads libX11 itself; take its handler setter from the copy already loaded
    // rather than linking the game against X.
    void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (!xlib) {
        return false;
    }
    using IoErrorHandler = int (*)(void*);
    using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler);
    auto set_handler = reinterpret_cast<SetIoErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
    if (!set_handler) {
        dlclose(xlib);
        return false;
    }
    display_lost_save() = std::move(save);
    set_handler(display_connection_lost);
    // The handle stays open: the handler lives as long as the library.
    return true;
}

namespace {

// The box opens a connection of its own, which a busy X server can refuse for a moment: where
// a display is named, a failed box is tried again a couple of times.
void show_box(Uint32 kind, const char* title, const char* text) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool display_named = (x11 && *x11) || (wayland && *wayland);
    for (int attempt = 0; attempt < (display_named ? 3 : 1); ++attempt) {
        if (attempt > 0) {
            SDL_Delay(200);
        }
        if (SDL_ShowSimpleMessageBox(kind, title, text, nullptr) == 0) {
            return;
        }
    }
}

}  // namespace

void show_error_box(const char* title, const char* text) {
    show_box(SDL_MESSAGEBOX_ERROR, title, text);
}

void show_message_box(const char* title, const char* text) {
    show_box(SDL_MESSAGEBOX_INFORMATION, title, text);
}

std::vector<ScreenRect> display_bounds() {
    std::vector<ScreenRect> out;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect r;
        if (SDL_GetDisplayBounds(i, &r) == 0 && r.w > 0 && r.h > 0) {
            out.push_back(ScreenRect{r.x, r.y, r.w, r.h});
        }
    }
    return out;
}

}  // namespace platform
