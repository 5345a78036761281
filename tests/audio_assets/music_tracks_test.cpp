#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "sound/music_player.h"
#include "tools/music/parts.h"
#include "tools/music/render.h"
#include "tools/music/tracks.h"

using namespace music;

namespace {

const char* const kPlaylist[11] = {"001.mod", "002.mod", "003.mod", "004.mod", "005.xm", "006.xm",
                                   "007.xm",  "008.mod", "009.mod", "010.mod", "011.mod"};

Song composed(const TrackPlan& plan) {
    Song s;
    std::string error;
    EXPECT_TRUE(compose(plan, &s, &error)) << error;
    return s;
}

TEST(GameTracks, ElevenDistinctTracksInPlaylistOrder) {
    const std::vector<TrackPlan> plans = game_tracks();
    ASSERT_EQ(plans.size(), 11u);
    std::set<int> tempos;
    std::set<std::pair<int, int>> keys;
    for (size_t i = 0; i < plans.size(); ++i) {
        EXPECT_EQ(plans[i].file, kPlaylist[i]);
        EXPECT_EQ(plans[i].format == Format::kXm, i >= 4 && i <= 6) << plans[i].file;
        tempos.insert(plans[i].bpm * 6 / plans[i].speed);
        keys.insert({plans[i].tonic % 12, static_cast<int>(plans[i].mode)});
    }
    EXPECT_EQ(tempos.size(), 11u) << "every track has its own tempo";
    EXPECT_EQ(keys.size(), 11u) << "and its own key";
}

class Track : public ::testing::TestWithParam<int> {
  protected:
    TrackPlan plan() const { return game_tracks()[static_cast<size_t>(GetParam())]; }
};

// One to three minutes, played straight through: no jump or break anywhere, and the final
// pattern dies away to silence before it ends.
TEST_P(Track, LastsOneToThreeMinutesAndEnds) {
    const TrackPlan p = plan();
    const Song s = composed(p);
    const double seconds = song_seconds(s);
    EXPECT_GE(seconds, 60.0) << p.file;
    EXPECT_LE(seconds, 180.0) << p.file;
    for (const Pattern& pat : s.patterns) {
        for (const Cell& c : pat.cells) {
            EXPECT_NE(c.effect == kFxPositionJump || c.effect == kFxPatternBreak, true) << p.file;
        }
    }
    const Pattern& last = s.patterns[s.order.back()];
    for (int row = 57; row < kRows; ++row)
        for (int ch = 0; ch < last.channels; ++ch) {
            const uint8_t n = last.at(row, ch).note;
            EXPECT_TRUE(n == kNoNote || n == kKeyOff) << p.file << " row " << row;
        }
    // The ending is heard once, at the end.
    EXPECT_EQ(std::count(s.order.begin(), s.order.end(), s.order.back()), 1);
}

// The melody uses the key's notes or those the sounding chord brings, and the chord parts
// play the chord's own notes.
TEST_P(Track, MelodyAndChordsAgreeWithTheHarmony) {
    const TrackPlan p = plan();
    Rng rng(p.seed);
    const Motif verse = make_motif(rng, p.rhythm, false);
    const Motif chorus = make_motif(rng, p.rhythm, true);
    const Motif bridge = make_motif(rng, Rhythm::kLyrical, true);
    for (Section kind : {Section::kIntro, Section::kVerse, Section::kVerse2, Section::kChorus,
                         Section::kChorus2, Section::kBridge, Section::kOutro}) {
        SectionInfo s;
        std::string error;
        ASSERT_TRUE(make_section(p, kind, &s, &error)) << error;
        for (const Note& n : melody_part(s, verse, chorus, bridge)) {
            const Chord& c = s.chord_at(n.row);
            const int pc = pitch_class(n.midi, p.tonic);
            EXPECT_TRUE(has_class(scale_for_chord(p.mode, c), pc) ||
                        has_class(chord_classes(c), pc))
                << p.file << " section " << static_cast<int>(kind) << " row " << n.row;
        }
        std::vector<Note> chords = p.format == Format::kXm ? arp_part(s) : harmony_part(s);
        for (const auto& voice : pad_parts(s))
            chords.insert(chords.end(), voice.begin(), voice.end());
        for (const Note& n : chords)
            EXPECT_TRUE(has_class(chord_classes(s.chord_at(n.row)), pitch_class(n.midi, p.tonic)))
                << p.file << " row " << n.row;
    }
}

// The files the build wrote: libmikmod loads each with the composed layout, its opening is
// audible and unclipped, and the whole song plays to its end.
TEST_P(Track, GeneratedFileLoadsPlaysAndEnds) {
    const TrackPlan p = plan();
    const Song s = composed(p);
    const std::string path = std::string(QUARRIK_GAME_DIR) + "/data/music/" + p.file;

    Rendering opening;
    std::string error;
    ASSERT_TRUE(render_module(path, 8.0, &opening, &error)) << error;
    EXPECT_EQ(opening.patterns, static_cast<int>(s.patterns.size()));
    EXPECT_EQ(opening.positions, static_cast<int>(s.order.size()));
    const Levels start = measure(opening);
    EXPECT_NEAR(start.seconds, 8.0, 0.05);
    EXPECT_GT(start.rms, 0.03) << p.file;
    EXPECT_LT(start.clipped, 0.001) << p.file;

    Rendering whole;
    ASSERT_TRUE(render_module(path, 240.0, &whole, &error)) << error;
    EXPECT_TRUE(whole.ended) << p.file << " never ended";
    const Levels all = measure(whole);
    EXPECT_NEAR(all.seconds, song_seconds(s), 0.5) << p.file;
    EXPECT_LT(all.clipped, 0.001) << p.file;
    EXPECT_GT(all.rms, 0.05) << p.file;
}

INSTANTIATE_TEST_SUITE_P(All, Track, ::testing::Range(0, 11));

// Plays the playlist of generated files with the game's own player; returns the number of
// tracks that did not start or stayed silent.
int play_playlist_with_game_player() {
    MusicPlayer player;
    if (!player.init(nullptr, QUARRIK_GAME_DIR))
        return 100;
    std::vector<int16_t> frames(2 * 44100);
    int failures = 0;
    for (int i = 0; i < MusicPlayer::track_count; ++i) {
        const int got = player.is_playing() ? player.render(frames.data(), 44100) : 0;
        int peak = 0;
        for (int j = 0; j < 2 * got; ++j)
            peak = std::max(peak, std::abs(int{frames[j]}));
        if (player.current() != i || peak < 1000) {
            std::fprintf(stderr, "track %s did not play\n", kPlaylist[i]);
            ++failures;
        }
        player.next_track();
    }
    return failures;
}

// The game's player registers libmikmod's loaders itself, and the library cannot take a
// second registration in one process, so it runs in a child process of its own.
TEST(GeneratedMusic, GamePlayerPlaysEveryTrack) {
    EXPECT_EXIT(std::exit(play_playlist_with_game_player()), ::testing::ExitedWithCode(0), "");
}

TEST(Composer, RefusesUnreadablePlans) {
    TrackPlan p = game_tracks()[0];
    Song s;
    std::string error;
    p.verse = "I IV vi";  // three chords do not fill four bars evenly
    EXPECT_FALSE(compose(p, &s, &error));
    p = game_tracks()[0];
    p.chorus = "I IV Q V";
    EXPECT_FALSE(compose(p, &s, &error));
    EXPECT_NE(error.find("001.mod"), std::string::npos);
}

TEST(Composer, FormHasIntroRoundsAndOutro) {
    TrackPlan p = game_tracks()[0];
    for (double target : {60.0, 120.0, 170.0}) {
        p.target_seconds = target;
        const std::vector<Section> form = plan_form(p);
        ASSERT_GE(form.size(), 11u);
        EXPECT_EQ(form.front(), Section::kIntro);
        EXPECT_EQ(form.back(), Section::kOutro);
        EXPECT_EQ(form[form.size() - 2], Section::kChorus2);
        const double seconds = form.size() * 64 * 2.5 * p.speed / p.bpm;
        EXPECT_LE(std::abs(seconds - std::max(target, 11 * 64 * 2.5 * p.speed / p.bpm)),
                  5 * 64 * 2.5 * p.speed / p.bpm / 2 + 1e-9);
    }
}

}  // namespace
