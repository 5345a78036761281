#pragma once

// Translation from the windowing library's key numbers into the game's numbering
// (platform/key_codes.h). Kept as plain functions so the tables can be tested without a window.

// SDL scancode -> DIK scan code, or -1 when the key has no scan code in that numbering.
int dik_from_sdl_scancode(int sdl_scancode);

// SDL keycode -> Windows virtual-key code (letters by their layout meaning, as upper-case ASCII),
// or 0 when the key is not one the game knows.
int vk_from_sdl_keycode(int sdl_keycode);
