#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>

namespace {

FT_Face face_of(void* p) {
    return static_cast<FT_Face>(p);
}

const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";

}  // namespace

TypeFace::TypeFace(const std::string& path) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        return;
    }
    m_library = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        return;
    }
    m_face = face;
}

TypeFace::~TypeFace() {
    if (m_face) {
        FT_Done_Face(face_of(m_face));
    }
    if (m_library) {
        FT_Done_FreeType(static_cast<FT_Library>(m_library));
    }
}

void TypeFace::set_size(float pixel_size) {
    if (pixel_size != m_size) {
        FT_Set_Char_Size(face_of(m_face), 0, static_cast<FT_F26Dot6>(std::lround(pixel_size * 64)),
                         72, 72);
        m_size = pixel_size;
    }
}

namespace {

GlyphImage coverage_of(FT_GlyphSlot slot) {
    GlyphImage out;
    out.width = static_cast<int>(slot->bitmap.width);
    out.height = static_cast<int>(slot->bitmap.rows);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.advance = slot->advance.x / 64.0f;
    out.coverage.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
        for (int x = 0; x < out.width; ++x) {
            out.coverage[static_cast<size_t>(y) * out.width + x] = row[x] / 255.0f;
        }
    }
    return out;
}

}  // namespace

GlyphImage TypeFace::glyph(unsigned char c, float pixel_size) {
    if (!m_face) {
        return {};
    }
    set_size(pixel_size);
    FT_Face face = face_of(m_face);
    if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) {
        return {};
    }
    return coverage_of(face->glyph);
}

GlyphImage TypeFace::shaped_glyph(unsigned char c, float pixel_size, float x_scale,
                                  float embolden) {
    if (!m_face) {
        return {};
    }
    set_size(pixel_size);
    FT_Face face = face_of(m_face);
    if (FT_Load_Char(face, c, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        return {};
    }
    FT_GlyphSlot slot = face->glyph;
    // Narrowed first, so the strokes keep the same weight as in the other glyphs.
    FT_Matrix squeeze = {static_cast<FT_Fixed>(std::lround(x_scale * 65536)), 0, 0, 0x10000};
    FT_Outline_Transform(&slot->outline, &squeeze);
    FT_Outline_Embolden(&slot->outline,
                        static_cast<FT_Pos>(std::lround(embolden * pixel_size * 64)));
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return {};
    }
    GlyphImage out = coverage_of(slot);
    out.advance *= x_scale;
    return out;
}

float TypeFace::width(const std::string& text, float pixel_size) {
    if (!m_face) {
        return 0;
    }
    set_size(pixel_size);
    float w = 0;
    for (unsigned char c : text) {
        if (FT_Load_Char(face_of(m_face), c, FT_LOAD_DEFAULT) == 0) {
            w += face_of(m_face)->glyph->advance.x / 64.0f;
        }
    }
    return w;
}

float TypeFace::ascent(float pixel_size) {
    set_size(pixel_size);
    return face_of(m_face)->size->metrics.ascender / 64.0f;
}

float TypeFace::descent(float pixel_size) {
    set_size(pixel_size);
    return -face_of(m_face)->size->metrics.descender / 64.0f;
}

void TypeFace::draw(Canvas& canvas, const std::string& text, float pixel_size, float x, float y,
                    const Rgba& colour, float tracking) {
    float pen = x;
    for (unsigned char c : text) {
        GlyphImage g = glyph(c, pixel_size);
        // Glyphs are rendered at whole-pixel pen positions; the fraction is kept for the next.
        int ox = static_cast<int>(std::lround(pen)) + g.left;
        int oy = static_cast<int>(std::lround(y)) - g.top;
        for (int gy = 0; gy < g.height; ++gy) {
            for (int gx = 0; gx < g.width; ++gx) {
                float cov = g.coverage[static_cast<size_t>(gy) * g.width + gx];
                if (cov > 0) {
                    canvas.blend(ox + gx, oy + gy, colour, cov);
                }
            }
        }
        pen += g.advance + tracking;
    }
}

void TypeFace::draw_centred(Canvas& canvas, const std::string& text, float pixel_size, float x,
                            float y, const Rgba& colour, float tracking) {
    float w = width(text, pixel_size) + tracking * (text.size() - 1);
    draw(canvas, text, pixel_size, x - w / 2, y, colour, tracking);
}

Fonts::Fonts()
    : bold(std::make_unique<TypeFace>(std::string(kFontDir) + "DejaVuSans-Bold.ttf")),
      regular(std::make_unique<TypeFace>(std::string(kFontDir) + "DejaVuSans.ttf")),
      serif(std::make_unique<TypeFace>(std::string(kFontDir) + "DejaVuSerif-Bold.ttf")) {}

bool Fonts::ok() const {
    return bold->ok() && regular->ok() && serif->ok();
}

void draw_styled(Canvas& canvas, TypeFace& face, const std::string& text, float x, float y,
                 const TextStyle& style, bool centred) {
    float w = face.width(text, style.size) + style.tracking * (text.size() - 1);
    float left = centred ? x - w / 2 : x;
    Canvas layer(canvas.width(), canvas.height());
    if (style.outline_width > 0) {
        // The outline: the text stamped around a circle.
        int steps = 16;
        for (int i = 0; i < steps; ++i) {
            float a = 6.2831853f * i / steps;
            face.draw(layer, text, style.size, left + std::cos(a) * style.outline_width,
                      y + std::sin(a) * style.outline_width, style.outline, style.tracking);
        }
    }
    face.draw(layer, text, style.size, left, y, style.colour, style.tracking);
    if (style.shadow.a > 0) {
        Canvas sh = layer.shadow(style.shadow, style.shadow_blur);
        canvas.draw(sh, static_cast<int>(std::lround(style.shadow_dx)),
                    static_cast<int>(std::lround(style.shadow_dy)));
    }
    canvas.draw(layer, 0, 0);
}
