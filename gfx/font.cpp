#include "gfx/font.h"

#include <cstdio>

#include "gfx/gl.h"
#include "gfx/quad_batch.h"
#include "gfx/texture.h"
#include "gfx/tga_texture.h"

namespace {

// Alpha of the stored pixels, row 0 at the bottom as in the file.
class AlphaPlane {
  public:
    AlphaPlane(const unsigned char* pixels, int width) : m_pixels(pixels), m_width(width) {}

    bool ink(int column, int row) const {
        return m_pixels[(static_cast<std::size_t>(row) * m_width + column) * 4 + 3] != 0;
    }
    bool row_has_ink(int row) const {
        for (int c = 0; c < m_width; ++c) {
            if (ink(c, row)) {
                return true;
            }
        }
        return false;
    }
    bool column_has_ink(int column, int bottom, int top) const {
        for (int r = bottom; r <= top; ++r) {
            if (ink(column, r)) {
                return true;
            }
        }
        return false;
    }
    // First column from `from` on with (or without) ink in rows bottom..top; width when none.
    int find_column(int from, int bottom, int top, bool with_ink) const {
        for (int c = from; c < m_width; ++c) {
            if (column_has_ink(c, bottom, top) == with_ink) {
                return c;
            }
        }
        return m_width;
    }

  private:
    const unsigned char* m_pixels;
    int m_width;
};

}  // namespace

bool Font::load(const unsigned char* tga_data, std::size_t size, const Texture* texture) {
    m_texture = texture;
    m_glyphs.fill(Glyph());
    m_glyphs_found = 0;
    m_line_height = 0.0f;
    m_image_width = 0;
    m_image_height = 0;

    TgaHeader header;
    if (!parse_tga_header(tga_data, size, header) || header.bytes_per_pixel != 4) {
        return false;
    }
    const int width = header.width;
    const int height = header.height;
    m_image_width = static_cast<std::uint32_t>(width);
    m_image_height = static_cast<std::uint32_t>(height);
    // Only alpha matters to the scan, so the pixels are read in place.
    const AlphaPlane plane(tga_data + kTgaHeaderSize, width);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);

    int cursor = height;
    for (;;) {
        int top = cursor - 1;
        while (top >= 0 && !plane.row_has_ink(top)) {
            --top;
        }
        if (top <= 0) {
            break;
        }
        int below = top;
        while (below >= 0 && plane.row_has_ink(below)) {
            --below;
        }
        const int bottom = below + 1;
        cursor = bottom;
        m_line_height = top / h - bottom / h;

        // The marker block at the left of the line is not a glyph.
        const int marker = plane.find_column(0, bottom, top, true);
        int next = plane.find_column(marker, bottom, top, false);
        for (;;) {
            const int left = plane.find_column(next, bottom, top, true);
            if (left >= width) {
                break;
            }
            const int after = plane.find_column(left, bottom, top, false);
            const int right = after - 1;
            if (m_glyphs_found < kGlyphCount) {
                Glyph& g = m_glyphs[m_glyphs_found];
                g.t_top = top / h;
                g.t_bottom = bottom / h;
                g.u_left = (left - 1) / w;
                g.u_right = (right + 1) / w;
            }
            ++m_glyphs_found;
            next = after;
        }
    }
    return m_glyphs_found == kGlyphCount;
}

float Font::scale(float size) const {
    if (m_line_height <= 0.0f || m_image_height == 0) {
        return 0.0f;
    }
    return size / m_line_height * (static_cast<float>(m_image_width) / m_image_height);
}

float Font::space_advance(float s) const {
    const Glyph& a = m_glyphs['A' - kFirstChar];
    return s * (a.u_right - a.u_left);
}

void Font::draw_text(const char* text, float size, float x, float y, float z, float r, float g,
                     float b, float a) const {
    if (!text) {
        return;
    }
    const GLboolean texturing = glIsEnabled(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);

    // All the glyphs in one draw call: the software renderer pays per call far more than per
    // quad.
    QuadBatch batch;
    const float s = scale(size);
    const float space = space_advance(s);
    const float gap = space / 10.0f;
    float pen_x = x;
    float pen_y = y;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const int c = *p;
        if (c == ' ') {
            pen_x += space;
        } else if (c == '\n') {
            pen_x = x + gap;
            pen_y += size;
        } else if (c >= kFirstChar && c < kFirstChar + kGlyphCount) {
            const Glyph& gl = m_glyphs[c - kFirstChar];
            const float gw = s * (gl.u_right - gl.u_left);
            // Starting at the top-left corner, so that the quad is cut into triangles along
            // the same diagonal as the triangle strip drawn before.
            const QuadBatch::Corner quad[4] = {
                {pen_x, pen_y - size, z, gl.u_left, gl.t_top, r, g, b, a},
                {pen_x, pen_y, z, gl.u_left, gl.t_bottom, r, g, b, a},
                {pen_x + gw, pen_y, z, gl.u_right, gl.t_bottom, r, g, b, a},
                {pen_x + gw, pen_y - size, z, gl.u_right, gl.t_top, r, g, b, a},
            };
            batch.add(m_texture, true, quad);
            pen_x += gw + gap;
        }
        // Anything else has no glyph and does not move the pen.
    }
    batch.flush();
    if (!texturing) {
        glDisable(GL_TEXTURE_2D);
    }
}

void Font::draw_number(int n, float size, float x, float y, float z, float r, float g, float b,
                       float a) const {
    char text[16];
    std::snprintf(text, sizeof text, "%i", n);
    draw_text(text, size, x, y, z, r, g, b, a);
}

float Font::text_width(const char* text, float size) const {
    if (!text) {
        return 0.0f;
    }
    const float s = scale(size);
    const float space = space_advance(s);
    float width = 0.0f;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const int c = *p;
        if (c == ' ') {
            width += space;
        } else if (c >= kFirstChar && c < kFirstChar + kGlyphCount) {
            const Glyph& g = m_glyphs[c - kFirstChar];
            width += s * (g.u_right - g.u_left) + space / 10.0f;
        }
    }
    return width;
}
