#pragma once

#include <SDL.h>

#include "platform/window_events.h"

// Game controllers through the windowing library's controller interface (with the mapping
// database it ships), plugged in and out while the game runs. Presses reach the screens as
// window events; what is held is read when the game polls its keys.
namespace gamepads {

// The buttons the game answers, by their place on the pad (south is A on most pads).
enum Button { south, east, west, north, back, start, up, down, left, right };

// The left stick counts as pushed beyond this much of its travel (of 32767).
constexpr int kDeadZone = 12000;

// Starts the controller subsystem. False when there is none: the game runs without pads.
bool init();
void shutdown();

// Opens a controller that was plugged in, closes one that went, and turns a press (or the
// stick leaving the dead zone) into a pad_button event. False for events that are not a pad's.
bool translate(const SDL_Event& event, WindowEvents& out);

// What all open controllers hold now: the d-pad or the left stick beyond the dead zone (the
// stick by its stronger axis, so a diagonal push is one direction), and the buttons.
struct Held {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool south = false;
    bool west = false;
};
Held held();

// Controllers open now.
int open_count();

}  // namespace gamepads
