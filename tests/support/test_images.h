#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pictures made in the tests themselves: TGA and JPEG files as byte blocks, and a font picture
// laid out the way the font scan expects.

using Bytes = std::vector<unsigned char>;

// An uncompressed true-colour TGA; `pixels` are stored as given (BGR or BGRA, bottom row first).
Bytes make_tga(int width, int height, int bits, const Bytes& pixels, unsigned char descriptor = 0);

// A TGA of one colour per row band: the upper half of the picture `top`, the lower `bottom`,
// each given as R, G, B, A.
Bytes make_split_tga(int width, int height, int bits, const std::uint8_t top[4],
                     const std::uint8_t bottom[4]);

// A baseline JPEG from rows given top row first, `components` 3 (RGB) or 1 (grey).
Bytes make_jpeg(int width, int height, int components, const Bytes& top_first_pixels,
                int quality = 95);

// A JPEG whose upper half is `top` and lower half `bottom` (RGB triples).
Bytes make_split_jpeg(int width, int height, const std::uint8_t top[3],
                      const std::uint8_t bottom[3]);

// A 32-bit font picture with `glyphs` glyph boxes in text lines, each line led by a marker.
struct FontPicture {
    Bytes tga;
    int width = 0;
    int height = 0;
    int line_height_rows = 0;  // ink rows of one text line
    // Pixel columns of every glyph (first and last ink column) and its line's rows.
    struct Box {
        int left, right, top, bottom;
    };
    std::vector<Box> boxes;
};
FontPicture make_font_picture(int glyphs);
