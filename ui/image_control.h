#pragma once

#include <cstdint>

#include "ui/control.h"

class Screen;
class Texture;

// Top-left corner of a control in its screen's coordinates. z is kept but drawing uses 0.
struct ControlPosition {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// What every image control shares: the screen it reports to, one texture holding all of its
// looks as equal horizontal bands, a position, a size and the band shown now (from 1).
class ImageControl : public Control {
  public:
    // The image, when it has a size, decides the control's size: its width, and the height of
    // one of its `bands` bands; otherwise `width` x `height` stays, so the control can still be
    // hit. Set here, so hit tests do not depend on whether the control was drawn yet.
    ImageControl(Screen* owner, const Texture* image, int bands, ControlPosition position,
                 float width, float height);

    void set_position(float x, float y) { m_position = {x, y, 0.0f}; }
    // Both ends inclusive.
    bool inside(int x, int y) const;

    const ControlPosition& position() const { return m_position; }
    float width() const { return m_width; }
    float height() const { return m_height; }
    int32_t state() const { return m_state; }
    const Texture* image() const { return m_image; }
    bool focus_box(float& x, float& y, float& width, float& height) const override;
    // A picture that only looks like a control (the menu's logo) takes no focus.
    void set_focusable(bool on) { m_focusable = on; }

  protected:
    // Hidden controls take no focus.
    virtual bool shown() const { return true; }
    // The band of the current state on one quad, blended. With `textured` false the quad is
    // drawn untextured (an edit box without image).
    void draw_band(bool textured) const;

    Screen* m_owner;
    const Texture* m_image;
    int m_bands;
    ControlPosition m_position;
    float m_width;
    float m_height;
    int32_t m_state = 1;
    bool m_focusable = true;
};
