#include "font_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Empty columns between glyph boxes: the texture coordinates of a box take one column on each
// side, and linear filtering reads one more.
constexpr int kGap = 4;
constexpr int kMarkerWidth = 4;
constexpr int kLineGap = 4;
constexpr int kSheetWidth = 1024;

// The look of the letters. The game spaces words by the width of 'A', so a narrow 'A' keeps the
// word gap close to that of ordinary text; a book face thickened a little reads at the small
// sizes without the heaviness of the bold; and a dark rim drawn into the glyphs keeps any text
// colour readable on light and dark pictures alike (the game tints only the white core).
constexpr float kWeight = 0.05f;    // extra stroke width, a fraction of the size
constexpr float kNarrowA = 0.5f;    // width of 'A' against its face's
constexpr float kRim = 0.035f;      // the rim's radius, a fraction of the size
constexpr float kRimDrop = 0.035f;  // how far the rim hangs below the letter

struct Glyph {
    int width = 0;               // ink columns
    std::vector<uint8_t> alpha;  // rows of the line box, `width` wide
    std::vector<uint8_t> light;  // grey level of each pixel: white core, black rim
};

// A glyph with its rim: coverage of the letter and of the rim around it, trimmed to the rows
// that hold ink.
struct Rimmed {
    int width = 0, height = 0, top = 0;
    std::vector<float> core, rim;
};

// The rim is the letter grown by `radius` and shifted down by `drop`: an outline that is
// heavier below, like a shadow, and adds little to the width of each letter.
Rimmed add_rim(const GlyphImage& g, float radius, float drop) {
    const int reach = static_cast<int>(std::ceil(radius)) + 1;
    const int pad = static_cast<int>(std::ceil(radius + drop)) + 1;
    Rimmed out;
    out.width = g.width + 2 * reach;
    out.height = g.height + 2 * pad;
    out.top = g.top + pad;
    out.core.assign(static_cast<size_t>(out.width) * out.height, 0.0f);
    out.rim.assign(out.core.size(), 0.0f);
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            out.core[static_cast<size_t>(y + pad) * out.width + x + reach] =
                g.coverage[static_cast<size_t>(y) * g.width + x];
        }
    }
    // The rim at a pixel is the strongest coverage within the radius of the point `drop`
    // above it, softened at its edge.
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            float best = 0;
            const float cy = y - drop;
            for (int sy = static_cast<int>(std::floor(cy - radius - 1));
                 sy <= static_cast<int>(std::ceil(cy + radius + 1)); ++sy) {
                for (int sx = x - reach; sx <= x + reach; ++sx) {
                    if (sx < 0 || sy < 0 || sx >= out.width || sy >= out.height) {
                        continue;
                    }
                    float dx = static_cast<float>(sx - x), dy = sy - cy;
                    float edge = radius + 0.5f - std::sqrt(dx * dx + dy * dy);
                    float c = out.core[static_cast<size_t>(sy) * out.width + sx];
                    best = std::max(best, c * std::min(1.0f, std::max(0.0f, edge)));
                }
            }
            out.rim[static_cast<size_t>(y) * out.width + x] = best;
        }
    }
    // Trim the empty rows, so the line box is only as tall as the ink of all glyphs.
    auto ink_row = [&](int y) {
        for (int x = 0; x < out.width; ++x) {
            size_t i = static_cast<size_t>(y) * out.width + x;
            if (std::lround((out.core[i] + (1 - out.core[i]) * out.rim[i]) * 255) > 0) {
                return true;
            }
        }
        return false;
    };
    int first = 0, last = out.height - 1;
    while (first < last && !ink_row(first)) {
        ++first;
    }
    while (last > first && !ink_row(last)) {
        --last;
    }
    const size_t from = static_cast<size_t>(first) * out.width;
    const size_t to = static_cast<size_t>(last + 1) * out.width;
    out.core = std::vector<float>(out.core.begin() + from, out.core.begin() + to);
    out.rim = std::vector<float>(out.rim.begin() + from, out.rim.begin() + to);
    out.top -= first;
    out.height = last - first + 1;
    return out;
}

}  // namespace

