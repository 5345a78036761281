#pragma once

#include "gfx/image.h"

class PackArchive;

// Where the window's icon picture lives in the data archive.
constexpr const char* kWindowIconName = "mui/icon.tga";

// The icon picture as RGBA, top row first (the form the window system takes). False when the
// picture is missing or damaged; the window then keeps the system's default icon.
bool load_window_icon(const PackArchive& archive, DecodedImage& icon);
