#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/jpeg_decode.h"
#include "gfx/jpeg_texture.h"
#include "gfx/tga_texture.h"
#include "support/temp_dir.h"
#include "support/test_images.h"

namespace {

const std::uint8_t kRed[4] = {255, 0, 0, 255};
const std::uint8_t kBlueHalf[4] = {0, 0, 255, 128};

std::string as_string(const Bytes& b) {
    return std::string(b.begin(), b.end());
}

TEST(TgaTexture, DecodesBothDepthsBottomRowFirstAsRgb) {
    DecodedImage image;
    const Bytes tga24 = make_split_tga(4, 2, 24, kRed, kBlueHalf);
    ASSERT_TRUE(decode_tga(tga24.data(), tga24.size(), image));
    EXPECT_EQ(4, image.width);
    EXPECT_EQ(2, image.height);
    EXPECT_EQ(3, image.components);
    // Stored row 0 is the bottom (blue) row; BGR became RGB.
    EXPECT_EQ((Bytes{0, 0, 255}), Bytes(image.pixels.begin(), image.pixels.begin() + 3));
    EXPECT_EQ((Bytes{255, 0, 0}), Bytes(image.pixels.end() - 3, image.pixels.end()));

    const Bytes tga32 = make_split_tga(4, 2, 32, kRed, kBlueHalf);
    ASSERT_TRUE(decode_tga(tga32.data(), tga32.size(), image));
    EXPECT_EQ(4, image.components);
    EXPECT_EQ((Bytes{0, 0, 255, 128}), Bytes(image.pixels.begin(), image.pixels.begin() + 4));
    EXPECT_EQ((Bytes{255, 0, 0, 255}), Bytes(image.pixels.end() - 4, image.pixels.end()));

    TgaTexture texture;
    EXPECT_TRUE(texture.load_memory(tga32.data(), tga32.size(), false, true));
    EXPECT_EQ(4, texture.width());
    EXPECT_EQ(2, texture.height());
    EXPECT_EQ(4, texture.components());
    EXPECT_EQ(0u, texture.gl_name());  // no GL context here
}

TEST(TgaTexture, TopDownDescriptorKeepsStoredOrder) {
    Bytes pixels = {1, 2, 3, 4, 5, 6};  // two pixels, one per row
    const Bytes plain = make_tga(1, 2, 24, pixels, 0);
    const Bytes top_down = make_tga(1, 2, 24, pixels, 0x20);
    DecodedImage a, b;
    ASSERT_TRUE(decode_tga(plain.data(), plain.size(), a));
    ASSERT_TRUE(decode_tga(top_down.data(), top_down.size(), b));
    EXPECT_EQ(a.pixels, b.pixels);
    EXPECT_EQ((Bytes{3, 2, 1, 6, 5, 4}), b.pixels);
}

TEST(TgaTexture, RejectsOtherHeadersAndShortBlocks) {
    const Bytes good = make_split_tga(4, 4, 24, kRed, kBlueHalf);
    auto rejected = [](Bytes data) {
        TgaTexture texture;
        const bool ok = texture.load_memory(data.data(), data.size(), false, false);
        return !ok && texture.gl_name() == 0 && texture.width() == 0;
    };
    Bytes b = good;
    b[2] = 10;  // run-length compressed
    EXPECT_TRUE(rejected(b));
    b = good;
    b[1] = 1;  // colour-mapped
    EXPECT_TRUE(rejected(b));
    b = good;
    b[0] = 5;  // ID field present
    EXPECT_TRUE(rejected(b));
    b = good;
    b[12] = b[13] = 0;  // zero width
    EXPECT_TRUE(rejected(b));
    b = good;
    b[14] = b[15] = 0;  // zero height
    EXPECT_TRUE(rejected(b));
    b = good;
    b[16] = 16;
    EXPECT_TRUE(rejected(b));
    // One pixel byte missing, or not even a whole header.
    EXPECT_TRUE(rejected(Bytes(good.begin(), good.end() - 1)));
    EXPECT_TRUE(rejected(Bytes(good.begin(), good.begin() + 17)));
    EXPECT_TRUE(rejected(Bytes()));
    // A size far beyond the block must not be read.
    b = Bytes(good.begin(), good.begin() + 18);
    b[12] = b[13] = b[14] = b[15] = 0xFF;
    EXPECT_TRUE(rejected(b));
}

TEST(TgaTexture, FailedReloadLeavesTextureEmpty) {
    const Bytes good = make_split_tga(8, 8, 32, kRed, kBlueHalf);
    TgaTexture texture;
    ASSERT_TRUE(texture.load_memory(good.data(), good.size(), false, false));
    EXPECT_FALSE(texture.load_memory(good.data(), 20, false, false));
    EXPECT_EQ(0, texture.width());
    EXPECT_EQ(0u, texture.gl_name());
}

TEST(TgaTexture, LoadsFilesAndFailsOnMissingOrShortOnes) {
    TempDir dir;
    const Bytes good = make_split_tga(4, 4, 24, kRed, kBlueHalf);
    const std::string path = dir.write("a.tga", as_string(good));
    const std::string cut = dir.write("cut.tga", as_string(Bytes(good.begin(), good.end() - 3)));
    TgaTexture texture;
    EXPECT_TRUE(texture.load_file(path, false, true));
    EXPECT_EQ(4, texture.width());
    EXPECT_FALSE(texture.load_file(cut, false, true));
    EXPECT_FALSE(texture.load_file(dir.path() + "/missing.tga", false, true));
    // A TGA knows no separate alpha picture.
    EXPECT_FALSE(texture.load_files_with_alpha(path, path, true));
}

Bytes noise(int width, int height, int components, unsigned seed) {
    Bytes pixels(static_cast<std::size_t>(width) * height * components);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        seed = seed * 1103515245u + 12345u;
        pixels[i] = static_cast<unsigned char>(seed >> 16);
    }
    return pixels;
}

