#pragma once

// A copy of part of a frame, taken from the back buffer at the window's own resolution and
// drawn back texel for pixel. What does not change from frame to frame (a playfield's
// background and its still cells) is drawn once into the copy; each frame then costs one
// opaque copy of rows in the software renderer instead of a layer of shaded pixels per
// picture. Being pixels of the window, the copy looks the same at every scale.
//
// Holds a GL texture: one context only. Without GL_ARB_texture_non_power_of_two (or a
// context) it is never usable and the caller draws as before.
class ScreenCache {
  public:
    ScreenCache() = default;
    ~ScreenCache() { release(); }
    ScreenCache(const ScreenCache&) = delete;
    ScreenCache& operator=(const ScreenCache&) = delete;

    // Whether the driver can hold a copy of any size.
    static bool supported();
    // Copies the current viewport's pixels of the back buffer. False when it could not.
    bool capture();
    // True while a copy is held whose GL texture still exists and whose viewport is today's.
    bool valid() const;
    // Draws the copy over the whole viewport: opaque, unfiltered, whatever the matrices are;
    // afterwards texturing is on and the model-view and projection matrices are as they were.
    void draw() const;
    // Forgets the copy (keeps the texture name for the next capture).
    void invalidate() { m_valid = false; }
    // Deletes the texture; a capture makes a new one.
    void release();

  private:
    unsigned m_texture = 0;
    int m_viewport[4] = {0, 0, 0, 0};
    int m_texture_width = 0;
    int m_texture_height = 0;
    bool m_valid = false;
};
