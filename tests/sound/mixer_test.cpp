#include "sound/mixer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<int16_t> stereo(std::initializer_list<int16_t> left_right) {
    return left_right;
}

std::vector<int16_t> pull(Mixer& m, int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
    m.render(out.data(), frames);
    return out;
}

TEST(Mixer, EffectsAndMusicAddUpAndRunOutToSilence) {
    Mixer m(44100, 16);
    const int a = m.add_sound(stereo({100, -100, 200, -200}));
    const int b = m.add_sound(stereo({10, 20}));
    m.play(a, true, false);
    m.play(b, true, false);
    const int16_t music[] = {1, 2, 3, 4, 5, 6};
    m.queue_music(music, 3);
    EXPECT_EQ(m.music_queued(), 3);
    EXPECT_EQ(pull(m, 4), stereo({111, -78, 203, -196, 5, 6, 0, 0}));
    EXPECT_FALSE(m.is_playing(a));
    EXPECT_FALSE(m.is_playing(b));
    EXPECT_EQ(m.music_queued(), 0);
}

// Loud overlaps keep their sign, stay inside 16 bits without sitting on the rails, and a louder
// sum never comes out quieter; moderate sums pass unchanged.
TEST(Mixer, LoudSumsBendIntoRangeInsteadOfWrappingOrClipping) {
    std::vector<int16_t> ramp;  // every level from silence to full scale, both signs
    for (int v = 0; v <= 32767; v += 64) {
        ramp.push_back(static_cast<int16_t>(v));
        ramp.push_back(static_cast<int16_t>(-v));
    }
    const int frames = static_cast<int>(ramp.size() / 2);
    Mixer m(44100, frames);
    for (int i = 0; i < 3; ++i) {
        m.play(m.add_sound(ramp), true, false);
    }
    m.queue_music(ramp.data(), frames);
    const auto out = pull(m, frames);  // four times the ramp: up to 131068
    for (int i = 0; i < frames; ++i) {
        const int sum = 4 * ramp[2 * i];
        const int left = out[2 * i];
        const int right = out[2 * i + 1];
        if (sum <= 24576) {
            EXPECT_EQ(left, sum);
        }
        EXPECT_GE(left, 0);
        EXPECT_LT(left, 32767);
        EXPECT_EQ(right, -left);
        if (i > 0) {
            EXPECT_GE(left, out[2 * i - 2]) << "louder must not come out quieter";
        }
    }
    EXPECT_GT(out[2 * (frames - 1)], 32000);
}

TEST(Mixer, MusicQueueIsBoundedAndWrapsAround) {
    Mixer m(44100, 4);
    std::vector<int16_t> block;
    for (int16_t i = 1; i <= 12; ++i) {
        block.push_back(i);
    }
    m.queue_music(block.data(), 6);  // only 4 fit
    EXPECT_EQ(m.music_queued(), 4);
    EXPECT_EQ(pull(m, 3), stereo({1, 2, 3, 4, 5, 6}));
    m.queue_music(block.data() + 8, 2);  // crosses the end of the ring
    EXPECT_EQ(pull(m, 4), stereo({7, 8, 9, 10, 11, 12, 0, 0}));
}

TEST(Mixer, DroppedMusicFadesOutWithinAFewMilliseconds) {
    Mixer m(44100, 44100);
    std::vector<int16_t> loud(2 * 4410, 20000);
    m.queue_music(loud.data(), 4410);
    m.fade_out_music();
    EXPECT_LE(m.music_queued(), 441);  // at most 10 ms left
    const auto out = pull(m, 4410);
    EXPECT_EQ(out[0], 20000);
    for (size_t i = 2; i < out.size(); i += 2) {
        EXPECT_LE(out[i], out[i - 2]) << "fade must not rise, frame " << i / 2;
    }
    EXPECT_EQ(out[2 * 441], 0);
}

TEST(Mixer, UnknownIndicesAndEmptySoundsAreIgnored) {
    Mixer m;
    const int empty = m.add_sound({});
    m.play(empty, true, true);
    EXPECT_FALSE(m.is_playing(empty));
    m.play(5, true, false);
    m.stop(-1);
    EXPECT_FALSE(m.is_playing(5));
    EXPECT_EQ(pull(m, 3), std::vector<int16_t>(6, 0));
}

}  // namespace