TEST(JpegTexture, DecodesColourTopRowLast) {
    const std::uint8_t red[3] = {255, 0, 0};
    const std::uint8_t blue[3] = {0, 0, 255};
    const Bytes jpeg = make_split_jpeg(16, 16, red, blue);
    DecodedImage image;
    ASSERT_TRUE(decode_jpeg(jpeg.data(), jpeg.size(), image));
    EXPECT_EQ(16, image.width);
    EXPECT_EQ(16, image.height);
    ASSERT_EQ(3, image.components);
    // The first texture row is the bottom of the picture: blue; the last is red.
    EXPECT_LT(image.pixels[0], 40);
    EXPECT_GT(image.pixels[2], 200);
    const std::size_t last = image.pixels.size() - 3;
    EXPECT_GT(image.pixels[last], 200);
    EXPECT_LT(image.pixels[last + 2], 40);

    JpegTexture texture;
    EXPECT_TRUE(texture.load_memory(jpeg.data(), jpeg.size(), true, false));
    EXPECT_EQ(16, texture.width());
    EXPECT_EQ(3, texture.components());
}

TEST(JpegTexture, LargePictureSurvivesManyRefills) {
    // Noise compresses badly, so this file spans many 4096-byte refills.
    const int w = 128, h = 96;
    const Bytes pixels = noise(w, h, 1, 7);
    const Bytes jpeg = make_jpeg(w, h, 1, pixels, 100);
    ASSERT_GT(jpeg.size(), 3 * 4096u);
    DecodedImage image;
    ASSERT_TRUE(decode_jpeg(jpeg.data(), jpeg.size(), image));
    ASSERT_EQ(1, image.components);
    int worst = 0;
    for (int row = 0; row < h; ++row) {
        for (int x = 0; x < w; ++x) {
            const int want = pixels[row * w + x];
            const int got = image.pixels[(h - 1 - row) * w + x];
            worst = std::max(worst, std::abs(want - got));
        }
    }
    EXPECT_LE(worst, 8);
}

