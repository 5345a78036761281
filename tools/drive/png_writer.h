#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An 8-bit RGB picture, rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 3

    const uint8_t* at(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * width + x) * 3];
    }
};

// The PNG file of the picture. The image data is deflated with stored (uncompressed) blocks:
// screenshots are few and small enough that a compressor is not worth carrying.
std::vector<uint8_t> encode_png(const RgbImage& image);
bool write_png(const std::string& path, const RgbImage& image);
