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

// One to three minutes, with one way back: a position jump to the loop point on the very last
// row (which ends the song in the game, where looping is off), and no pattern break.
TEST_P(Track, LastsOneToThreeMinutesAndJumpsBackFromTheEnd) {
    const TrackPlan p = plan();
    const Song s = composed(p);
    const double seconds = song_seconds(s);
    EXPECT_GE(seconds, 60.0) << p.file;
    EXPECT_LE(seconds, 180.0) << p.file;
    EXPECT_GE(s.restart, 1) << "the loop point comes after the intro";
    int jumps = 0;
    for (size_t pos = 0; pos < s.order.size(); ++pos) {
        const Pattern& pat = s.patterns[s.order[pos]];
        for (int row = 0; row < kRows; ++row)
            for (int ch = 0; ch < pat.channels; ++ch) {
                const Cell& c = pat.at(row, ch);
                EXPECT_NE(c.effect, kFxPatternBreak) << p.file;
                if (c.effect != kFxPositionJump)
                    continue;
                ++jumps;
                EXPECT_EQ(pos + 1, s.order.size()) << p.file;
                EXPECT_EQ(row, kRows - 1) << p.file;
                EXPECT_EQ(c.param, s.restart) << p.file;
            }
    }
    EXPECT_EQ(jumps, 1) << p.file;
    // The turnaround is heard once, at the end.
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
    for (int step = 0; step < 8 * 3; ++step) {
        const auto kind = static_cast<Section>(step % 8);
        SectionInfo s;
        std::string error;
        ASSERT_TRUE(make_section(p, kind, &s, &error)) << error;
        s.round = step / 8;
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
    if (!player.init(nullptr, QUARRIK_GAME_DIR "/data"))
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

bool same_pattern(const Pattern& a, const Pattern& b) {
    if (a.channels != b.channels)
        return false;
    for (size_t i = 0; i < a.cells.size(); ++i) {
        const Cell& x = a.cells[i];
        const Cell& y = b.cells[i];
        if (x.note != y.note || x.instrument != y.instrument || x.volume != y.volume ||
            x.effect != y.effect || x.param != y.param)
            return false;
    }
    return true;
}

// The longest stretch (seconds) played twice in a row anywhere before the song loops.
double longest_repeat(const Song& s) {
    const double pattern_seconds = kRows * 2.5 * s.speed / s.bpm;
    size_t longest = 0;
    for (size_t at = 0; at < s.order.size(); ++at)
        for (size_t len = 1; at + 2 * len <= s.order.size(); ++len) {
            bool same = true;
            for (size_t k = 0; k < len && same; ++k)
                same = same_pattern(s.patterns[s.order[at + k]], s.patterns[s.order[at + len + k]]);
            if (same)
                longest = std::max(longest, len);
        }
    return longest * pattern_seconds;
}

// Every track has a form of its own: an intro, a bridge or a break, a turnaround; its own
// order list, drums and lead sounds; nothing over 20 seconds played twice back to back.
TEST(GameTracks, EachHasItsOwnFormOrderDrumsAndLeads) {
    std::set<std::vector<uint8_t>> orders;
    std::set<std::vector<std::vector<int16_t>>> kits;
    std::set<std::vector<int16_t>> leads;
    for (const TrackPlan& p : game_tracks()) {
        Form form;
        std::string error;
        ASSERT_TRUE(plan_form(p, &form, &error)) << error;
        EXPECT_TRUE(std::any_of(form.steps.begin(), form.steps.end(), [](const FormStep& st) {
            return st.kind == Section::kBridge || st.kind == Section::kBreak;
        })) << p.file;
        const Song s = composed(p);
        EXPECT_TRUE(orders.insert(s.order).second) << p.file << " repeats another's order list";
        std::vector<std::vector<int16_t>> drums;
        for (const Instrument& inst : s.instruments)
            if (inst.name == "kick" || inst.name == "snare" || inst.name == "clap" ||
                inst.name == "hat" || inst.name == "open hat" || inst.name == "crash")
                drums.push_back(inst.samples);
        EXPECT_EQ(drums.size(), 5u) << p.file;
        EXPECT_TRUE(kits.insert(drums).second) << p.file << " repeats another's drums";
        EXPECT_LE(longest_repeat(s), 20.0) << p.file;
        // The melody's channel: the last of a module's four, the ninth of an XM's ten.
        const int lead_channel = s.channels == 4 ? 3 : 8;
        std::set<int> lead_instruments;
        for (const Pattern& pat : s.patterns)
            for (int row = 0; row < kRows; ++row)
                if (pat.at(row, lead_channel).instrument)
                    lead_instruments.insert(pat.at(row, lead_channel).instrument - 1);
        EXPECT_EQ(lead_instruments.size(), 2u) << p.file << ": a lead and a bridge lead";
        for (int i : lead_instruments)
            EXPECT_TRUE(leads.insert(s.instruments[static_cast<size_t>(i)].samples).second)
                << p.file << " shares a lead sound";
    }
}

TEST(Composer, RefusesFormsWithoutIntroTurnaroundOrLoopPoint) {
    TrackPlan p = game_tracks()[0];
    Form form;
    std::string error;
    for (const char* bad :
         {"v | c t", "in | v c", "in v c t", "| in v t", "in | v t c t", "in | v x t"}) {
        p.form = bad;
        EXPECT_FALSE(plan_form(p, &form, &error)) << bad;
    }
    p.form = "in | v c2 t";
    ASSERT_TRUE(plan_form(p, &form, &error)) << error;
    EXPECT_EQ(form.loop, 1);
    ASSERT_EQ(form.steps.size(), 4u);
    EXPECT_EQ(form.steps[2].kind, Section::kChorus);
    EXPECT_EQ(form.steps[2].round, 2);
}

}  // namespace
