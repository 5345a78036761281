#pragma once

#include <SDL.h>

#include <string>
#include <vector>

// The SDL events a real keyboard and mouse send, built for tools that play the program: pushed
// onto the event queue, they take the same way through translation as the player's own input.
namespace synthetic_input {

// One press and release of the key that sends window key `vk`: a key down and a key up with
// its keycode and scancode. False (nothing added) when no key sends that code.
bool key_press(int vk, std::vector<SDL_Event>& out);

// Typing `text` on a US keyboard: for each character the key down (Shift held around it when
// the character needs it), the character as text input when `text_input` is on (as the
// library sends it while text input is enabled), then the key up. Bytes that no key types
// (those of non-ASCII characters) are sent as text input alone.
void typed_text(const std::string& text, bool text_input, std::vector<SDL_Event>& out);

// The pointer moved to `x`, `y` (window pixels) with `buttons` (SDL button mask) held.
SDL_Event mouse_motion(int x, int y, Uint32 buttons);
// The left button went down or up at `x`, `y`.
SDL_Event left_button(bool down, int x, int y);

}  // namespace synthetic_input
