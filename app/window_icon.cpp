#include "app/window_icon.h"

#include "gfx/tga_texture.h"
#include "storage/pack_archive.h"

bool load_window_icon(const PackArchive& archive, DecodedImage& icon) {
    const PackEntry entry = archive.read_file(kWindowIconName);
    DecodedImage stored;
    if (entry.empty() || !decode_tga(entry.data.get(), entry.size, stored)) {
        return false;
    }
    const std::size_t width = static_cast<std::size_t>(stored.width);
    const std::size_t height = static_cast<std::size_t>(stored.height);
    const std::size_t in_components = static_cast<std::size_t>(stored.components);
    icon.width = stored.width;
    icon.height = stored.height;
    icon.components = 4;
    icon.pixels.assign(width * height * 4, 255);
    // TGA rows are stored bottom first.
    for (std::size_t row = 0; row < height; ++row) {
        const unsigned char* in = stored.pixels.data() + (height - 1 - row) * width * in_components;
        unsigned char* out = icon.pixels.data() + row * width * 4;
        for (std::size_t x = 0; x < width; ++x) {
            for (std::size_t c = 0; c < in_components && c < 4; ++c) {
                out[x * 4 + c] = in[x * in_components + c];
            }
        }
    }
    return true;
}
