#pragma once

// The base of every image control in menus and dialogs. A true result from a mouse operation
// claims the event for this control; the owning screen decides what that means.
class Control {
  public:
    virtual ~Control() = default;
    virtual bool mouse_move(int x, int y, int buttons) {
        (void)x, (void)y, (void)buttons;
        return false;
    }
    virtual bool left_button_up(int x, int y, int buttons) {
        (void)x, (void)y, (void)buttons;
        return false;
    }
    virtual bool right_button_up(int x, int y, int buttons) {
        (void)x, (void)y, (void)buttons;
        return false;
    }
    virtual bool left_button_down(int x, int y, int buttons) {
        (void)x, (void)y, (void)buttons;
        return false;
    }
    virtual void key_down(int virtual_key) { (void)virtual_key; }
    virtual void char_typed(int code, int repeat) { (void)code, (void)repeat; }
    virtual void tick(int elapsed_ms) { (void)elapsed_ms; }
    virtual void draw() {}
    virtual void reset() {}
    // An earlier control in the screen took the last move: the pointer is not over this one.
    virtual void pointer_elsewhere() {}
    // Where the keyboard and gamepad focus would rest on this control, in its screen's
    // coordinates; false when it takes no focus (hidden, or nothing to press).
    virtual bool focus_box(float& x, float& y, float& width, float& height) const {
        (void)x, (void)y, (void)width, (void)height;
        return false;
    }
    // The control keeps every key to itself now (text being typed, a key being waited for).
    virtual bool takes_keys() const { return false; }
};
