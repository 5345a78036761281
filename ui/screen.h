#pragma once

#include <cstdint>
#include <vector>

class Control;
class ScreenHost;

// How a dialog ended: accepted or simply closed (OK, Close, Enter), or cancelled (Cancel,
// Escape). The numbers are the ones the dialogs have always used.
enum class DialogResult : int32_t { accepted = 0, cancelled = 1 };

// A window pixel of `host`'s window on the virtual screen of this size, truncated; left as it
// is without a host (or before the virtual size is known), since there is nothing to scale then.
void window_to_virtual(const ScreenHost* host, int x, int y, int virtual_width, int virtual_height,
                       int& vx, int& vy);

// Everything the player sees is a screen: the intro, the main menu, the play screen and every
// dialog. The window forwards each tick and each input message to exactly one of them, and a
// screen passes them on to its controls in the order they were added.
class Screen {
  public:
    Screen() = default;
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void tick(int elapsed_ms);
    // What moves on screen by itself (the publisher banner) moves here, once per frame: every
    // screen and dialog on view gets it, with the input or not, just before it is drawn.
    // Drawing changes no state.
    virtual void animate(int elapsed_ms) { (void)elapsed_ms; }
    virtual void draw();
    virtual void activate();
    // No longer drawn: another screen was pushed over this one, or it was closed. What it
    // keeps only to draw faster (copies of the screen) may go; its next frame makes it again.
    virtual void on_hidden() {}
    virtual void key_down(int virtual_key);
    virtual void char_typed(int code, int repeat);
    virtual void mouse_move(int x, int y, int buttons);
    virtual void left_button_up(int x, int y, int buttons);
    virtual void left_button_down(int x, int y, int buttons);
    virtual void right_button_up(int x, int y, int buttons);
    // A control was clicked.
    virtual void on_control(Control* control);
    // A dialog this screen opened has closed; the receiver owns it from now on.
    virtual void on_dialog_closed(DialogResult result, Screen* dialog);
    // The desktop asked to close the program (Alt+F4).
    virtual void on_close_request();
    // A gamepad button (gamepads::Button). In menus and dialogs the d-pad moves the focus, south
    // presses the focused control, east and Back are Escape.
    virtual void pad_button(int button);

    // The focus that Tab, Shift+Tab and the d-pad move between the controls, drawn as a frame;
    // Space and the south button press the control under it. -1: none shown.
    int focus() const { return m_focus; }
    // The next (1) or previous (-1) control in the order they were added, round the end.
    void step_focus(int step);
    // The nearest control in the direction (dx, dy), if any.
    void move_focus(int dx, int dy);
    // A click on the middle of the focused control, as the mouse would make it.
    void press_focus();

    // The window that shows this screen, set by the window when it takes the screen; null
    // before (and in tests without one). The window outlives the screens it is given.
    void set_host(ScreenHost* host) { m_host = host; }
    ScreenHost* host() const { return m_host; }

    // The controls are not owned: the concrete screen creates and deletes them.
    void add_control(Control* control) { m_children.push_back(control); }
    void set_result(DialogResult result) { m_result = result; }
    DialogResult result() const { return m_result; }
    bool mouse_down() const { return m_mouse_down; }
    void set_window_drag(bool on) { m_window_drag = on; }

  protected:
    // The focus frame, over the controls (a screen that draws its controls itself calls it).
    void draw_focus() const;
    // Whether a control keeps the keys now (so Tab and Space are its own).
    bool keys_taken() const;

    ScreenHost* m_host = nullptr;
    std::vector<Control*> m_children;
    int m_focus = -1;
    DialogResult m_result = DialogResult::accepted;
    bool m_mouse_down = false;
    bool m_window_drag = false;
    int32_t m_last_cursor_x = 0;
    int32_t m_last_cursor_y = 0;
};
