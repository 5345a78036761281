// The window icon read from the data archive.

#include <gtest/gtest.h>

#include <vector>

#include "app/window_icon.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"

namespace {

// An uncompressed true-colour TGA, rows bottom first, BGR(A) pixels.
std::vector<unsigned char> tga(int width, int height, int bpp,
                               const std::vector<unsigned char>& bgr_bottom_first) {
    std::vector<unsigned char> file(18, 0);
    file[2] = 2;
    file[12] = static_cast<unsigned char>(width);
    file[14] = static_cast<unsigned char>(height);
    file[16] = static_cast<unsigned char>(bpp * 8);
    file.insert(file.end(), bgr_bottom_first.begin(), bgr_bottom_first.end());
    return file;
}

TEST(WindowIcon, StoredRowsComeOutTopFirstAsOpaqueRgba) {
    // Bottom row red, top row blue, 24 bits.
    const auto file = tga(2, 2, 3, {0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0, 0});
    PackArchive archive;
    ASSERT_TRUE(archive.add_memory(kWindowIconName, file.data(), file.size(), false));
    DecodedImage icon;
    ASSERT_TRUE(load_window_icon(archive, icon));
    ASSERT_EQ(icon.components, 4);
    ASSERT_EQ(icon.pixels.size(), 16u);
    const std::vector<unsigned char> blue = {0, 0, 255, 255};
    const std::vector<unsigned char> red = {255, 0, 0, 255};
    EXPECT_EQ(std::vector<unsigned char>(icon.pixels.begin(), icon.pixels.begin() + 4), blue);
    EXPECT_EQ(std::vector<unsigned char>(icon.pixels.begin() + 12, icon.pixels.end()), red);
}

TEST(WindowIcon, MissingOrDamagedPictureKeepsTheDefaultIcon) {
    PackArchive empty;
    DecodedImage icon;
    EXPECT_FALSE(load_window_icon(empty, icon));

    auto file = tga(4, 4, 4, std::vector<unsigned char>(4 * 4 * 4, 7));
    file.resize(30);  // cut inside the pixels
    PackArchive cut;
    ASSERT_TRUE(cut.add_memory(kWindowIconName, file.data(), file.size(), false));
    EXPECT_FALSE(load_window_icon(cut, icon));
}

TEST(WindowIcon, TheShippedArchiveHasOne) {
    PackArchive archive;
    archive.set_key(kPackKey);
    ASSERT_TRUE(archive.open(QUARRIK_GAME_DIR "/data/data.pk"));
    DecodedImage icon;
    ASSERT_TRUE(load_window_icon(archive, icon));
    EXPECT_GT(icon.width, 0);
    EXPECT_EQ(icon.pixels.size(), static_cast<std::size_t>(icon.width * icon.height * 4));
}

}  // namespace
