#include "world/animation.h"

#include "core/frame_clock.h"

void Animation::advance(uint32_t dt) {
    m_frame = advance_frame_clock(m_clock, m_frames, m_frame_time, m_reverse, dt);
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
