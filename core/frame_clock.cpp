#include "core/frame_clock.h"

int advance_frame_clock(std::uint32_t& clock, int frames, std::uint32_t frame_time, bool reverse,
                        std::uint32_t dt) {
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
