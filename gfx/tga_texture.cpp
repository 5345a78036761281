#include "gfx/tga_texture.h"

#include <utility>
#include <vector>

namespace {

// No ID field, no colour map, type 2 (uncompressed true-colour), origin 0, 0.
const unsigned char kRequiredHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

int read_u16(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

}  // namespace

bool parse_tga_header(const unsigned char* data, std::size_t size, TgaHeader& header) {
    if (!data || size < kTgaHeaderSize) {
        return false;
    }
    for (int i = 0; i < 12; ++i) {
        if (data[i] != kRequiredHeader[i]) {
            return false;
        }
    }
    const int width = read_u16(data + 12);
    const int height = read_u16(data + 14);
    const int bits = data[16];
    if (width == 0 || height == 0 || (bits != 24 && bits != 32)) {
        return false;
    }
    const std::size_t pixel_bytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * (bits / 8);
    if (size - kTgaHeaderSize < pixel_bytes) {
        return false;
    }
    header.width = width;
    header.height = height;
    header.bytes_per_pixel = bits / 8;
    return true;
}

bool TgaTexture::load_file(const std::string& path, bool repeat, bool mip) {
    std::vector<unsigned char> bytes;
    if (!read_disk_file(path, bytes)) {
        clear();
        return false;
    }
    return load_memory(bytes.data(), bytes.size(), repeat, mip);
}

bool decode_tga(const unsigned char* data, std::size_t size, DecodedImage& image) {
    image = DecodedImage();
    TgaHeader header;
    if (!parse_tga_header(data, size, header)) {
        return false;
    }
    const int bpp = header.bytes_per_pixel;
    const std::size_t count = static_cast<std::size_t>(header.width) * header.height;
    image.pixels.assign(data + kTgaHeaderSize, data + kTgaHeaderSize + count * bpp);
    for (std::size_t i = 0; i < count; ++i) {
        std::swap(image.pixels[i * bpp], image.pixels[i * bpp + 2]);
    }
    image.width = header.width;
    image.height = header.height;
    image.components = bpp;
    return true;
}

bool TgaTexture::load_memory(const unsigned char* data, std::size_t size, bool repeat, bool mip) {
    DecodedImage image;
    if (!decode_tga(data, size, image)) {
        clear();
        return false;
    }
    // Unmipmapped TGA images always repeat; mipmapped ones follow the caller.
    create(image.pixels.data(), image.width, image.height, image.components, 4, mip,
           mip ? repeat : true);
    return true;
}

void TgaTexture::release() {
    delete_gl_texture();
}
