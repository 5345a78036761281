#pragma once

#include <functional>
#include <vector>

// How the program ends when it is not asked to by the player: a signal from the session
// (logout, kill, Ctrl+C in a terminal) or the display going away under it.
namespace platform {

// SIGTERM, SIGINT and SIGHUP become a quit message, so the program ends through its usual
// shutdown (everything saved, the log closed). A broken pipe is ignored: a write to a display
// connection that is gone then fails instead of killing the program. Call before init().
void end_on_signals();
// True once one of those signals arrived (the message loop also hears it as a quit message).
bool quit_signal_received();

// Once the window system is up: when the connection to the X display is lost, `save` runs
// (it must not touch the window system) and the program exits with status 1. Without X (or
// when libX11 is not loaded) nothing is set up and false is returned.
bool on_display_lost(std::function<void()> save);

// A message the player must see even before the window exists (works without init()); does
// nothing where there is no display to show it on.
void show_message_box(const char* title, const char* text);
// The same for a failure that ends the program.
void show_error_box(const char* title, const char* text);

// A rectangle of the desktop in screen pixels.
struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// The bounds of every connected display; empty when the window system cannot say.
std::vector<ScreenRect> display_bounds();

}  // namespace platform
