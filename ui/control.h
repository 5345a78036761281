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
};
