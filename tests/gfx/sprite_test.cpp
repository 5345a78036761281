#include <gtest/gtest.h>

#include "gfx/jpeg_texture.h"
#include "gfx/sprite.h"
#include "gfx/tga_texture.h"
#include "storage/pack_archive.h"
#include "support/test_images.h"

namespace {

const std::uint8_t kWhite[4] = {255, 255, 255, 255};
const std::uint8_t kClear[4] = {0, 0, 0, 0};

void add(PackArchive& archive, const std::string& name, const Bytes& bytes) {
    ASSERT_TRUE(archive.add_memory(name, bytes.data(), bytes.size(), false));
}

bool load(Sprite& sprite, const PackArchive& archive, const std::string& spr) {
    return sprite.load(archive, reinterpret_cast<const unsigned char*>(spr.data()), spr.size(),
                       false, true);
}

class SpriteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        add(archive, "dat/sheet.TGA", make_split_tga(256, 128, 32, kWhite, kClear));
        add(archive, "dat/small.tga", make_split_tga(64, 32, 24, kWhite, kClear));
        add(archive, "dat/sheet.jpg", make_jpeg(40, 10, 3, Bytes(40 * 10 * 3, 120)));
        add(archive, "dat/sheet_a.jpg", make_jpeg(40, 10, 1, Bytes(40 * 10, 200)));
    }
    PackArchive archive;
};

TEST_F(SpriteTest, GridAndCellSizeComeFromTheSheet) {
    Sprite sprite;
    ASSERT_TRUE(load(sprite, archive, "file_name dat/sheet.TGA\ngroups 4 frames 8\n"));
    EXPECT_EQ(4, sprite.m_groups);
    EXPECT_EQ(8, sprite.m_frames);
    EXPECT_FLOAT_EQ(32.0f, sprite.m_frame_width);
    EXPECT_FLOAT_EQ(32.0f, sprite.m_frame_height);
    EXPECT_TRUE(sprite.owns_texture());
    EXPECT_NE(nullptr, dynamic_cast<const TgaTexture*>(sprite.texture()));
    EXPECT_EQ(&archive, sprite.m_archive);

    // Integer division of the sheet size; absent keys give one cell.
    ASSERT_TRUE(load(sprite, archive, "file_name dat/small.tga frames 3"));
    EXPECT_FLOAT_EQ(21.0f, sprite.m_frame_width);
    EXPECT_FLOAT_EQ(32.0f, sprite.m_frame_height);
    EXPECT_EQ(1, sprite.m_groups);
    // A grid of no rows or columns is read as one.
    ASSERT_TRUE(load(sprite, archive, "file_name dat/small.tga groups 0 frames -2"));
    EXPECT_EQ(1, sprite.m_groups);
    EXPECT_EQ(1, sprite.m_frames);
    EXPECT_FLOAT_EQ(64.0f, sprite.m_frame_width);
}

TEST_F(SpriteTest, JpegSheetsWithAndWithoutAlpha) {
    Sprite sprite;
    ASSERT_TRUE(load(sprite, archive, "file_name dat/sheet.jpg frames 2"));
    ASSERT_NE(nullptr, dynamic_cast<const JpegTexture*>(sprite.texture()));
    EXPECT_EQ(3, sprite.texture()->components());
    EXPECT_FLOAT_EQ(20.0f, sprite.m_frame_width);
    // "0" and an empty value both mean no alpha file.
    EXPECT_TRUE(load(sprite, archive, "file_name dat/sheet.jpg file_alpha 0"));
    EXPECT_TRUE(load(sprite, archive, "file_name dat/sheet.jpg file_alpha \"\""));
    EXPECT_EQ(3, sprite.texture()->components());
    ASSERT_TRUE(load(sprite, archive, "file_name dat/sheet.jpg file_alpha dat/sheet_a.jpg"));
    EXPECT_EQ(4, sprite.texture()->components());
    // A partner that does not exist fails the sheet.
    EXPECT_FALSE(load(sprite, archive, "file_name dat/sheet.jpg file_alpha dat/none.jpg"));
}

