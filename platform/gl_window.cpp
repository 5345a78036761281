#include "platform/gl_window.h"

#include <GL/gl.h>
#include <SDL.h>

namespace {

std::string gl_string(GLenum name) {
    const GLubyte* s = glGetString(name);
    return s ? reinterpret_cast<const char*>(s) : "";
}

}  // namespace

bool GlWindow::create(const std::string& title, int left, int top, int width, int height) {
    destroy();
    // A legacy (compatibility) context: everything is drawn with the fixed-function pipeline.
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    // No depth buffer: every layer is drawn back to front with the depth test off, and with a
    // depth buffer attached the software renderer cannot take its fast path for flat and
    // copied rectangles (it shades each pixel in full instead).
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);

    m_window = SDL_CreateWindow(
        title.c_str(), left, top, width, height,
        SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!m_window) {
        return false;
    }
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context) {
        // A window without a context would only ever show white.
        const std::string why = last_error();
        destroy();
        SDL_SetError("%s", why.c_str());
        return false;
    }
    SDL_GL_MakeCurrent(m_window, m_context);
    // Pacing comes from the 30 ms timer, not from the display's refresh.
    SDL_GL_SetSwapInterval(0);
    return true;
}

void GlWindow::set_icon(const unsigned char* rgba, int width, int height) {
    if (!m_window || !rgba || width <= 0 || height <= 0) {
        return;
    }
    // SDL only reads the pixels while setting the icon, so they are borrowed, not copied.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<unsigned char*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface) {
        SDL_SetWindowIcon(m_window, surface);
        SDL_FreeSurface(surface);
    }
}

void GlWindow::destroy() {
    if (m_context) {
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
    }
    if (m_window) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
    }
}

namespace {

bool closest_mode(SDL_Window* window, int width, int height, SDL_DisplayMode& closest) {
    const int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_DisplayMode wanted;
    SDL_zero(wanted);
    wanted.w = width;
    wanted.h = height;
    return SDL_GetClosestDisplayMode(display < 0 ? 0 : display, &wanted, &closest) &&
           closest.w == width && closest.h == height;
}

}  // namespace

bool GlWindow::display_offers_mode(int width, int height) const {
    SDL_DisplayMode closest;
    return closest_mode(m_window, width, height, closest);
}

bool GlWindow::enter_fullscreen_mode(int width, int height) {
    SDL_DisplayMode closest;
    if (!m_window || !closest_mode(m_window, width, height, closest)) {
        return false;
    }
    if (SDL_SetWindowDisplayMode(m_window, &closest) != 0) {
        return false;
    }
    cover_display(width, height);
    return SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN) == 0;
}

bool GlWindow::enter_desktop_fullscreen() {
    if (!m_window) {
        return false;
    }
    cover_display(0, 0);
    return SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void GlWindow::cover_display(int width, int height) {
    // Without a window manager nobody resizes a full-screen window: the library only reports
    // the new size while the window and its GL buffers keep the old one. So the window is put
    // over the display first.
    const int display = SDL_GetWindowDisplayIndex(m_window);
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) != 0) {
        return;
    }
    SDL_SetWindowPosition(m_window, bounds.x, bounds.y);
    SDL_SetWindowSize(m_window, width > 0 ? width : bounds.w, height > 0 ? height : bounds.h);
}

bool GlWindow::leave_fullscreen() {
    return m_window && SDL_SetWindowFullscreen(m_window, 0) == 0;
}

void GlWindow::size(int& width, int& height) const {
    width = height = 0;
    if (m_window)
        SDL_GetWindowSize(m_window, &width, &height);
}

void GlWindow::drawable_size(int& width, int& height) const {
    width = height = 0;
    if (m_window)
        SDL_GL_GetDrawableSize(m_window, &width, &height);
}

std::string GlWindow::last_error() {
    const char* e = SDL_GetError();
    return e ? e : "";
}

void GlWindow::resize(int width, int height) {
    if (m_window)
        SDL_SetWindowSize(m_window, width, height);
}

void GlWindow::swap_buffers() {
    if (m_window && m_context) {
        glFlush();
        SDL_GL_SwapWindow(m_window);
    }
}

void GlWindow::show() {
    if (m_window)
        SDL_ShowWindow(m_window);
}

void GlWindow::hide() {
    if (m_window)
        SDL_HideWindow(m_window);
}

void GlWindow::minimize() {
    if (m_window)
        SDL_MinimizeWindow(m_window);
}

void GlWindow::raise_and_focus() {
    if (m_window) {
        SDL_RaiseWindow(m_window);
        // Without a window manager (a bare X server) nobody else gives the window the focus.
        SDL_SetWindowInputFocus(m_window);
    }
}

void GlWindow::position(int& left, int& top) const {
    left = top = 0;
    if (m_window)
        SDL_GetWindowPosition(m_window, &left, &top);
}

void GlWindow::move_to(int left, int top) {
    if (m_window)
        SDL_SetWindowPosition(m_window, left, top);
}

std::string GlWindow::gl_vendor() const {
    return m_context ? gl_string(GL_VENDOR) : "";
}
std::string GlWindow::gl_version() const {
    return m_context ? gl_string(GL_VERSION) : "";
}
std::string GlWindow::gl_renderer() const {
    return m_context ? gl_string(GL_RENDERER) : "";
}
