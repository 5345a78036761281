// TGA pictures through the texture loader, headless: decoding and the size checks run, the
// upload is skipped without a GL context.
#include <cstddef>
#include <cstdint>

#include "gfx/tga_texture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodedImage image;
    const bool decoded = decode_tga(data, size, image);
    if (decoded && image.pixels.size() != static_cast<std::size_t>(image.width) *
                                              static_cast<std::size_t>(image.height) *
                                              static_cast<std::size_t>(image.components)) {
        __builtin_trap();
    }
    TgaTexture texture;
    texture.load_memory(data, size, false, true);
    texture.release();
    return 0;
}
