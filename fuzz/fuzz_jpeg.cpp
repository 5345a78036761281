// JPEG pictures through the game's memory source, alone and as colour plus alpha partner,
// headless (no GL context: decode only).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "gfx/jpeg_decode.h"
#include "gfx/jpeg_texture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodedImage image;
    if (decode_jpeg(data, size, image) &&
        image.pixels.size() != static_cast<std::size_t>(image.width) *
                                   static_cast<std::size_t>(image.height) *
                                   static_cast<std::size_t>(image.components)) {
        __builtin_trap();
    }
    JpegTexture texture;
    texture.load_memory(data, size, false, false);
    // The same bytes cut in two: a colour picture and its greyscale alpha partner.
    fuzz::Splitter split(data, size);
    const std::vector<std::uint8_t> colour = split.take();
    const std::vector<std::uint8_t> alpha = split.rest();
    JpegTexture pair;
    pair.load_memory_with_alpha(colour.data(), colour.size(), alpha.data(), alpha.size(), false);
    return 0;
}
