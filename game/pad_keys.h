#pragma once

#include <cstdint>

#include "platform/gamepads.h"

class GameParams;

// A gamepad as the runner's own keys: what the pads hold becomes the player's bound scan codes
// in the polled key state, so the world reads a pad exactly as it reads the keyboard. The
// give-up button must be held for a moment, so a brush of it never costs a life.
class PadKeys {
  public:
    // Polls (ticks) the west button must be held before it gives up the life: 450 ms.
    static constexpr int kGiveUpPolls = 15;

    void apply(const gamepads::Held& held, const GameParams& keys, uint8_t* state256);

  private:
    int m_west_polls = 0;
};
