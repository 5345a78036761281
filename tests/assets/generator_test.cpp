// The generator's own building blocks: its encoders are read back with the game's decoders,
// and its sheet layout and resampling are checked on small made-up pictures.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "canvas.h"
#include "gfx/jpeg_decode.h"
#include "gfx/tga_texture.h"
#include "image_io.h"
#include "sprite_sheet.h"
#include "support/temp_dir.h"

namespace {

// A picture whose every pixel is distinct, top row first.
Canvas numbered(int w, int h) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            c.at(x, y) = {x / 255.0f, y / 255.0f, (x + y) % 7 / 255.0f, (200 + x) / 255.0f};
        }
    }
    return c;
}

TEST(GeneratorEncoders, TgaStoresTheBottomRowFirstAsTheGameReadsIt) {
    Canvas picture = numbered(5, 3);
    Bytes file = encode_tga(picture, true);
    DecodedImage image;
    ASSERT_TRUE(decode_tga(file.data(), file.size(), image));
    ASSERT_EQ(image.width, 5);
    ASSERT_EQ(image.height, 3);
    ASSERT_EQ(image.components, 4);
    for (int row = 0; row < 3; ++row) {  // stored row 0 is the bottom of the picture
        for (int x = 0; x < 5; ++x) {
            const unsigned char* p = &image.pixels[(row * 5 + x) * 4];
            int y = 2 - row;
            EXPECT_EQ(p[0], x);
            EXPECT_EQ(p[1], y);
            EXPECT_EQ(p[2], (x + y) % 7);
            EXPECT_EQ(p[3], 200 + x);
        }
    }
    // Without alpha the file has three bytes a pixel and the game sees it opaque.
    Bytes plain = encode_tga(picture, false);
    EXPECT_EQ(plain.size(), 18u + 5 * 3 * 3);
    ASSERT_TRUE(decode_tga(plain.data(), plain.size(), image));
    EXPECT_EQ(image.components, 3);
}

TEST(GeneratorEncoders, JpegKeepsSizeColoursAndWhichWayIsUp) {
    Canvas picture(64, 32);
    picture.shade([](float, float y) { return y < 16 ? hex(0xd02020) : hex(0x2040d0); });
    Bytes file = encode_jpeg(picture, 90);
    DecodedImage image;
    ASSERT_TRUE(decode_jpeg(file.data(), file.size(), image));
    ASSERT_EQ(image.width, 64);
    ASSERT_EQ(image.height, 32);
    ASSERT_EQ(image.components, 3);
    // The game's rows are bottom first: row 0 is the blue bottom, the last row the red top.
    const unsigned char* bottom = &image.pixels[(2 * 64 + 10) * 3];
    const unsigned char* top = &image.pixels[(29 * 64 + 10) * 3];
    EXPECT_GT(bottom[2], 180);
    EXPECT_LT(bottom[0], 70);
    EXPECT_GT(top[0], 180);
    EXPECT_LT(top[2], 70);
}

uint32_t be32(const Bytes& b, size_t at) {
    return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8) |
           b[at + 3];
}

TEST(GeneratorEncoders, ChecksumsMatchTheirPublishedValues) {
    const std::string iend = "IEND";
    EXPECT_EQ(crc32_of(reinterpret_cast<const uint8_t*>(iend.data()), iend.size()), 0xAE426082u);
    const std::string word = "Wikipedia";
    EXPECT_EQ(adler32_of(reinterpret_cast<const uint8_t*>(word.data()), word.size()), 0x11E60398u);
}

TEST(GeneratorEncoders, PngHoldsEveryPixelInStoredBlocks) {
    // Large enough to need several stored blocks of at most 65535 bytes.
    const int w = 200, h = 120;
    Canvas picture = numbered(w, h);
    Bytes png = encode_png(picture);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    // Walk the chunks, checking each CRC, and collect the image data.
    Bytes zdata;
    size_t at = 8;
    bool ended = false;
    while (at + 12 <= png.size()) {
        uint32_t len = be32(png, at);
        std::string type(png.begin() + at + 4, png.begin() + at + 8);
        ASSERT_LE(at + 12 + len, png.size());
        EXPECT_EQ(be32(png, at + 8 + len), crc32_of(&png[at + 4], len + 4)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(be32(png, at + 8), uint32_t(w));
            EXPECT_EQ(be32(png, at + 12), uint32_t(h));
        } else if (type == "IDAT") {
            zdata.insert(zdata.end(), png.begin() + at + 8, png.begin() + at + 8 + len);
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + len;
    }
    EXPECT_TRUE(ended);
    // Undo the stored deflate blocks.
    Bytes raw;
    size_t p = 2;
    int blocks = 0;
    for (bool last = false; !last && p + 5 <= zdata.size(); ++blocks) {
        last = zdata[p] & 1;
        size_t n = zdata[p + 1] | (zdata[p + 2] << 8);
        size_t check = zdata[p + 3] | (zdata[p + 4] << 8);
        EXPECT_EQ(n ^ 0xffff, check);
        raw.insert(raw.end(), zdata.begin() + p + 5, zdata.begin() + p + 5 + n);
        p += 5 + n;
    }
    EXPECT_GT(blocks, 1);
    ASSERT_EQ(raw.size(), size_t(h) * (w * 4 + 1));
    EXPECT_EQ(be32(zdata, p), adler32_of(raw.data(), raw.size()));
    std::vector<uint8_t> rgba = picture.rgba8();
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(raw[y * (w * 4 + 1)], 0) << "filter byte of row " << y;
        EXPECT_TRUE(std::equal(rgba.begin() + y * w * 4, rgba.begin() + (y + 1) * w * 4,
                               raw.begin() + y * (w * 4 + 1) + 1))
            << "row " << y;
    }
}

