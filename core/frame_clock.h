#pragma once

#include <cstdint>

// The clock of a looping run of frames, shared by the pictures' sprites and the world's
// animations, so a hole's stages keep in step with the frames the brick sheet shows.
// Moves `clock` by dt (backwards when `reverse` is set), wrapping at the end of the cycle of
// `frames` frames of `frame_time` ms each, and returns the frame the clock is now in. With no
// frames or no time per frame there is nothing to animate: frame 0, clock untouched.
// Inline: every cell and light of the playfield steps its animation each tick, and a call into
// another library for each cost the world's tick about 2% more instructions.
inline int advance_frame_clock(std::uint32_t& clock, int frames, std::uint32_t frame_time,
                               bool reverse, std::uint32_t dt) {
    const std::uint32_t d = frame_time;
    const std::uint32_t cycle = d * static_cast<std::uint32_t>(frames);
    if (d == 0 || frames <= 0) {
        return 0;
    }
    if (!reverse) {
        clock += dt;
    } else if (dt < clock) {
        clock -= dt;
    } else {
        // Stepping back past the cycle's start; a step longer than the cycle wraps as often as
        // it needs to.
        clock = cycle - (dt <= cycle ? dt : dt % cycle);
    }
    int frame = static_cast<int>(clock / d);
    if (frame >= frames) {
        frame = 0;
        clock -= cycle;
        // Only a step longer than a whole cycle gets here still outside it.
        clock %= cycle;
    }
    return frame;
}
