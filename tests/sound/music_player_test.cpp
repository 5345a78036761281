#include "sound/music_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "mod_bytes.h"
#include "sound/sound_bank.h"
#include "support/temp_dir.h"

namespace {

int peak(const std::vector<int16_t>& samples) {
    int p = 0;
    for (int16_t s : samples) {
        p = std::max(p, std::abs(static_cast<int>(s)));
    }
    return p;
}

struct MusicFixture : ::testing::Test {
    TempDir dir;

    // Writes all eleven tracks (the .xm names hold the same little module: the library goes by
    // content), except `missing`.
    void write_tracks(int missing = -1, bool jump_back = false) {
        for (int i = 0; i < MusicPlayer::track_count; ++i) {
            if (i != missing) {
                dir.write(MusicPlayer::track_path(i), mod_bytes::module(jump_back));
            }
        }
    }
};

TEST_F(MusicFixture, PlaylistOrderAndF5WrapsFromTheLastToTheFirst) {
    write_tracks();
    MusicPlayer music;
    ASSERT_TRUE(music.init(nullptr, dir.path()));
    const char* names[] = {"001.mod", "002.mod", "003.mod", "004.mod", "005.xm", "006.xm",
                           "007.xm",  "008.mod", "009.mod", "010.mod", "011.mod"};
    ASSERT_EQ(music.tracks().size(), 11u);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(music.tracks()[i], dir.path() + "/music/" + names[i]);
    }
    EXPECT_EQ(MusicPlayer::track_path(0), "music/001.mod");
    // init plays the first track; each F5 the next.
    EXPECT_EQ(music.current(), 0);
    EXPECT_TRUE(music.is_playing());
    for (int i = 1; i < 11; ++i) {
        music.next_track();
        EXPECT_EQ(music.current(), i);
        EXPECT_TRUE(music.is_playing()) << names[i];
    }
    music.next_track();  // F5 on 011
    EXPECT_EQ(music.current(), 0);
    EXPECT_TRUE(music.is_playing());
}

TEST_F(MusicFixture, GeneratedModuleIsAudibleAndPlaysThroughOnce) {
    write_tracks(-1, true);
    MusicPlayer music;
    ASSERT_TRUE(music.init(nullptr, dir.path()));
    ASSERT_TRUE(music.is_playing());
    std::vector<int16_t> block(2 * 4410);
    ASSERT_EQ(music.render(block.data(), 4410), 4410);
    EXPECT_GT(peak(block), 1000) << "the square wave must be heard";

    // 64 rows of 20 ms: the song ends within about 1.3 s although its last row jumps back.
    int rendered = 4410;
    while (music.is_playing() && rendered < 5 * 44100) {
        rendered += music.render(block.data(), 4410);
    }
    EXPECT_FALSE(music.is_playing());
    EXPECT_GE(rendered, 44100);
    EXPECT_LT(rendered, 2 * 44100);

    // The next update notices the end and moves on.
    music.update();
    EXPECT_EQ(music.current(), 1);
    EXPECT_TRUE(music.is_playing());
}

TEST_F(MusicFixture, VolumeZeroStopsAndRaisingItStartsTheNextTrack) {
    write_tracks();
    MusicPlayer music;
    music.init(nullptr, dir.path());
    music.tick(false, 3);
    EXPECT_EQ(music.volume(), 51);
    EXPECT_EQ(music.current(), 0);
    EXPECT_TRUE(music.is_playing());

    music.tick(false, 0);
    EXPECT_FALSE(music.is_playing());
    EXPECT_EQ(music.volume(), 0);
    music.tick(false, 0);
    EXPECT_FALSE(music.is_playing());
    EXPECT_EQ(music.current(), 0);

    music.tick(false, 6);
    EXPECT_TRUE(music.is_playing());
    EXPECT_EQ(music.current(), 1);
    EXPECT_EQ(music.volume(), 102);
    music.tick(false, 6);
    EXPECT_EQ(music.current(), 1) << "a playing song is kept";
}

TEST_F(MusicFixture, MinimiseStopsAndRestoreStartsTheFollowingTrack) {
    write_tracks();
    MusicPlayer music;
    music.init(nullptr, dir.path());
    music.next_track();
    music.tick(false, 3);
    ASSERT_EQ(music.current(), 1);
    music.tick(true, 3);
    EXPECT_FALSE(music.is_playing());
    music.tick(true, 3);
    EXPECT_EQ(music.current(), 1);
    music.tick(false, 3);
    EXPECT_TRUE(music.is_playing());
    EXPECT_EQ(music.current(), 2);
}