TEST(GeneratorPictures, ReducingAveragesAndKeepsEdgeColours) {
    Canvas c(4, 4);
    c.shade([](float x, float) { return x < 2 ? hex(0xff0000) : hex(0x0000ff); });
    Canvas half = c.resized(2, 2);
    EXPECT_FLOAT_EQ(half.at(0, 0).r, 1.0f);
    EXPECT_FLOAT_EQ(half.at(1, 1).b, 1.0f);
    Canvas one = c.resized(1, 1);
    EXPECT_NEAR(one.at(0, 0).r, 0.5f, 1e-5);
    EXPECT_NEAR(one.at(0, 0).b, 0.5f, 1e-5);
    // Red beside transparent black stays red, only less opaque: no dark fringes on sprites.
    Canvas edge(2, 1);
    edge.at(0, 0) = hex(0xff0000);
    edge.at(1, 0) = rgb(0, 0, 0, 0);
    Canvas reduced = edge.resized(1, 1);
    EXPECT_NEAR(reduced.at(0, 0).r, 1.0f, 1e-5);
    EXPECT_NEAR(reduced.at(0, 0).a, 0.5f, 1e-5);
}

TEST(GeneratorPictures, SheetsPutGroupZeroAtTheBottomAndTurnUnflippedCells) {
    // A cell whose top row is red and the rest blue, as it should look on screen.
    Canvas cell(2, 2, hex(0x0000ff));
    cell.at(0, 0) = cell.at(1, 0) = hex(0xff0000);
    for (bool flipped : {true, false}) {
        SpriteSheet sheet(3, 2, 2, 2, flipped);
        sheet.set(0, 1, cell);
        const Canvas& pic = sheet.picture();
        ASSERT_EQ(pic.width(), 4);
        ASSERT_EQ(pic.height(), 6);
        // Group 0, frame 1: the bottom row of cells (picture rows 4..5), columns 2..3.
        const Rgba& upper = pic.at(2, 4);
        const Rgba& lower = pic.at(2, 5);
        if (flipped) {
            EXPECT_EQ(upper.r, 1.0f) << "a flipped sprite shows the sheet as it is";
            EXPECT_EQ(lower.b, 1.0f);
        } else {
            EXPECT_EQ(upper.b, 1.0f) << "an unflipped sprite shows its cell upside down";
            EXPECT_EQ(lower.r, 1.0f);
        }
        EXPECT_EQ(pic.at(0, 0).a, 0.0f);
        EXPECT_NE(sheet.spr_text("x.tga").find("groups 3\nframes 2\n"), std::string::npos);
    }
}

TEST(GeneratorOutput, UnchangedFilesKeepTheirTimes) {
    namespace fs = std::filesystem;
    TempDir dir;
    OutputTree out(dir.path());
    ASSERT_TRUE(out.write_text("a/b/c.txt", "one"));
    EXPECT_EQ(out.written(), 1);
    std::string path = dir.path() + "/a/b/c.txt";
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
    auto before = fs::last_write_time(path);
    ASSERT_TRUE(out.write_text("a/b/c.txt", "one"));
    EXPECT_EQ(out.unchanged(), 1);
    EXPECT_EQ(fs::last_write_time(path), before);
    ASSERT_TRUE(out.write_text("a/b/c.txt", "two"));
    EXPECT_NE(fs::last_write_time(path), before);
    EXPECT_EQ(out.written(), 2);
    // An empty picture is an error, not an empty file.
    EXPECT_FALSE(out.write("empty.tga", {}));
    EXPECT_FALSE(out.ok());
}

}  // namespace
