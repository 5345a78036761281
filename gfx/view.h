#pragma once

// The logical screen every picture is drawn on: 800 x 600 units, origin top-left, y downwards,
// depth -50..50 used only to order layers; plus the playfield transform.
struct View {
    int m_screen_width = 800;
    int m_screen_height = 600;
    float m_pos_x = 0.0f;
    float m_pos_y = 0.0f;
    float m_pos_z = 0.0f;
    float m_scale = 1.0f;
    float m_rot_z = 0.0f;  // degrees about z

    // Frame start of the full screens: maps the logical screen onto the drawable (in pixels),
    // scaled by one factor and centred, and
    // sets the render state the primitives rely on. Leaves the model-view matrix current
    // without resetting it.
    void setup_ortho(int client_width, int client_height) const;
    // Frame start of the play screen: setup_ortho, then a black clear of colour and depth,
    // alpha test off, depth test on.
    void begin_play_frame(int client_width, int client_height) const;
    // Multiplies the playfield transform onto the model-view matrix: translate, scale, rotate.
    void apply_view() const;
};
