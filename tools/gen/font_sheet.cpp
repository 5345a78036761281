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

struct Glyph {
    int width = 0;               // ink columns
    int top = 0;                 // ink rows above the baseline (first row)
    int left = 0;                // first ink column relative to the glyph bitmap
    std::vector<uint8_t> alpha;  // rows of the line box, `width` wide
};

}  // namespace

FontSheet build_font_sheet(TypeFace& face) {
    FontSheet sheet;
    for (float size = 54; size >= 30; size -= 2) {
        // Render every glyph and find the common line box (highest ink to lowest ink).
        std::vector<GlyphImage> images;
        int box_top = 0;
        int box_bottom = 0;  // rows below the baseline
        for (int c = 33; c <= 126; ++c) {
            GlyphImage g = face.glyph(static_cast<unsigned char>(c), size);
            box_top = std::max(box_top, g.top);
            box_bottom = std::max(box_bottom, g.height - g.top);
            images.push_back(std::move(g));
        }
        const int line_h = box_top + box_bottom;
        std::vector<Glyph> glyphs;
        for (const GlyphImage& g : images) {
            Glyph out;
            // Horizontal ink extent, judged on the 8-bit alpha that ends up in the file.
            int first = g.width, last = -1;
            for (int x = 0; x < g.width; ++x) {
                for (int y = 0; y < g.height; ++y) {
                    if (std::lround(g.coverage[static_cast<size_t>(y) * g.width + x] * 255) > 0) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
            }
            out.width = last >= first ? last - first + 1 : 1;
            out.alpha.assign(static_cast<size_t>(out.width) * line_h, 0);
            for (int y = 0; y < g.height; ++y) {
                int row = box_top - g.top + y;
                for (int x = first; x <= last; ++x) {
                    long a = std::lround(g.coverage[static_cast<size_t>(y) * g.width + x] * 255);
                    out.alpha[static_cast<size_t>(row) * out.width + (x - first)] =
                        static_cast<uint8_t>(a);
                }
            }
            // A glyph made of separate strokes (the double quote) must still scan as one box:
            // each empty column inside it gets one nearly invisible ink pixel on the baseline.
            for (int x = 0; x < out.width; ++x) {
                bool ink = false;
                for (int y = 0; y < line_h && !ink; ++y) {
                    ink = out.alpha[static_cast<size_t>(y) * out.width + x] != 0;
                }
                if (!ink) {
                    out.alpha[static_cast<size_t>(box_top - 1) * out.width + x] = 1;
                }
            }
            glyphs.push_back(std::move(out));
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
                        uint8_t a = g.alpha[static_cast<size_t>(y) * g.width + x];
                        canvas.at(x0 + x, y0 + y) = rgb(1, 1, 1, a / 255.0f);
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
