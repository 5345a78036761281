#pragma once

#include <array>
#include <cstdint>

#include <gtest/gtest.h>

struct SDL_Window;

// A visible SDL window with a fixed-function GL context, current while the object lives, for
// tests that draw and read the pixels back. Needs a display (the suite runs under xvfb-run).
class GlTestContext {
  public:
    GlTestContext() = default;
    ~GlTestContext() { destroy(); }
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    // Opens a window of this client size and makes its context current.
    bool create(int width, int height);
    // Destroys the context and the window, as a display-mode switch does.
    void destroy();

    int width() const { return m_width; }
    int height() const { return m_height; }

    // The RGBA value of the drawn (back) buffer at window pixel (x, y), y counted from the top.
    std::array<std::uint8_t, 4> pixel(int x, int y_from_top) const;

  private:
    SDL_Window* m_window = nullptr;
    void* m_context = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Whether a pixel read back is (r, g, b) within `tolerance` per channel; linear filtering and
// JPEG leave small differences. Says which colour it found when it is not.
::testing::AssertionResult near_colour(const std::array<std::uint8_t, 4>& pixel, int r, int g,
                                       int b, int tolerance);
