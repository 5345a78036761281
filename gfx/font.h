#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class Texture;

// The proportional bitmap font. Its picture carries no metrics: each glyph's box is found by
// scanning the alpha channel (see load). Text is one textured quad per character, scaled to a
// requested height in logical units.
class Font {
  public:
    static constexpr int kFirstChar = 33;   // '!'
    static constexpr int kGlyphCount = 94;  // '!' .. '~'

    // Box of one glyph in texture coordinates (t = 0 at the bottom of the picture).
    struct Glyph {
        float t_top = 0.0f;
        float t_bottom = 0.0f;
        float u_left = 0.0f;
        float u_right = 0.0f;
    };

    // Scans a 32-bit TGA font picture held in memory and keeps `texture` (not owned) for
    // drawing. The picture holds text lines separated by transparent rows; each line starts
    // with a marker block, then its glyphs separated by transparent columns, lines read from
    // the top. True only when exactly 94 glyphs are found; the boxes found are kept either way.
    bool load(const unsigned char* tga_data, std::size_t size, const Texture* texture);

    // Draws a one- or multi-line string; `size` is the glyph height, (x, y) the left end of the
    // baseline. Leaves blending and the depth test off, colour white, texturing as found.
    void draw_text(const char* text, float size, float x, float y, float z, float r, float g,
                   float b, float a) const;
    void draw_number(int n, float size, float x, float y, float z, float r, float g, float b,
                     float a) const;
    // The advance draw_text makes for one line, the gap after the last glyph included.
    float text_width(const char* text, float size) const;

    const Glyph& glyph(int index) const { return m_glyphs[index]; }
    float line_height() const { return m_line_height; }
    // Number of glyph boxes the last scan found (94 for a good picture).
    int glyphs_found() const { return m_glyphs_found; }

  private:
    // Scale from a width in u to logical units at `size`; 0 when nothing was scanned.
    float scale(float size) const;
    // Width of a space: the width of 'A'.
    float space_advance(float s) const;

    const Texture* m_texture = nullptr;
    std::array<Glyph, kGlyphCount> m_glyphs{};
    float m_line_height = 0.0f;
    std::uint32_t m_image_width = 0;
    std::uint32_t m_image_height = 0;
    int m_glyphs_found = 0;
};
