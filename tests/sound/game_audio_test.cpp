// The sound files the build lays in the game directory, played through the game's own players.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "sound/music_player.h"
#include "sound/sound_bank.h"

namespace {

int peak(const std::vector<int16_t>& samples) {
    int p = 0;
    for (int16_t s : samples) {
        p = std::max(p, std::abs(static_cast<int>(s)));
    }
    return p;
}

TEST(GameAudio, AllTwelveEffectsLoadPlayAndEnd) {
    SoundBank bank;
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(QUARRIK_GAME_DIR "/data"), 12);
    std::vector<int16_t> mix(2 * 4410);
    for (int i = 0; i < 12; ++i) {
        bank.play(i, true);
        bank.render(mix.data(), 4410);
        EXPECT_GT(peak(mix), 1000) << SoundBank::effect_path(i);
        for (int n = 0; n < 100 && bank.is_playing(i); ++n) {
            bank.render(mix.data(), 4410);
        }
        EXPECT_FALSE(bank.is_playing(i)) << SoundBank::effect_path(i) << " lasts over 10 s";
    }
}

TEST(GameAudio, EveryTrackOfThePlaylistLoadsAndIsHeard) {
    MusicPlayer music;
    ASSERT_TRUE(music.init(nullptr, QUARRIK_GAME_DIR "/data"));
    std::vector<int16_t> block(2 * 44100);
    for (int i = 0; i < MusicPlayer::track_count; ++i) {
        ASSERT_EQ(music.current(), i);
        EXPECT_TRUE(music.is_playing()) << music.tracks()[i];
        int loudest = 0;
        for (int second = 0; second < 4 && loudest < 1000; ++second) {
            music.render(block.data(), 44100);
            loudest = std::max(loudest, peak(block));
        }
        EXPECT_GT(loudest, 1000) << music.tracks()[i];
        music.next_track();
    }
    // The three XM tracks really are XM, so the second loader is exercised too.
    std::ifstream xm(std::string(QUARRIK_GAME_DIR) + "/data/" + MusicPlayer::track_path(4),
                     std::ios::binary);
    char magic[17] = {};
    xm.read(magic, 17);
    EXPECT_EQ(std::string(magic, 17), "Extended Module: ");
}

}  // namespace
