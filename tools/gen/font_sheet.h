#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "text.h"

// The game's bitmap font: the 94 glyphs '!' .. '~', white letters in a dark rim, in text
// lines that each begin with a marker block spanning the whole line box. The game finds the
// glyph boxes by scanning the alpha channel, so every box is separated by empty columns and
// every line by empty rows.
struct FontSheet {
    Canvas picture;
    float pixel_size = 0;
    int line_height = 0;
    int lines = 0;
    // Where each glyph landed (ink columns, line rows; top-down picture coordinates).
    struct Box {
        int left, right, top, bottom;
    };
    std::vector<Box> boxes;
};

// Draws text the way the game draws it with this font: `size` is the glyph height, (x, y) the
// left end of the baseline (the bottom of the glyph boxes), the glyphs tinted by `colour`.
void draw_game_text(Canvas& canvas, const FontSheet& font, const std::string& text, float size,
                    float x, float y, const Rgba& colour);
float game_text_width(const FontSheet& font, const std::string& text, float size);

FontSheet build_font_sheet(TypeFace& face);
