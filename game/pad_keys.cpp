#include "game/pad_keys.h"

#include "world/game_params.h"

namespace {

void press(uint8_t* state256, int code) {
    if (code >= 0 && code < 256) {
        state256[code] |= 0x80;
    }
}

}  // namespace

void PadKeys::apply(const gamepads::Held& held, const GameParams& keys, uint8_t* state256) {
    if (held.up)
        press(state256, keys.m_up_key);
    if (held.down)
        press(state256, keys.m_down_key);
    if (held.left)
        press(state256, keys.m_left_key);
    if (held.right)
        press(state256, keys.m_right_key);
    if (held.south)
        press(state256, keys.m_fire_key);
    m_west_polls = held.west ? m_west_polls + 1 : 0;
    if (m_west_polls >= kGiveUpPolls) {
        press(state256, keys.m_die_key);
    }
}
