#pragma once

#include "gfx/image.h"
#include "gfx/texture.h"

// The fields of an uncompressed true-colour TGA header that the game accepts.
struct TgaHeader {
    int width = 0;
    int height = 0;
    int bytes_per_pixel = 0;  // 3 or 4
};

// Size of the fixed header in front of the pixels.
constexpr std::size_t kTgaHeaderSize = 18;

// Checks the header of an uncompressed 24- or 32-bit true-colour TGA and that the block holds
// all of its pixels. The pixels start at kTgaHeaderSize, bottom row first, BGR(A).
bool parse_tga_header(const unsigned char* data, std::size_t size, TgaHeader& header);

// The pixels of such a TGA as RGB or RGBA, in stored row order (bottom row first).
bool decode_tga(const unsigned char* data, std::size_t size, DecodedImage& image);

// Uncompressed true-colour TGA, 24 or 32 bits. Always an RGBA texture (24-bit images opaque);
// rows are used in stored order whatever the descriptor byte says.
class TgaTexture : public Texture {
  public:
    bool load_file(const std::string& path, bool repeat, bool mip) override;
    bool load_memory(const unsigned char* data, std::size_t size, bool repeat, bool mip) override;
    void release() override;
};
