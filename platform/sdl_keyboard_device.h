#pragma once

#include "core/keyboard_state.h"

// The real keyboard: scan codes in DIK numbering taken from the windowing library's key state.
// Like a foreground device, it fails while the game window does not have the keyboard focus,
// so every key then reads as up.
class SdlKeyboardDevice : public KeyboardDevice {
  public:
    int32_t acquire() override;
    void unacquire() override {}
    int32_t read_state(uint8_t* state256) override;
};
