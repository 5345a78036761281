#pragma once

#include "canvas.h"
#include "text.h"

// The game's bitmap font: the 94 glyphs '!' .. '~' in white with coverage as alpha, in text
// lines that each begin with a marker block spanning the whole line box. The game finds the
// glyph boxes by scanning the alpha channel, so every box is separated by empty columns and
// every line by empty rows.
struct FontSheet {
    Canvas picture;
    float pixel_size = 0;
    int line_height = 0;
    int lines = 0;
};

FontSheet build_font_sheet(TypeFace& face);