TEST_F(SpriteTest, MissingSheetStillAnimates) {
    Sprite sprite;
    EXPECT_FALSE(load(sprite, archive, "file_name dat/missing.tga frames 4"));
    EXPECT_FLOAT_EQ(0.0f, sprite.m_frame_width);
    sprite.advance(120);
    EXPECT_EQ(2, sprite.m_frame);
    EXPECT_FALSE(sprite.load(archive, nullptr, 0, false, false));
    EXPECT_EQ(1, sprite.m_frames);
}

TEST_F(SpriteTest, CopiesShareTheTextureAndOutliveEitherSide) {
    auto prototype = std::make_unique<Sprite>();
    ASSERT_TRUE(load(*prototype, archive, "file_name dat/sheet.TGA groups 4 frames 8"));
    prototype->m_blend = true;
    auto copy = std::make_unique<Sprite>(*prototype);
    Sprite other;
    other = *copy;
    EXPECT_FALSE(copy->owns_texture());
    EXPECT_FALSE(other.owns_texture());
    EXPECT_TRUE(copy->m_blend);
    EXPECT_EQ(prototype->texture(), copy->texture());

    // A copy's release must not touch the shared sheet.
    copy->release();
    copy.reset();
    EXPECT_EQ(256, prototype->texture()->width());

    // Reloading the prototype is seen by the copies: they share the texture object.
    ASSERT_TRUE(load(*prototype, archive, "file_name dat/small.tga"));
    EXPECT_EQ(prototype->texture(), other.texture());
    EXPECT_EQ(64, other.texture()->width());

    // Moving a prototype keeps it the owner.
    Sprite moved(std::move(*prototype));
    EXPECT_TRUE(moved.owns_texture());
    prototype.reset();
    EXPECT_EQ(64, other.texture()->width());
}

TEST(SpriteClock, ForwardsWrapsToFrameZero) {
    Sprite sprite;
    sprite.m_frames = 4;  // D = 50 by default
    const int frames[] = {0, 1, 1, 2, 3, 3, 0};
    for (int f : frames) {
        sprite.advance(30);
        EXPECT_EQ(f, sprite.m_frame);
    }
    EXPECT_EQ(10u, sprite.m_clock);  // 210 in total
    sprite.advance(450);             // longer than a cycle: the clock stays within one
    EXPECT_EQ(60u, sprite.m_clock);
    EXPECT_EQ(0, sprite.m_frame);
    sprite.advance(0);
    EXPECT_EQ(1, sprite.m_frame);
}

TEST(SpriteClock, BackwardsStaysWithinTheCycle) {
    Sprite sprite;
    sprite.m_frames = 4;
    sprite.m_reverse = true;
    sprite.advance(30);
    EXPECT_EQ(170u, sprite.m_clock);
    EXPECT_EQ(3, sprite.m_frame);
    sprite.advance(30);
    EXPECT_EQ(140u, sprite.m_clock);
    EXPECT_EQ(2, sprite.m_frame);
    sprite.advance(1000);  // five whole cycles: back to the start of one
    EXPECT_LT(sprite.m_clock, 200u);
    EXPECT_EQ(0, sprite.m_frame);
    sprite.set_frame(1);
    sprite.advance(470);  // two cycles and 70
    EXPECT_EQ(130u, sprite.m_clock);
    EXPECT_EQ(2, sprite.m_frame);

    // No time per frame must not divide by zero.
    sprite.set_frame_time(0);
    sprite.advance(30);
    EXPECT_EQ(0, sprite.m_frame);
}

TEST(SpriteClock, GroupAndFrameOutOfRangeSelectZero) {
    Sprite sprite;
    sprite.m_groups = 4;
    sprite.m_frames = 6;
    sprite.set_group(3);
    EXPECT_EQ(3, sprite.m_group);
    sprite.set_group(5);
    EXPECT_EQ(0, sprite.m_group);
    sprite.set_group(-1);
    EXPECT_EQ(0, sprite.m_group);
    sprite.set_frame(4);
    EXPECT_EQ(4, sprite.m_frame);
    EXPECT_EQ(200u, sprite.m_clock);
    sprite.advance(49);
    EXPECT_EQ(4, sprite.m_frame);
    sprite.advance(1);
    EXPECT_EQ(5, sprite.m_frame);
    sprite.set_frame(6);
    EXPECT_EQ(0, sprite.m_frame);
    EXPECT_EQ(0u, sprite.m_clock);
}

}  // namespace
