#pragma once

#include <vector>

// A decoded picture: rows of width * components bytes, bottom row first (the texture order).
struct DecodedImage {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
    int components = 0;
};
