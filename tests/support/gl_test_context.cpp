#include "support/gl_test_context.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdlib>

bool GlTestContext::create(int width, int height) {
    destroy();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    m_window = SDL_CreateWindow("gfx test", 0, 0, width, height,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
    if (!m_window) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    m_context = SDL_GL_CreateContext(m_window);
    if (!m_context) {
        destroy();
        return false;
    }
    SDL_GL_MakeCurrent(m_window, m_context);
    m_width = width;
    m_height = height;
    glReadBuffer(GL_BACK);
    return true;
}

void GlTestContext::destroy() {
    if (m_context) {
        SDL_GL_MakeCurrent(m_window, nullptr);
        SDL_GL_DeleteContext(m_context);
        m_context = nullptr;
    }
    if (m_window) {
        SDL_DestroyWindow(m_window);
        m_window = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    m_width = m_height = 0;
}

std::array<std::uint8_t, 4> GlTestContext::pixel(int x, int y_from_top) const {
    std::array<std::uint8_t, 4> rgba{};
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, m_height - 1 - y_from_top, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

::testing::AssertionResult near_colour(const std::array<std::uint8_t, 4>& pixel, int r, int g,
                                       int b, int tolerance) {
    if (std::abs(pixel[0] - r) <= tolerance && std::abs(pixel[1] - g) <= tolerance &&
        std::abs(pixel[2] - b) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pixel (" << int(pixel[0]) << ", " << int(pixel[1]) << ", " << int(pixel[2])
           << ") is not (" << r << ", " << g << ", " << b << ")";
}
