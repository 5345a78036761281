#pragma once

#include <string>

struct SDL_Window;

// One borderless top-level window with its OpenGL 1.x context (double-buffered RGBA with a
// depth buffer). Destroying the object destroys the context and the window.
class GlWindow {
  public:
    GlWindow() = default;
    ~GlWindow() { destroy(); }
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    // Creates the window at (left, top) with the given client size and makes its context
    // current. Returns false when either could not be made.
    bool create(const std::string& title, int left, int top, int width, int height);
    void destroy();
    bool exists() const { return m_window != nullptr; }

    // Whether the window's display lists a mode of exactly this size.
    bool display_offers_mode(int width, int height) const;
    // Switches the display to a full-screen mode of this size for this window. False when the
    // mode cannot be set (the window then stays as it was).
    bool enter_fullscreen_mode(int width, int height);
    // Covers the whole display at its own resolution, no mode change. False when refused.
    bool enter_desktop_fullscreen();
    // Back to a plain window (the display gets its own mode back); the caller restores the
    // window's size and place, which the library does not do everywhere.
    bool leave_fullscreen();
    // Size in window coordinates and in drawable pixels (they differ on high-density displays).
    void size(int& width, int& height) const;
    void drawable_size(int& width, int& height) const;
    void resize(int width, int height);
    // The windowing library's message about the last thing that failed.
    static std::string last_error();

    void swap_buffers();
    void show();
    void hide();
    void minimize();
    void raise_and_focus();
    void position(int& left, int& top) const;
    void move_to(int left, int top);
    // The window's icon from RGBA pixels, top row first. Does nothing without a window.
    void set_icon(const unsigned char* rgba, int width, int height);

    // The driver's strings, empty without a context.
    std::string gl_vendor() const;
    std::string gl_version() const;
    std::string gl_renderer() const;

    SDL_Window* sdl_window() const { return m_window; }

  private:
    // Moves the window to the display's corner at this size (0: the display's own size).
    void cover_display(int width, int height);

    SDL_Window* m_window = nullptr;
    void* m_context = nullptr;
};
