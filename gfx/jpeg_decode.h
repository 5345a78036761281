#pragma once

#include <cstddef>

#include "gfx/image.h"

// Decodes a baseline JPEG held in memory with the library's default output (RGB for colour
// pictures, one component for greyscale). False when the library gives up on the data.
bool decode_jpeg(const unsigned char* data, std::size_t size, DecodedImage& image);
