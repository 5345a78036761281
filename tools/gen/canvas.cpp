#include "canvas.h"

#include <algorithm>

Rgba hex(uint32_t value, float a) {
    return {((value >> 16) & 0xff) / 255.0f, ((value >> 8) & 0xff) / 255.0f,
            (value & 0xff) / 255.0f, a};
}

Rgba mix(const Rgba& x, const Rgba& y, float t) {
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t,
            x.a + (y.a - x.a) * t};
}

Rgba scaled(const Rgba& c, float k) {
    return {clamp01(c.r * k), clamp01(c.g * k), clamp01(c.b * k), c.a};
}

Rgba with_alpha(const Rgba& c, float a) {
    return {c.r, c.g, c.b, a};
}

float clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

float smoothstep(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Canvas::Canvas(int width, int height, Rgba fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, const Rgba& c, float coverage) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    float sa = clamp01(c.a * coverage);
    if (sa <= 0) {
        return;
    }
    Rgba& d = at(x, y);
    float da = d.a * (1 - sa);
    float oa = sa + da;
    if (oa <= 0) {
        d = {};
        return;
    }
    d.r = (c.r * sa + d.r * da) / oa;
    d.g = (c.g * sa + d.g * da) / oa;
    d.b = (c.b * sa + d.b * da) / oa;
    d.a = oa;
}

void Canvas::fill(const Rgba& c) {
    std::fill(m_pixels.begin(), m_pixels.end(), c);
}

void Canvas::shade(const std::function<Rgba(float, float)>& f) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            at(x, y) = f(x + 0.5f, y + 0.5f);
        }
    }
}

void Canvas::shade_over(const std::function<Rgba(float, float)>& f) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            blend(x, y, f(x + 0.5f, y + 0.5f));
        }
    }
}

void Canvas::fill_sdf(const std::function<float(float, float)>& sdf,
                      const std::function<Rgba(float, float)>& paint, float x0, float y0, float x1,
                      float y1, float feather) {
    int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    int ix1 = std::min(m_width, static_cast<int>(std::ceil(x1)) + 1);
    int iy1 = std::min(m_height, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            float px = x + 0.5f;
            float py = y + 0.5f;
            float d = sdf(px, py);
            float cover = clamp01(0.5f - d / feather);
            if (cover > 0) {
                blend(x, y, paint(px, py), cover);
            }
        }
    }
}

void Canvas::draw(const Canvas& src, int dx, int dy, float opacity) {
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            blend(dx + x, dy + y, src.at(x, y), opacity);
        }
    }
}

void Canvas::paste(const Canvas& src, int dx, int dy) {
    for (int y = 0; y < src.height(); ++y) {
        for (int x = 0; x < src.width(); ++x) {
            int tx = dx + x;
            int ty = dy + y;
            if (tx >= 0 && ty >= 0 && tx < m_width && ty < m_height) {
                at(tx, ty) = src.at(x, y);
            }
        }
    }
}

Canvas Canvas::flipped_vertically() const {
    Canvas out(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out.at(x, m_height - 1 - y) = at(x, y);
        }
    }
    return out;
}

Canvas Canvas::mirrored() const {
    Canvas out(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out.at(m_width - 1 - x, y) = at(x, y);
        }
    }
    return out;
}

Canvas Canvas::crop(int x0, int y0, int w, int h) const {
    Canvas out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int sx = x0 + x;
            int sy = y0 + y;
            if (sx >= 0 && sy >= 0 && sx < m_width && sy < m_height) {
                out.at(x, y) = at(sx, sy);
            }
        }
    }
    return out;
}

namespace {

// Weights of source cells [i, i+1) overlapping the destination cell [a, b) in source units.
struct Span {
    int first;
    std::vector<float> weights;
};

std::vector<Span> spans(int src, int dst) {
    std::vector<Span> out(dst);
    double scale = static_cast<double>(src) / dst;
    for (int i = 0; i < dst; ++i) {
        double a = i * scale;
        double b = (i + 1) * scale;
        if (scale < 1.0) {
            // Enlarging: a tent filter between the two nearest source pixels.
            double centre = (i + 0.5) * scale - 0.5;
            int i0 = static_cast<int>(std::floor(centre));
            float t = static_cast<float>(centre - i0);
            int lo = std::clamp(i0, 0, src - 1);
            int hi = std::clamp(i0 + 1, 0, src - 1);
            out[i].first = lo;
            out[i].weights.assign(hi - lo + 1, 0.0f);
            out[i].weights[0] += 1 - t;
            out[i].weights[hi - lo] += t;
            continue;
        }
        int first = static_cast<int>(std::floor(a));
        int last = std::min(src - 1, static_cast<int>(std::ceil(b)) - 1);
        out[i].first = first;
        double total = 0;
        for (int s = first; s <= last; ++s) {
            double w = std::min(b, s + 1.0) - std::max(a, static_cast<double>(s));
            out[i].weights.push_back(static_cast<float>(w));
            total += w;
        }
        for (float& w : out[i].weights) {
            w = static_cast<float>(w / total);
        }
    }
    return out;
}

}  // namespace

