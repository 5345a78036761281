#include "sound/sound_bank.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "support/temp_dir.h"
#include "wave_bytes.h"
#include "world/rules.h"

namespace {

// A mono effect whose samples are `base` + position, so any mixed frame tells which effect and
// which point of it is sounding.
std::string marked_wave(int base, int length) {
    std::vector<int16_t> s;
    for (int i = 0; i < length; ++i) {
        s.push_back(static_cast<int16_t>(base + i));
    }
    return wave_bytes::pcm16_file(s);
}

std::vector<int16_t> pull(SoundBank& bank, int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    bank.render(out.data(), frames);
    return out;
}

struct BankFixture : ::testing::Test {
    TempDir dir;
    SoundBank bank;

    // Writes the twelve effects, each marked with 1000 × (its number + 1), except `missing`.
    void write_effects(int missing = -1) {
        for (int i = 0; i < 12; ++i) {
            if (i != missing) {
                dir.write(SoundBank::effect_path(i), marked_wave(1000 * (i + 1), 400));
            }
        }
    }
};

TEST(SoundBankPaths, TableOrderAndClassicOffset) {
    EXPECT_EQ(SoundBank::effect_path(0), "s1.wav");
    EXPECT_EQ(SoundBank::effect_path(5), "s6.wav");
    EXPECT_EQ(SoundBank::effect_path(6), "s01.wav");
    EXPECT_EQ(SoundBank::effect_path(11), "s06.wav");
    // With the classic set, digging plays s01 instead of s1.
    EXPECT_EQ(SoundBank::effect_path(kSoundDig + kClassicOffset), "s01.wav");
    EXPECT_EQ(SoundBank::effect_path(kSoundBonusLife + kClassicOffset), "s06.wav");
}

TEST_F(BankFixture, LoadsTwelveInOrderAndPlaysByNumber) {
    write_effects();
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(dir.path()), 12);
    bank.play(kSoundDig + kClassicOffset, true);  // s01.wav
    const auto out = pull(bank, 4);
    EXPECT_EQ(out[0], 7000);
    EXPECT_EQ(out[1], 7000);
    EXPECT_EQ(out[2], 7001);
}

TEST_F(BankFixture, MissingFileShiftsLaterIndicesDown) {
    write_effects(2);                               // no s3.wav
    dir.write("s5.wav", "RIFF....WAVEnot a wave");  // malformed s5.wav
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(dir.path()), 10);
    // Number 2 is now s4.wav, number 3 is s6.wav and the classic set starts at 4.
    const int expected_marks[] = {1, 2, 4, 6, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < 10; ++i) {
        bank.play(i, true);
        EXPECT_EQ(pull(bank, 1)[0], 1000 * expected_marks[i]) << "index " << i;
        bank.stop(i);
    }
    // Numbers past the loaded effects are ignored.
    bank.play(10, true);
    bank.play(11, true);
    bank.play(-1, true);
    EXPECT_EQ(pull(bank, 1)[0], 0);
}

TEST_F(BankFixture, RestartRule) {
    write_effects();
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(dir.path()), 12);
    const int gold = kSoundGold;
    const int caught = kSoundCaught;

    // Gold in quick succession: stop, then restart from the beginning each time.
    bank.play(gold, true);
    pull(bank, 100);
    bank.stop(gold);
    bank.play(gold, true);
    EXPECT_EQ(pull(bank, 1)[0], 2000);
    pull(bank, 49);
    bank.play(gold, true);  // restart without stopping first
    EXPECT_EQ(pull(bank, 1)[0], 2000);
    bank.stop(gold);
    EXPECT_FALSE(bank.is_playing(gold));

    // The caught sound is not restarted while it still plays...
    bank.play(caught, false);
    pull(bank, 100);
    EXPECT_TRUE(bank.is_playing(caught));
    bank.play(caught, false);
    EXPECT_EQ(pull(bank, 1)[0], 3000 + 100);
    // ...but plays again from the start once it has finished.
    pull(bank, 400);
    EXPECT_FALSE(bank.is_playing(caught));
    bank.play(caught, false);
    EXPECT_EQ(pull(bank, 1)[0], 3000);
}

TEST_F(BankFixture, LoopedEffectWrapsAndDisabledBankIsSilent) {
    write_effects();
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(dir.path()), 12);
    bank.play(0, true, true);
    pull(bank, 399);
    EXPECT_EQ(pull(bank, 2)[2], 1000);  // frame 400 is the first again
    EXPECT_TRUE(bank.is_playing(0));
    bank.stop(0);

    bank.set_enabled(false);
    bank.play(0, true);
    EXPECT_FALSE(bank.is_playing(0));
    EXPECT_EQ(pull(bank, 1)[0], 0);
    bank.set_enabled(true);
    bank.play(0, true);
    EXPECT_TRUE(bank.is_playing(0));
}

TEST_F(BankFixture, EverythingIsHarmlessWithoutInit) {
    write_effects();
    EXPECT_FALSE(bank.load(dir.path() + "/s1.wav"));
    EXPECT_EQ(bank.load_effects(dir.path()), 0);
    bank.play(0, true);
    bank.stop(0);
    EXPECT_FALSE(bank.is_playing(0));
    EXPECT_EQ(bank.music_frames_wanted(), -1);
    const int16_t frame[2] = {1, 1};
    bank.queue_music(frame, 1);
    bank.drop_music();
    EXPECT_EQ(pull(bank, 2), std::vector<int16_t>(4, 0));
}

// Under SDL's dummy driver (as on build machines) the real output opens and the game runs
// silently; with no driver at all init fails and every call stays harmless.
TEST_F(BankFixture, RealOutputUnderTheDummyDriver) {
    write_effects();
    const bool opened = bank.init();
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (driver && std::string(driver) == "dummy") {
        EXPECT_TRUE(opened);
    }
    EXPECT_EQ(bank.load_effects(dir.path()), opened ? 12 : 0);
    bank.play(1, true, true);  // looped, so the device cannot finish it before the check
    EXPECT_EQ(bank.is_playing(1), opened);
    EXPECT_EQ(pull(bank, 1)[0], 0) << "the device pulls the mix, not the caller";
    bank.stop(1);
    EXPECT_FALSE(bank.is_playing(1));
}

// With no usable audio driver at all, init fails and the bank stays silent and harmless.
TEST_F(BankFixture, NoAudioDriverMeansSilence) {
    write_effects();
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(bank.init());
    EXPECT_FALSE(bank.is_ready());
    EXPECT_EQ(bank.load_effects(dir.path()), 0);
    bank.play(0, true);
    EXPECT_FALSE(bank.is_playing(0));
    EXPECT_EQ(bank.music_frames_wanted(), -1);
    if (before) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

}  // namespace
