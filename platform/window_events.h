#pragma once

#include <vector>

// Window messages in the game's own terms, whatever windowing library delivered them.
enum class WindowEventKind {
    none,
    tick,        // the periodic 30 ms timer
    close,       // a close request (window close button, Alt+F4, the game's own quit)
    quit,        // ends the message loop
    key_down,    // key = Windows virtual-key code
    char_typed,  // key = character code (printable ASCII), repeat = repeat count
    mouse_move,  // x, y in client pixels, buttons = mouse_flags
    left_down,
    left_up,
    right_up,
    focus_gained,  // the window became the active one
    focus_lost,
    restored,    // the window came back from being minimised
    pad_button,  // key = gamepads::Button pressed on a game controller
};

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::none;
    int key = 0;
    int repeat = 0;
    int x = 0;
    int y = 0;
    int buttons = 0;
};

using WindowEvents = std::vector<WindowEvent>;
