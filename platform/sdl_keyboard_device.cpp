#include "platform/sdl_keyboard_device.h"

#include <SDL.h>

#include <cstring>

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
    std::memset(state256, 0, 256);
    for (int sc = 0; sc < count; ++sc) {
        if (keys[sc]) {
            const int dik = dik_from_sdl_scancode(sc);
            if (dik >= 0 && dik < 256) {
                state256[dik] = 0x80;
            }
        }
    }
    return KeyboardState::kOk;
}
