#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

// Colours are straight (not premultiplied) RGBA floats in 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba rgb(float r, float g, float b, float a = 1.0f) {
    return {r, g, b, a};
}
// A colour from 0xRRGGBB.
Rgba hex(uint32_t value, float a = 1.0f);
Rgba mix(const Rgba& x, const Rgba& y, float t);
Rgba scaled(const Rgba& c, float k);  // multiplies rgb, keeps alpha
Rgba with_alpha(const Rgba& c, float a);

float clamp01(float v);
float smoothstep(float e0, float e1, float x);

// A picture in top-down row order (y = 0 is the top row as the picture is seen).
class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = {});

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_pixels.empty(); }

    Rgba& at(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    const Rgba& at(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }

    // Source-over of `c` with its alpha scaled by `coverage`; points outside are ignored.
    void blend(int x, int y, const Rgba& c, float coverage = 1.0f);
    void fill(const Rgba& c);

    // Replaces every pixel by f(x, y) evaluated at the pixel centre.
    void shade(const std::function<Rgba(float, float)>& f);
    // Blends f(x, y) over every pixel.
    void shade_over(const std::function<Rgba(float, float)>& f);

    // Fills the area where sdf(x, y) < 0 with paint(x, y), anti-aliased over `feather` pixels.
    // Only the box [x0, x1) x [y0, y1) is visited.
    void fill_sdf(const std::function<float(float, float)>& sdf,
                  const std::function<Rgba(float, float)>& paint, float x0, float y0, float x1,
                  float y1, float feather = 1.0f);

    // Blends `src` over this picture with its top-left corner at (dx, dy).
    void draw(const Canvas& src, int dx, int dy, float opacity = 1.0f);
    // Copies `src` (replacing pixels) with its top-left corner at (dx, dy).
    void paste(const Canvas& src, int dx, int dy);

    Canvas flipped_vertically() const;
    Canvas mirrored() const;
    Canvas crop(int x, int y, int w, int h) const;
    // Area-weighted resampling to any size (premultiplied, so edges keep their colour).
    Canvas resized(int width, int height) const;
    // Gaussian-like blur of the given radius (three box passes).
    Canvas blurred(int radius) const;
    // A soft shadow/glow: the alpha of this picture blurred and coloured.
    Canvas shadow(const Rgba& colour, int radius) const;

    // 8-bit RGBA in top-down row order.
    std::vector<uint8_t> rgba8() const;

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Rgba> m_pixels;
};

// Signed distance helpers (negative inside).
float sd_circle(float x, float y, float cx, float cy, float r);
float sd_box(float x, float y, float cx, float cy, float hw, float hh, float radius = 0.0f);
float sd_segment(float x, float y, float ax, float ay, float bx, float by, float r);
float sd_polygon(float x, float y, const std::vector<float>& xy);

// Convenience fills over a whole canvas (the box is computed from the shape).
void fill_circle(Canvas& c, float cx, float cy, float r, const Rgba& colour);
void fill_rect(Canvas& c, float x, float y, float w, float h, const Rgba& colour,
               float radius = 0.0f);
void fill_rect_paint(Canvas& c, float x, float y, float w, float h, float radius,
                     const std::function<Rgba(float, float)>& paint);
void draw_line(Canvas& c, float ax, float ay, float bx, float by, float width, const Rgba& colour);
void fill_polygon(Canvas& c, const std::vector<float>& xy, const Rgba& colour);
// A rectangle outline of the given stroke width, inside the rectangle.
void stroke_rect(Canvas& c, float x, float y, float w, float h, float stroke, const Rgba& colour,
                 float radius = 0.0f);

// Smooth value noise and its fractal sum, deterministic for a seed.
float value_noise(float x, float y, uint32_t seed);
float fbm(float x, float y, uint32_t seed, int octaves, float gain = 0.5f);
// A hash of integers to 0..1 for scattering details.
float hash01(int x, int y, uint32_t seed);