Canvas Canvas::resized(int width, int height) const {
    std::vector<Span> xs = spans(m_width, width);
    std::vector<Span> ys = spans(m_height, height);
    // Horizontal pass on premultiplied colour.
    std::vector<Rgba> mid(static_cast<size_t>(width) * m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgba acc{};
            const Span& s = xs[x];
            for (size_t k = 0; k < s.weights.size(); ++k) {
                const Rgba& p = at(s.first + static_cast<int>(k), y);
                float w = s.weights[k];
                acc.r += p.r * p.a * w;
                acc.g += p.g * p.a * w;
                acc.b += p.b * p.a * w;
                acc.a += p.a * w;
            }
            mid[static_cast<size_t>(y) * width + x] = acc;
        }
    }
    Canvas out(width, height);
    for (int y = 0; y < height; ++y) {
        const Span& s = ys[y];
        for (int x = 0; x < width; ++x) {
            Rgba acc{};
            for (size_t k = 0; k < s.weights.size(); ++k) {
                const Rgba& p = mid[static_cast<size_t>(s.first + k) * width + x];
                float w = s.weights[k];
                acc.r += p.r * w;
                acc.g += p.g * w;
                acc.b += p.b * w;
                acc.a += p.a * w;
            }
            if (acc.a > 1e-6f) {
                out.at(x, y) = {clamp01(acc.r / acc.a), clamp01(acc.g / acc.a),
                                clamp01(acc.b / acc.a), clamp01(acc.a)};
            }
        }
    }
    return out;
}

Canvas Canvas::blurred(int radius) const {
    if (radius <= 0) {
        return *this;
    }
    // Premultiplied working copy.
    std::vector<Rgba> buf(m_pixels.size());
    for (size_t i = 0; i < buf.size(); ++i) {
        const Rgba& p = m_pixels[i];
        buf[i] = {p.r * p.a, p.g * p.a, p.b * p.a, p.a};
    }
    std::vector<Rgba> tmp(buf.size());
    auto pass = [&](bool horizontal) {
        int n = horizontal ? m_width : m_height;
        int lines = horizontal ? m_height : m_width;
        for (int l = 0; l < lines; ++l) {
            auto idx = [&](int i) {
                i = std::clamp(i, 0, n - 1);
                return horizontal ? static_cast<size_t>(l) * m_width + i
                                  : static_cast<size_t>(i) * m_width + l;
            };
            Rgba acc{};
            for (int i = -radius; i <= radius; ++i) {
                const Rgba& p = buf[idx(i)];
                acc.r += p.r, acc.g += p.g, acc.b += p.b, acc.a += p.a;
            }
            float inv = 1.0f / (2 * radius + 1);
            for (int i = 0; i < n; ++i) {
                tmp[idx(i)] = {acc.r * inv, acc.g * inv, acc.b * inv, acc.a * inv};
                const Rgba& add = buf[idx(i + radius + 1)];
                const Rgba& sub = buf[idx(i - radius)];
                acc.r += add.r - sub.r;
                acc.g += add.g - sub.g;
                acc.b += add.b - sub.b;
                acc.a += add.a - sub.a;
            }
        }
        buf.swap(tmp);
    };
    for (int k = 0; k < 3; ++k) {
        pass(true);
        pass(false);
    }
    Canvas out(m_width, m_height);
    for (size_t i = 0; i < buf.size(); ++i) {
        const Rgba& p = buf[i];
        if (p.a > 1e-6f) {
            out.m_pixels[i] = {clamp01(p.r / p.a), clamp01(p.g / p.a), clamp01(p.b / p.a),
                               clamp01(p.a)};
        }
    }
    return out;
}

Canvas Canvas::shadow(const Rgba& colour, int radius) const {
    Canvas mask(m_width, m_height);
    for (size_t i = 0; i < m_pixels.size(); ++i) {
        mask.m_pixels[i] = with_alpha(colour, m_pixels[i].a * colour.a);
    }
    return mask.blurred(radius);
}

std::vector<uint8_t> Canvas::rgba8() const {
    std::vector<uint8_t> out(m_pixels.size() * 4);
    for (size_t i = 0; i < m_pixels.size(); ++i) {
        const Rgba& p = m_pixels[i];
        out[i * 4 + 0] = static_cast<uint8_t>(std::lround(clamp01(p.r) * 255));
        out[i * 4 + 1] = static_cast<uint8_t>(std::lround(clamp01(p.g) * 255));
        out[i * 4 + 2] = static_cast<uint8_t>(std::lround(clamp01(p.b) * 255));
        out[i * 4 + 3] = static_cast<uint8_t>(std::lround(clamp01(p.a) * 255));
    }
    return out;
}

