#include "support/test_images.h"

#include <jpeglib.h>
#include <cstdio>
#include <cstdlib>

Bytes make_tga(int width, int height, int bits, const Bytes& pixels, unsigned char descriptor) {
    Bytes out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    out.push_back(static_cast<unsigned char>(width & 0xFF));
    out.push_back(static_cast<unsigned char>(width >> 8));
    out.push_back(static_cast<unsigned char>(height & 0xFF));
    out.push_back(static_cast<unsigned char>(height >> 8));
    out.push_back(static_cast<unsigned char>(bits));
    out.push_back(descriptor);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes make_split_tga(int width, int height, int bits, const std::uint8_t top[4],
                     const std::uint8_t bottom[4]) {
    const int bpp = bits / 8;
    Bytes pixels;
    for (int row = 0; row < height; ++row) {  // stored bottom row first
        const std::uint8_t* c = row < height / 2 ? bottom : top;
        for (int x = 0; x < width; ++x) {
            pixels.push_back(c[2]);
            pixels.push_back(c[1]);
            pixels.push_back(c[0]);
            if (bpp == 4) {
                pixels.push_back(c[3]);
            }
        }
    }
    return make_tga(width, height, bits, pixels);
}

Bytes make_jpeg(int width, int height, int components, const Bytes& top_first_pixels, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t row_bytes = static_cast<std::size_t>(width) * components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<unsigned char*>(top_first_pixels.data() + cinfo.next_scanline * row_bytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes make_split_jpeg(int width, int height, const std::uint8_t top[3],
                      const std::uint8_t bottom[3]) {
    Bytes pixels;
    for (int row = 0; row < height; ++row) {  // top row first
        const std::uint8_t* c = row < height / 2 ? top : bottom;
        for (int x = 0; x < width; ++x) {
            pixels.insert(pixels.end(), {c[0], c[1], c[2]});
        }
    }
    return make_jpeg(width, height, 3, pixels);
}

FontPicture make_font_picture(int glyphs) {
    FontPicture font;
    font.width = 256;
    font.height = 128;
    font.line_height_rows = 12;
    const int per_line = 24;
    Bytes pixels(static_cast<std::size_t>(font.width) * font.height * 4, 0);
    auto ink = [&](int x, int row) {
        unsigned char* p = &pixels[(static_cast<std::size_t>(row) * font.width + x) * 4];
        p[0] = p[1] = p[2] = 255;
        p[3] = static_cast<unsigned char>(128 + (x + row) % 100);  // any non-zero alpha is ink
    };
    const int lines = (glyphs + per_line - 1) / per_line;
    for (int line = 0; line < lines; ++line) {
        // Lines from the top of the picture down; row 0 is the bottom.
        const int top = font.height - 3 - line * (font.line_height_rows + 4);
        const int bottom = top - font.line_height_rows + 1;
        for (int row = bottom; row <= top; ++row) {
            for (int x = 1; x <= 3; ++x) {
                ink(x, row);  // the line marker
            }
        }
        int x = 6;
        for (int i = 0; i < per_line && line * per_line + i < glyphs; ++i) {
            const int index = line * per_line + i;
            const int w = 2 + index % 5;
            // Glyphs of differing heights, some touching the top, some only the bottom.
            const int ink_top = index % 2 ? top : top - 4;
            const int ink_bottom = index % 3 ? bottom : bottom + 2;
            for (int c = x; c < x + w; ++c) {
                // A hollow column in wide glyphs must not split them: ink on one row is enough.
                const bool hollow = w >= 5 && c == x + w / 2;
                for (int row = ink_bottom; row <= ink_top; ++row) {
                    if (!hollow || row == ink_bottom) {
                        ink(c, row);
                    }
                }
            }
            font.boxes.push_back({x, x + w - 1, top, bottom});
            x += w + 1 + index % 2;
        }
    }
    font.tga = make_tga(font.width, font.height, 32, pixels);
    return font;
}
