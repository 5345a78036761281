#pragma once

#include <string>

#include "gfx/image.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"

// The built data archive, opened as the game opens it.
const PackArchive& game_archive();
// The folder quarrik-gen writes during the build (the loose generated files).
std::string generated_dir();

// A parameter file read from the archive; empty when the member is missing.
ParamFile archive_params(const std::string& name);
// A TGA member decoded with the game's decoder (rows bottom first); false when it fails.
bool archive_tga(const std::string& name, DecodedImage& image);

// Alpha of pixel (x, stored row y) of a decoded 32-bit picture.
inline int alpha_at(const DecodedImage& image, int x, int y) {
    return image.pixels[(static_cast<size_t>(y) * image.width + x) * 4 + 3];
}

// Sum of alpha over one cell (frame f, group g) of a sheet cut into `frames` x `groups`.
long cell_alpha(const DecodedImage& sheet, int frames, int groups, int f, int g, int row_from = 0,
                int row_to = -1);

bool is_power_of_two(int v);
