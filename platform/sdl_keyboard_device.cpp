#include "platform/sdl_keyboard_device.h"

#include <SDL.h>

#include "platform/key_translation.h"

int32_t SdlKeyboardDevice::acquire() {
    return SDL_GetKeyboardFocus() ? KeyboardState::kOk : KeyboardState::kNotAcquired;
}

int32_t SdlKeyboardDevice::read_state(uint8_t* state256) {
    if (!SDL_GetKeyboardFocus()) {
        return KeyboardState::kNotAcquired;
    }
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    dik_state_from_sdl(keys, count, state256);
    return KeyboardState::kOk;
}
