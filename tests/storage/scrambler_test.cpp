#include "storage/scrambler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "storage/test_bytes.h"

namespace {

Scrambler::Bytes bytes_of(const std::string& s) {
    return Scrambler::Bytes(s.begin(), s.end());
}

TEST(Scrambler, MatchesKnownBytes) {
    const std::string text = "m_autosave 1\n";
    auto block = Scrambler::scramble_with_rotation(text.data(), text.size(), "qzv", 3);
    EXPECT_EQ(to_hex(block), "030f1c1e3557a75f689070dbd09b");
    EXPECT_EQ(as_string(Scrambler::unscramble(block.data(), block.size(), "qzv")), text);
}

TEST(Scrambler, RoundTripsEveryRotationAndKey) {
    std::string text;
    for (int i = 0; i < 130; ++i) {
        text += static_cast<char>(i * 37 + 11);
    }
    for (std::string key : {"qzv", "kt57w", "mo#84v", "\xff\x80"}) {
        for (std::size_t n : {1u, 2u, 7u, 100u, 101u, 130u}) {
            for (std::size_t r = 0; r < Scrambler::rotation_limit(n); ++r) {
                auto block = Scrambler::scramble_with_rotation(text.data(), n, key, r);
                ASSERT_EQ(block.size(), n + 1);
                ASSERT_EQ(block[0], r);
                auto back = Scrambler::unscramble(block.data(), block.size(), key);
                ASSERT_EQ(as_string(back), text.substr(0, n)) << "n=" << n << " r=" << r;
            }
        }
    }
}

TEST(Scrambler, RotationStaysInRangeForEveryLength) {
    std::string text(300, 'x');
    for (std::size_t n = 1; n <= 300; ++n) {
        auto block = Scrambler::scramble(text.data(), n, "qzv");
        ASSERT_EQ(block.size(), n + 1);
        EXPECT_LT(block[0], n > 100 ? 100u : n) << "n=" << n;
        EXPECT_EQ(as_string(Scrambler::unscramble(block.data(), block.size(), "qzv")),
                  text.substr(0, n));
    }
}

TEST(Scrambler, ReseedsTheRandomGeneratorFromTheClock) {
    std::srand(12345);
    int unseeded = std::rand();
    std::srand(12345);
    std::string text = "m_sound 1\n";
    Scrambler::scramble(text.data(), text.size(), "qzv");
    // Only a clock second equal to the fixed seed could make the sequences meet.
    EXPECT_NE(std::rand(), unseeded);
}

TEST(Scrambler, EmptyAndDamagedBlocks) {
    EXPECT_EQ(Scrambler::scramble("", 0, "qzv"), Scrambler::Bytes{0});
    EXPECT_TRUE(Scrambler::unscramble("", 0, "qzv").empty());
    EXPECT_TRUE(Scrambler::unscramble("\0", 1, "qzv").empty());

    // The rotation count must lie below the block length.
    auto block =
        bytes_of(std::string("\x05"
                             "abcd",
                             5));
    EXPECT_TRUE(Scrambler::unscramble(block.data(), block.size(), "qzv").empty());
    block[0] = 4;
    EXPECT_EQ(Scrambler::unscramble(block.data(), block.size(), "qzv").size(), 4u);
    block = bytes_of(std::string(300, '\xff'));
    EXPECT_EQ(Scrambler::unscramble(block.data(), block.size(), "qzv").size(), 299u);
}

TEST(Scrambler, WrongKeyGivesOtherBytesOfTheSameLength) {
    std::string text = "m_left_key 203\n";
    auto block = Scrambler::scramble(text.data(), text.size(), "qzv");
    auto wrong = Scrambler::unscramble(block.data(), block.size(), "kt57w");
    EXPECT_EQ(wrong.size(), text.size());
    EXPECT_NE(as_string(wrong), text);
}

}  // namespace
