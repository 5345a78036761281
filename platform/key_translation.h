#pragma once

#include <cstdint>

// Translation from the windowing library's key numbers into the game's numbering
// (platform/key_codes.h). Kept as plain functions so the tables can be tested without a window.

// SDL scancode -> DIK scan code, or -1 when the key has no scan code in that numbering.
int dik_from_sdl_scancode(int sdl_scancode);

// SDL keycode -> Windows virtual-key code (letters by their layout meaning, as upper-case ASCII),
// or 0 when the key is not one the game knows.
int vk_from_sdl_keycode(int sdl_keycode);

// The way back, for tools that play the program with the events a real keyboard sends.
// DIK scan code -> the SDL scancode of the key that sends it, or 0 (SDL_SCANCODE_UNKNOWN).
int sdl_scancode_from_dik(int dik);
// Windows virtual-key code -> an SDL keycode that translates back to it, or 0 when no key does.
int sdl_keycode_from_vk(int vk);
// SDL keycode -> the scancode of the key that types it on a US layout, or 0.
int sdl_scancode_from_keycode(int sdl_keycode);

// The windowing library's key state (`count` bytes indexed by SDL scancode, non-zero = down)
// as 256 DIK bytes, bit 7 set for a key that is down.
void dik_state_from_sdl(const uint8_t* sdl_keys, int count, uint8_t* state256);