FontSheet build_font_sheet(TypeFace& face) {
    FontSheet sheet;
    for (float size = 54; size >= 30; size -= 2) {
        // Render every glyph and find the common line box (highest ink to lowest ink).
        std::vector<Rimmed> images;
        int box_top = 0;
        int box_bottom = 0;  // rows below the baseline
        for (int c = 33; c <= 126; ++c) {
            // The narrowed 'A' loses weight in its slanted strokes; it gets some back.
            GlyphImage g = c == 'A'
                               ? face.shaped_glyph('A', size, kNarrowA, kWeight * 1.4f)
                               : face.shaped_glyph(static_cast<unsigned char>(c), size, 1, kWeight);
            Rimmed r = add_rim(g, kRim * size, kRimDrop * size);
            box_top = std::max(box_top, r.top);
            box_bottom = std::max(box_bottom, r.height - r.top);
            images.push_back(std::move(r));
        }
        const int line_h = box_top + box_bottom;
        std::vector<Glyph> glyphs;
        for (const Rimmed& g : images) {
            Glyph out;
            auto alpha_at = [&](int x, int y) {
                size_t i = static_cast<size_t>(y) * g.width + x;
                return g.core[i] + (1 - g.core[i]) * g.rim[i];
            };
            // Horizontal ink extent, judged on the 8-bit alpha that ends up in the file.
            int first = g.width, last = -1;
            for (int x = 0; x < g.width; ++x) {
                for (int y = 0; y < g.height; ++y) {
                    if (std::lround(alpha_at(x, y) * 255) > 0) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
            }
            out.width = last >= first ? last - first + 1 : 1;
            // A new vector rather than assign(): GCC 12 at -O3 warns, wrongly, that assign's fill
            // may write through a null pointer (the release check builds with -Werror).
            out.alpha = std::vector<uint8_t>(static_cast<size_t>(out.width) * line_h, 0);
            out.light.assign(out.alpha.size(), 255);
            for (int y = 0; y < g.height; ++y) {
                int row = box_top - g.top + y;
                for (int x = first; x <= last; ++x) {
                    float a = alpha_at(x, y);
                    size_t at = static_cast<size_t>(row) * out.width + (x - first);
                    out.alpha[at] = static_cast<uint8_t>(std::lround(a * 255));
                    if (a > 0) {
                        float core = g.core[static_cast<size_t>(y) * g.width + x];
                        out.light[at] = static_cast<uint8_t>(std::lround(core / a * 255));
                    }
                }
            }
            glyphs.push_back(std::move(out));
        }
        // Figures of one width, so numbers written one under another line up.
        int figure = 0;
        for (int c = '0'; c <= '9'; ++c) {
            figure = std::max(figure, glyphs[c - 33].width);
        }
        for (int c = '0'; c <= '9'; ++c) {
            Glyph& g = glyphs[c - 33];
            const int left = (figure - g.width) / 2;
            Glyph wide;
            wide.width = figure;
            wide.alpha.assign(static_cast<size_t>(figure) * line_h, 0);
            wide.light.assign(wide.alpha.size(), 255);
            for (int y = 0; y < line_h; ++y) {
                for (int x = 0; x < g.width; ++x) {
                    size_t from = static_cast<size_t>(y) * g.width + x;
                    size_t to = static_cast<size_t>(y) * figure + left + x;
                    wide.alpha[to] = g.alpha[from];
                    wide.light[to] = g.light[from];
                }
            }
            g = std::move(wide);
        }
        // Columns without ink inside a box (between the strokes of '"', beside a narrow
        // figure) would split it in two: each gets one nearly invisible ink pixel just above
        // the bottom of the line.
        for (Glyph& g : glyphs) {
            for (int x = 0; x < g.width; ++x) {
                bool ink = false;
                for (int y = 0; y < line_h && !ink; ++y) {
                    ink = g.alpha[static_cast<size_t>(y) * g.width + x] != 0;
                }
                if (!ink) {
                    g.alpha[static_cast<size_t>(line_h - 1) * g.width + x] = 1;
                }
            }
        }
        // Lay the glyphs out in lines, each starting with its marker block.
        std::vector<std::vector<int>> lines(1);
        int pen = kGap + kMarkerWidth + kGap;
        for (int i = 0; i < static_cast<int>(glyphs.size()); ++i) {
            if (pen + glyphs[i].width + kGap > kSheetWidth) {
                lines.emplace_back();
                pen = kGap + kMarkerWidth + kGap;
            }
            lines.back().push_back(i);
            pen += glyphs[i].width + kGap;
        }
        int needed = kLineGap + static_cast<int>(lines.size()) * (line_h + kLineGap);
        int height = 64;
        while (height < needed) {
            height *= 2;
        }
        if (height > 256 && size > 30) {
            continue;  // try a smaller size before giving the sheet more rows
        }
        Canvas canvas(kSheetWidth, height, rgb(1, 1, 1, 0));
        int y0 = kLineGap;
        for (const std::vector<int>& line : lines) {
            for (int y = 0; y < line_h; ++y) {
                for (int x = 0; x < kMarkerWidth; ++x) {
                    canvas.at(kGap + x, y0 + y) = rgb(1, 1, 1, 1);
                }
            }
            int x0 = kGap + kMarkerWidth + kGap;
            for (int index : line) {
                const Glyph& g = glyphs[index];
                sheet.boxes.push_back({x0, x0 + g.width - 1, y0, y0 + line_h - 1});
                for (int y = 0; y < line_h; ++y) {
                    for (int x = 0; x < g.width; ++x) {
                        size_t at = static_cast<size_t>(y) * g.width + x;
                        float v = g.light[at] / 255.0f;
                        canvas.at(x0 + x, y0 + y) = rgb(v, v, v, g.alpha[at] / 255.0f);
                    }
                }
                x0 += g.width + kGap;
            }
            y0 += line_h + kLineGap;
        }
        sheet.picture = std::move(canvas);
        sheet.pixel_size = size;
        sheet.line_height = line_h;
        sheet.lines = static_cast<int>(lines.size());
        return sheet;
    }
    return sheet;
}

namespace {

// Width of one glyph box with the one-column margins the game's texture coordinates include.
float box_width(const FontSheet::Box& b) {
    return static_cast<float>(b.right - b.left + 3);
}

}  // namespace

float game_text_width(const FontSheet& font, const std::string& text, float size) {
    if (font.boxes.size() != 94) {
        return 0;
    }
    float scale = size / font.line_height;
    float a = box_width(font.boxes['A' - 33]) * scale;
    float w = 0;
    for (unsigned char c : text) {
        if (c == ' ') {
            w += a;
        } else if (c > 32 && c < 127) {
            w += box_width(font.boxes[c - 33]) * scale + a / 10;
        }
    }
    return w;
}

void draw_game_text(Canvas& canvas, const FontSheet& font, const std::string& text, float size,
                    float x, float y, const Rgba& colour) {
    if (font.boxes.size() != 94) {
        return;
    }
    float scale = size / font.line_height;
    float a = box_width(font.boxes['A' - 33]) * scale;
    float pen = x;
    for (unsigned char c : text) {
        if (c == ' ') {
            pen += a;
            continue;
        }
        if (c <= 32 || c >= 127) {
            continue;
        }
        const FontSheet::Box& b = font.boxes[c - 33];
        Canvas glyph =
            font.picture.crop(b.left - 1, b.top, b.right - b.left + 3, b.bottom - b.top + 1);
        float gw = box_width(b) * scale;
        int w = std::max(1, static_cast<int>(std::lround(gw)));
        int h = std::max(1, static_cast<int>(std::lround(size)));
        Canvas scaled_glyph = glyph.resized(w, h);
        for (int yy = 0; yy < h; ++yy) {
            for (int xx = 0; xx < w; ++xx) {
                const Rgba& p = scaled_glyph.at(xx, yy);
                canvas.blend(static_cast<int>(std::lround(pen)) + xx,
                             static_cast<int>(std::lround(y - size)) + yy,
                             {p.r * colour.r, p.g * colour.g, p.b * colour.b, colour.a}, p.a);
            }
        }
        pen += gw + a / 10;
    }
}
