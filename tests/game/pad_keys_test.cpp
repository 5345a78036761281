// A gamepad as the player's bound keys in the polled key state.

#include <gtest/gtest.h>

#include <cstdint>

#include "game/pad_keys.h"
#include "world/game_params.h"

namespace {

TEST(PadKeys, DirectionsAndDigPressTheBoundKeysAndGivingUpWantsAHeldButton) {
    GameParams keys;
    keys.m_left_key = 30;
    keys.m_fire_key = 44;
    keys.m_die_key = 37;
    PadKeys pad;
    gamepads::Held held;
    held.left = true;
    held.south = true;
    uint8_t state[256] = {};
    pad.apply(held, keys, state);
    EXPECT_EQ(state[30], 0x80);
    EXPECT_EQ(state[44], 0x80);
    EXPECT_EQ(state[keys.m_right_key], 0);

    // West pressed briefly, let go, then held: the life goes only after the full moment.
    held = gamepads::Held();
    held.west = true;
    for (int i = 0; i < PadKeys::kGiveUpPolls - 1; ++i) {
        uint8_t s[256] = {};
        pad.apply(held, keys, s);
        EXPECT_EQ(s[37], 0) << i;
    }
    uint8_t released[256] = {};
    pad.apply(gamepads::Held(), keys, released);
    int polls = 0;
    for (uint8_t s[256] = {}; s[37] == 0; ++polls) {
        pad.apply(held, keys, s);
    }
    EXPECT_EQ(polls, PadKeys::kGiveUpPolls);
}

}  // namespace