float sd_circle(float x, float y, float cx, float cy, float r) {
    return std::hypot(x - cx, y - cy) - r;
}

float sd_box(float x, float y, float cx, float cy, float hw, float hh, float radius) {
    float qx = std::fabs(x - cx) - hw + radius;
    float qy = std::fabs(y - cy) - hh + radius;
    float ox = std::max(qx, 0.0f);
    float oy = std::max(qy, 0.0f);
    return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float sd_segment(float x, float y, float ax, float ay, float bx, float by, float r) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float h = len2 > 0 ? clamp01((px * dx + py * dy) / len2) : 0.0f;
    return std::hypot(px - dx * h, py - dy * h) - r;
}

float sd_polygon(float x, float y, const std::vector<float>& v) {
    size_t n = v.size() / 2;
    float d = (x - v[0]) * (x - v[0]) + (y - v[1]) * (y - v[1]);
    float s = 1.0f;
    for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
        float ex = v[2 * j] - v[2 * i], ey = v[2 * j + 1] - v[2 * i + 1];
        float wx = x - v[2 * i], wy = y - v[2 * i + 1];
        float t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
        float bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        bool c1 = y >= v[2 * i + 1];
        bool c2 = y < v[2 * j + 1];
        bool c3 = ex * wy > ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) {
            s = -s;
        }
    }
    return s * std::sqrt(d);
}

void fill_circle(Canvas& c, float cx, float cy, float r, const Rgba& colour) {
    c.fill_sdf([=](float x, float y) { return sd_circle(x, y, cx, cy, r); },
               [=](float, float) { return colour; }, cx - r, cy - r, cx + r, cy + r);
}

void fill_rect(Canvas& c, float x, float y, float w, float h, const Rgba& colour, float radius) {
    fill_rect_paint(c, x, y, w, h, radius, [=](float, float) { return colour; });
}

void fill_rect_paint(Canvas& c, float x, float y, float w, float h, float radius,
                     const std::function<Rgba(float, float)>& paint) {
    float cx = x + w / 2, cy = y + h / 2;
    c.fill_sdf([=](float px, float py) { return sd_box(px, py, cx, cy, w / 2, h / 2, radius); },
               paint, x, y, x + w, y + h);
}

void draw_line(Canvas& c, float ax, float ay, float bx, float by, float width, const Rgba& colour) {
    float r = width / 2;
    c.fill_sdf([=](float x, float y) { return sd_segment(x, y, ax, ay, bx, by, r); },
               [=](float, float) { return colour; }, std::min(ax, bx) - r, std::min(ay, by) - r,
               std::max(ax, bx) + r, std::max(ay, by) + r);
}

void fill_polygon(Canvas& c, const std::vector<float>& xy, const Rgba& colour) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (size_t i = 0; i + 1 < xy.size(); i += 2) {
        x0 = std::min(x0, xy[i]);
        x1 = std::max(x1, xy[i]);
        y0 = std::min(y0, xy[i + 1]);
        y1 = std::max(y1, xy[i + 1]);
    }
    c.fill_sdf([&xy](float x, float y) { return sd_polygon(x, y, xy); },
               [=](float, float) { return colour; }, x0, y0, x1, y1);
}

void stroke_rect(Canvas& c, float x, float y, float w, float h, float stroke, const Rgba& colour,
                 float radius) {
    float cx = x + w / 2, cy = y + h / 2;
    c.fill_sdf(
        [=](float px, float py) {
            float d = sd_box(px, py, cx, cy, w / 2, h / 2, radius);
            return std::max(d, -d - stroke);
        },
        [=](float, float) { return colour; }, x, y, x + w, y + h);
}

namespace {

uint32_t mix_bits(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

}  // namespace

float hash01(int x, int y, uint32_t seed) {
    uint32_t h = mix_bits(static_cast<uint32_t>(x) * 0x9e3779b1U ^
                          mix_bits(static_cast<uint32_t>(y) * 0x85ebca77U ^ seed));
    return (h & 0xffffff) / static_cast<float>(0x1000000);
}

float value_noise(float x, float y, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    float c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fbm(float x, float y, uint32_t seed, int octaves, float gain) {
    float sum = 0, amp = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += value_noise(x, y, seed + i * 1013) * amp;
        norm += amp;
        amp *= gain;
        x *= 2.03f;
        y *= 2.03f;
    }
    return sum / norm;
}
