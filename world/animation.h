#pragma once

#include <cstdint>

#include "world/grid.h"

// The rows (groups) and columns (frames) of a picture sheet. The world counts its animations
// in these; the current skin supplies them, and without one the built-in counts stand.
struct SheetGrid {
    int groups = 1;
    int frames = 1;
};

// How a world object looks at a moment: which group and frame of its sheet shows, where, and
// how. The world advances it (a hole's stages follow its frames); the game draws from it.
struct Animation {
    Animation() = default;
    explicit Animation(const SheetGrid& grid) : m_groups(grid.groups), m_frames(grid.frames) {}

    // Moves the clock by dt, backwards when m_reverse is set; wraps at the end of the cycle.
    void advance(uint32_t dt);
    // Out-of-range values select 0.
    void set_group(int group);
    void set_frame(int frame);
    void set_size(float width, float height) {
        m_width = width;
        m_height = height;
    }
    void set_visible(bool visible) { m_visible = visible; }
    void set_frame_time(uint32_t time) { m_frame_time = time; }
    // Non-zero counts, safe to divide by.
    int groups() const { return m_groups < 1 ? 1 : m_groups; }
    int frames() const { return m_frames < 1 ? 1 : m_frames; }

    Pos m_pos;
    int m_groups = 1;
    int m_frames = 1;
    float m_width = 0.0f;
    float m_height = 0.0f;
    int m_frame = 0;
    int m_group = 0;
    bool m_visible = true;
    bool m_blend = false;
    bool m_flip = false;
    bool m_reverse = false;
    uint32_t m_clock = 0;
    uint32_t m_frame_time = 50;
};