TEST(JpegTexture, ColourWithAlphaPartner) {
    const Bytes colour = make_jpeg(8, 4, 3, noise(8, 4, 3, 1));
    const Bytes alpha = make_jpeg(8, 4, 1, Bytes(32, 200));
    JpegTexture texture;
    ASSERT_TRUE(texture.load_memory_with_alpha(colour.data(), colour.size(), alpha.data(),
                                               alpha.size(), true));
    EXPECT_EQ(8, texture.width());
    EXPECT_EQ(4, texture.height());
    EXPECT_EQ(4, texture.components());

    TempDir dir;
    const std::string c = dir.write("c.jpg", as_string(colour));
    const std::string a = dir.write("a.jpg", as_string(alpha));
    EXPECT_TRUE(texture.load_files_with_alpha(c, a, false));
    EXPECT_FALSE(texture.load_files_with_alpha(c, dir.path() + "/none.jpg", false));
    EXPECT_TRUE(texture.load_file(c, false, false));
    EXPECT_EQ(3, texture.components());
}

TEST(JpegTexture, MismatchedPairsAreRejected) {
    const Bytes colour = make_jpeg(8, 4, 3, noise(8, 4, 3, 1));
    const Bytes other_colour = make_jpeg(8, 4, 3, noise(8, 4, 3, 2));
    const Bytes grey = make_jpeg(8, 4, 1, Bytes(32, 90));
    const Bytes grey_wide = make_jpeg(16, 4, 1, Bytes(64, 90));
    const Bytes grey_tall = make_jpeg(8, 8, 1, Bytes(64, 90));
    JpegTexture texture;
    auto pair = [&](const Bytes& c, const Bytes& a) {
        return texture.load_memory_with_alpha(c.data(), c.size(), a.data(), a.size(), false);
    };
    EXPECT_FALSE(pair(colour, grey_wide));
    EXPECT_FALSE(pair(colour, grey_tall));
    EXPECT_FALSE(pair(colour, other_colour));  // alpha must be one component
    EXPECT_FALSE(pair(grey, grey));            // colour must be three
    EXPECT_EQ(0, texture.width());
    EXPECT_TRUE(pair(colour, grey));
}

TEST(JpegTexture, LoneGreyscalePictureBecomesRgb) {
    const Bytes grey = make_jpeg(8, 8, 1, Bytes(64, 128));
    JpegTexture texture;
    ASSERT_TRUE(texture.load_memory(grey.data(), grey.size(), false, false));
    EXPECT_EQ(3, texture.components());
    EXPECT_EQ(8, texture.width());
}

TEST(JpegTexture, CorruptDataFailsWithoutCrashing) {
    JpegTexture texture;
    const Bytes good = make_jpeg(16, 16, 3, noise(16, 16, 3, 3));
    Bytes garbage = noise(500, 1, 1, 9);
    EXPECT_FALSE(texture.load_memory(garbage.data(), garbage.size(), false, false));
    EXPECT_FALSE(texture.load_memory(nullptr, 0, false, false));
    EXPECT_FALSE(texture.load_memory(good.data(), 0, false, false));
    // Cut inside the headers: the end-of-image marker arrives before any frame.
    EXPECT_FALSE(texture.load_memory(good.data(), 40, false, false));
    // Start-of-image marker followed by nonsense markers.
    Bytes bad = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x02, 0x08};
    EXPECT_FALSE(texture.load_memory(bad.data(), bad.size(), false, false));
    EXPECT_EQ(0, texture.width());
    EXPECT_EQ(0u, texture.gl_name());

    // A picture cut after its headers still decodes what it has (the rest grey).
    ASSERT_TRUE(texture.load_memory(good.data(), good.size() * 3 / 4, false, false));
    EXPECT_EQ(16, texture.width());
    // And the decoder is fine for the next picture.
    EXPECT_TRUE(texture.load_memory(good.data(), good.size(), false, false));
}

}  // namespace