TEST_F(MusicFixture, MissingTracksAreSkippedOnTheNextTick) {
    write_tracks(2);
    MusicPlayer music;
    music.init(nullptr, dir.path());
    music.next_track();
    music.next_track();  // 003.mod is missing
    EXPECT_EQ(music.current(), 2);
    EXPECT_FALSE(music.is_playing());
    music.tick(false, 3);
    EXPECT_EQ(music.current(), 3);
    EXPECT_TRUE(music.is_playing());

    // With no music at all nothing fails either.
    TempDir empty;
    MusicPlayer none;
    none.init(nullptr, empty.path());
    for (int i = 0; i < 20; ++i) {
        none.tick(false, 3);
    }
    EXPECT_FALSE(none.is_playing());
}

TEST_F(MusicFixture, MusicReachesTheMixAndSurvivesALateTick) {
    write_tracks();
    SoundBank bank;
    bank.init_without_output();
    MusicPlayer music;
    music.init(&bank, dir.path());
    music.tick(false, 6);
    EXPECT_EQ(bank.music_frames_wanted(), 0) << "topped up";

    // Without anyone pulling, the queue stays at its level instead of growing.
    for (int i = 0; i < 10; ++i) {
        music.tick(false, 6);
    }
    EXPECT_EQ(bank.music_frames_wanted(), 0);

    // The next tick comes 30 ms late: 60 ms and a device period pass before the next top-up,
    // and the music must not run dry in that time.
    const int gap = 44100 * 60 / 1000 + 1024;
    std::vector<int16_t> mix(2 * static_cast<size_t>(gap));
    bank.render(mix.data(), gap);
    EXPECT_GT(peak(mix), 1000);
    const std::vector<int16_t> tail(mix.end() - 2 * 200, mix.end());
    EXPECT_GT(peak(tail), 1000) << "music ran out before the late tick";
    EXPECT_GT(bank.music_frames_wanted(), 0);
    music.tick(false, 6);
    EXPECT_EQ(bank.music_frames_wanted(), 0);

    // Stopping drops what was queued, so volume 0 silences the music at once.
    music.tick(false, 0);
    std::vector<int16_t> after(2 * 4410);
    bank.render(after.data(), 4410);
    const std::vector<int16_t> later(after.begin() + 2 * 441, after.end());
    EXPECT_EQ(peak(later), 0);
}

TEST(MusicPlayerLibrary, OnlyOnePlayerOwnsTheLibraryAtATime) {
    TempDir dir;
    dir.write(MusicPlayer::track_path(0), mod_bytes::module());
    {
        MusicPlayer first;
        EXPECT_TRUE(first.init(nullptr, dir.path()));
        MusicPlayer second;
        EXPECT_FALSE(second.init(nullptr, dir.path()));
        EXPECT_FALSE(second.is_playing());
        EXPECT_TRUE(first.is_playing());
    }
    MusicPlayer again;  // the library starts again once the first is gone
    EXPECT_TRUE(again.init(nullptr, dir.path()));
    EXPECT_TRUE(again.is_playing());
}

}  // namespace

namespace {

// A song that ends by itself is heard to its last moment: the music still queued is not cut
// when the next track starts, and nothing rings on past the end.
TEST_F(MusicFixture, SongEndIsHeardWholeBeforeTheNextTrack) {
    dir.write(MusicPlayer::track_path(0), mod_bytes::module(false, true));
    for (int i = 1; i < MusicPlayer::track_count; ++i) {
        dir.write(MusicPlayer::track_path(i), mod_bytes::module(false, false));
    }
    SoundBank bank;
    bank.init_without_output();
    MusicPlayer music;
    music.init(&bank, dir.path());
    const int per_tick = 44100 * 30 / 1000;
    std::vector<int16_t> mix(2 * per_tick);
    long last_sound = -1;
    for (int t = 0; t < 100; ++t) {
        music.tick(false, 6);
        bank.render(mix.data(), per_tick);
        for (int i = 0; i < per_tick; ++i) {
            if (mix[2 * i] != 0) {
                last_sound = static_cast<long>(t) * per_tick + i;
            }
        }
    }
    EXPECT_EQ(music.current(), 2) << "two songs of 1.28 s in 3 s";
    // 64 rows of 20 ms = 56448 frames; allow a row either way.
    EXPECT_GT(last_sound, 56448 - 882);
    EXPECT_LT(last_sound, 56448 + 882);
}

}  // namespace
