#pragma once

#include <memory>
#include <string>
#include <vector>

#include "canvas.h"

// One glyph rendered as coverage (0..1), with its placement relative to the pen.
struct GlyphImage {
    int width = 0;
    int height = 0;
    int left = 0;  // from the pen to the first column
    int top = 0;   // from the baseline up to the first row
    float advance = 0;
    std::vector<float> coverage;  // top-down rows
};

// Text rendered with FreeType from a TrueType file (the system's free fonts).
class TypeFace {
  public:
    explicit TypeFace(const std::string& path);
    ~TypeFace();
    TypeFace(const TypeFace&) = delete;
    TypeFace& operator=(const TypeFace&) = delete;

    bool ok() const { return m_face != nullptr; }

    GlyphImage glyph(unsigned char c, float pixel_size);
    // The glyph with its strokes thickened by `embolden` (a fraction of the size, spread over
    // both sides) and its width scaled by `x_scale`, for a weight or width the file lacks.
    GlyphImage shaped_glyph(unsigned char c, float pixel_size, float x_scale, float embolden);
    float width(const std::string& text, float pixel_size);
    // Ascent and descent (positive, below the baseline) at this size.
    float ascent(float pixel_size);
    float descent(float pixel_size);

    // Draws text with its baseline at y and its left end at x.
    void draw(Canvas& canvas, const std::string& text, float pixel_size, float x, float y,
              const Rgba& colour, float tracking = 0);
    // The same, centred on x.
    void draw_centred(Canvas& canvas, const std::string& text, float pixel_size, float x, float y,
                      const Rgba& colour, float tracking = 0);

  private:
    void set_size(float pixel_size);

    void* m_library = nullptr;
    void* m_face = nullptr;
    float m_size = 0;
};

// The faces the generator uses, all from the fonts-dejavu-core package.
struct Fonts {
    Fonts();
    bool ok() const;
    std::unique_ptr<TypeFace> bold;     // DejaVu Sans Bold
    std::unique_ptr<TypeFace> regular;  // DejaVu Sans
    std::unique_ptr<TypeFace> serif;    // DejaVu Serif Bold (titles)
};

// Captions with a soft drop shadow and an optional outline, drawn on their own layer.
struct TextStyle {
    float size = 20;
    Rgba colour = {1, 1, 1, 1};
    Rgba outline = {0, 0, 0, 0};
    float outline_width = 0;
    Rgba shadow = {0, 0, 0, 0};
    int shadow_blur = 0;
    float shadow_dx = 0, shadow_dy = 0;
    float tracking = 0;
};

void draw_styled(Canvas& canvas, TypeFace& face, const std::string& text, float x, float y,
                 const TextStyle& style, bool centred);
