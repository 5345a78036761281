#include "gfx/jpeg_texture.h"

#include "gfx/jpeg_decode.h"

bool JpegTexture::load_files_with_alpha(const std::string& colour_path,
                                        const std::string& alpha_path, bool mip) {
    std::vector<unsigned char> colour;
    std::vector<unsigned char> alpha;
    if (!read_disk_file(colour_path, colour) || !read_disk_file(alpha_path, alpha)) {
        clear();
        return false;
    }
    return load_memory_with_alpha(colour.data(), colour.size(), alpha.data(), alpha.size(), mip);
}

bool JpegTexture::load_memory_with_alpha(const unsigned char* colour_data, std::size_t colour_size,
                                         const unsigned char* alpha_data, std::size_t alpha_size,
                                         bool mip) {
    DecodedImage colour;
    DecodedImage alpha;
    if (!decode_jpeg(colour_data, colour_size, colour) ||
        !decode_jpeg(alpha_data, alpha_size, alpha) || colour.components != 3 ||
        alpha.components != 1 || colour.width != alpha.width || colour.height != alpha.height) {
        clear();
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(colour.width) * colour.height;
    std::vector<unsigned char> rgba(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        rgba[i * 4] = colour.pixels[i * 3];
        rgba[i * 4 + 1] = colour.pixels[i * 3 + 1];
        rgba[i * 4 + 2] = colour.pixels[i * 3 + 2];
        rgba[i * 4 + 3] = alpha.pixels[i];
    }
    create(rgba.data(), colour.width, colour.height, 4, 4, mip, true);
    return true;
}

bool JpegTexture::load_file(const std::string& path, bool repeat, bool mip) {
    std::vector<unsigned char> bytes;
    if (!read_disk_file(path, bytes)) {
        clear();
        return false;
    }
    return load_memory(bytes.data(), bytes.size(), repeat, mip);
}

namespace {

// The pictures a single JPEG may hold: colour, or greyscale shown as grey.
bool decode_picture(const unsigned char* data, std::size_t size, DecodedImage& image) {
    return decode_jpeg(data, size, image) && (image.components == 3 || image.components == 1);
}

}  // namespace

bool JpegTexture::check_memory(const unsigned char* data, std::size_t size, bool repeat) {
    DecodedImage image;
    if (!decode_picture(data, size, image)) {
        clear();
        return false;
    }
    release();
    m_width = image.width;
    m_height = image.height;
    m_components = 3;
    m_repeat = repeat;
    return true;
}

bool JpegTexture::load_memory(const unsigned char* data, std::size_t size, bool repeat, bool mip) {
    DecodedImage image;
    if (!decode_picture(data, size, image)) {
        clear();
        return false;
    }
    if (image.components == 1) {
        // A lone greyscale picture: grey RGB, so it draws as it looks.
        const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
        std::vector<unsigned char> rgb(count * 3);
        for (std::size_t i = 0; i < count; ++i) {
            rgb[i * 3] = rgb[i * 3 + 1] = rgb[i * 3 + 2] = image.pixels[i];
        }
        image.pixels.swap(rgb);
        image.components = 3;
    }
    create(image.pixels.data(), image.width, image.height, 3, 3, mip, repeat);
    return true;
}

void JpegTexture::release() {
    delete_gl_texture();
}
