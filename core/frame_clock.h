#pragma once

#include <cstdint>

// The clock of a looping run of frames, shared by the pictures' sprites and the world's
// animations, so a hole's stages keep in step with the frames the brick sheet shows.
// Moves `clock` by dt (backwards when `reverse` is set), wrapping at the end of the cycle of
// `frames` frames of `frame_time` ms each, and returns the frame the clock is now in. With no
// frames or no time per frame there is nothing to animate: frame 0, clock untouched.
int advance_frame_clock(std::uint32_t& clock, int frames, std::uint32_t frame_time, bool reverse,
                        std::uint32_t dt);
