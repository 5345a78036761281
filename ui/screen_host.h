#pragma once

class Screen;

// What screens ask of the window that shows them: its stacks, its place and size, and the
// music. The window hands itself to every screen and dialog it is given; a screen no window
// has taken yet has no host and does without.
class ScreenHost {
  public:
    // The stacks (see AppWindow).
    virtual void push_screen(Screen* screen) = 0;
    virtual void open_dialog(Screen* dialog) = 0;
    virtual void close_top(bool immediately) = 0;
    // The dialog is open, or closed and not yet reported to its opener.
    virtual bool holds_dialog(const Screen* dialog) const = 0;
    // Lets go of a dialog its owner is about to delete.
    virtual void forget_dialog(const Screen* dialog) = 0;

    // The window: false while there is none (headless), and the rest then answers with what
    // it was last told.
    virtual bool has_window() const = 0;
    // In window coordinates; the whole display while in full screen.
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void window_position(int& left, int& top) const = 0;
    virtual void move_window(int left, int top) = 0;
    // The drawable in pixels.
    virtual void drawable_size(int& width, int& height) const = 0;
    // The size of the logical picture (800 x 600), and a window point in it; false (and far
    // off the picture) on a bar.
    virtual void picture_size(int& width, int& height) const = 0;
    virtual bool to_logical(int x, int y, int& lx, int& ly) const = 0;
    virtual bool is_fullscreen() const = 0;
    virtual void toggle_fullscreen() = 0;
    virtual void minimize() = 0;

    // The music: the next track, and the game's pause of music and effects.
    virtual void next_track() = 0;
    virtual void set_sound_paused(bool paused) = 0;

  protected:
    ~ScreenHost() = default;
};
