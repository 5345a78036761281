#pragma once

#include <cstdint>
#include <string>

class PackArchive;

// Fills an archive (in memory) with every file the resource set loads: the font picture, a
// layout naming the control images, the control and window images, six backgrounds, the
// sprite files of `skins` skins and the player sprite. Every picture except the font is one
// solid colour, `colour` (R, G, B); sprite sheets are 64 x 32 with 2 frames and 2 groups.
void add_resource_files(PackArchive& archive, int skins, const std::uint8_t colour[3]);

// The image file the layout names for a control key (as add_resource_files writes it).
std::string control_image_name(const std::string& key);
