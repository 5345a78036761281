#include "world/animation.h"

void Animation::advance(uint32_t dt) {
    const uint32_t d = m_frame_time;
    const uint32_t cycle = d * static_cast<uint32_t>(m_frames);
    if (d == 0 || m_frames <= 0) {
        m_frame = 0;  // no time per frame: nothing to animate
        return;
    }
    if (!m_reverse) {
        m_clock += dt;
    } else if (dt < m_clock) {
        m_clock -= dt;
    } else {
        // Stepping back past the cycle's start; a step longer than the cycle wraps as often as
        // it needs to.
        m_clock = cycle - (dt <= cycle ? dt : dt % cycle);
    }
    m_frame = static_cast<int>(m_clock / d);
    if (m_frame >= m_frames) {
        m_frame = 0;
        m_clock -= cycle;
        // Only a step longer than a whole cycle gets here still outside it.
        m_clock %= cycle;
    }
}

void Animation::set_group(int group) {
    m_group = group >= 0 && group < m_groups ? group : 0;
}

void Animation::set_frame(int frame) {
    if (frame >= 0 && frame < m_frames) {
        m_frame = frame;
        m_clock = static_cast<uint32_t>(frame) * m_frame_time;
    } else {
        m_frame = 0;
        m_clock = 0;
    }
}
