#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tools/music/instruments.h"
#include "tools/music/parts.h"
#include "tools/music/tracks.h"

using namespace music;

namespace {

// A motif tiles its two bars exactly, each bar opening on its first row, and closes on a
// held note rather than trailing off mid-beat.
TEST(Motif, FillsTwoBarsAndEndsOnAHeldNote) {
    for (Rhythm rhythm : {Rhythm::kDriving, Rhythm::kLyrical, Rhythm::kSyncopated}) {
        for (uint32_t seed = 1; seed < 40; ++seed) {
            Rng rng(seed);
            const Motif m = make_motif(rng, rhythm, seed % 2 == 0);
            ASSERT_FALSE(m.steps.empty());
            int row = 0;
            bool bar_two_opened = false;
            for (const Motif::Step& st : m.steps) {
                EXPECT_EQ(st.row, row) << "gap or overlap, seed " << seed;
                EXPECT_GT(st.length, 0);
                EXPECT_EQ(st.row / 16, (st.row + st.length - 1) / 16) << "note across the bar";
                if (st.row == 16)
                    bar_two_opened = true;
                row += st.length;
            }
            EXPECT_EQ(row, 32);
            EXPECT_TRUE(bar_two_opened);
            EXPECT_GE(m.steps.back().length, 4);
            EXPECT_FALSE(m.steps.back().rest);
            EXPECT_FALSE(m.steps.front().rest);
        }
    }
}

// Each bar's bass starts on the root of the chord sounding there, and stays in the bass.
TEST(BassLine, BarsStartOnTheChordRoot) {
    for (const TrackPlan& p : game_tracks()) {
        for (int step = 0; step < 8 * 2; ++step) {
            SectionInfo s;
            std::string error;
            ASSERT_TRUE(make_section(p, static_cast<Section>(step % 8), &s, &error)) << error;
            s.round = step / 8;
            for (const Note& n : bass_part(s)) {
                EXPECT_GE(n.midi, 28) << p.file;
                EXPECT_LE(n.midi, 52) << p.file;
                if (n.row % 16 == 0) {
                    EXPECT_EQ(pitch_class(n.midi, p.tonic), s.chord_at(n.row).root)
                        << p.file << " row " << n.row;
                }
            }
        }
    }
}

// A four-channel module shares one drum channel: it never holds more than a hit a row, and
// the chorus opens on the crash.
TEST(Drums, ChorusOpensOnACrashAndFillsRiseToTheNextSection) {
    const TrackPlan p = game_tracks()[0];
    SectionInfo s;
    std::string error;
    ASSERT_TRUE(make_section(p, Section::kChorus2, &s, &error));
    const std::vector<DrumHit> hits = drum_part(s);
    bool crash = false;
    int last_snare_volume = 0;
    for (const DrumHit& h : hits) {
        EXPECT_GE(h.row, 0);
        EXPECT_LT(h.row, kRows);
        if (h.row == 0 && h.drum == Drum::kCrash)
            crash = true;
        if (h.row >= 56 && h.drum == Drum::kSnare) {
            EXPECT_GE(h.volume, last_snare_volume) << "the fill should build";
            last_snare_volume = h.volume;
        }
    }
    EXPECT_TRUE(crash);
    EXPECT_GT(last_snare_volume, 50);
}

// One-shot sounds end on silence (no click when they run out); sustained ones loop and the
// XM versions have an envelope that holds until released and then fades.
TEST(Instruments, OneShotsEndSilentAndSustainedOnesCanBeReleased) {
    for (Format f : {Format::kMod, Format::kXm}) {
        for (Sound sound : {Sound::kKick, Sound::kSnare, Sound::kClap, Sound::kHat, Sound::kOpenHat,
                            Sound::kCrash, Sound::kPluck, Sound::kEPiano, Sound::kBell}) {
            const Voice v = make_voice(sound, f);
            ASSERT_FALSE(v.instrument.samples.empty());
            EXPECT_EQ(v.instrument.loop_length, 0u) << v.instrument.name;
            EXPECT_LE(std::abs(v.instrument.samples.back()), 300) << v.instrument.name;
            EXPECT_FALSE(v.sustains);
        }
        for (Sound sound :
             {Sound::kSquareLead, Sound::kBrassLead, Sound::kFlute, Sound::kPad, Sound::kOrgan,
              Sound::kSawBass, Sound::kSquareBass, Sound::kRoundBass}) {
            const Voice v = make_voice(sound, f);
            EXPECT_TRUE(v.sustains) << v.instrument.name;
            EXPECT_GT(v.instrument.loop_length, 0u);
            if (f == Format::kXm) {
                ASSERT_GE(v.instrument.sustain_point, 0) << v.instrument.name;
                EXPECT_GT(v.instrument.fadeout, 0);
            }
        }
    }
}

// Notes outside a module's three octaves are folded back in by octaves, keeping the pitch
// class; XM has room for everything.
TEST(Instruments, NotesFoldIntoTheFormatsRange) {
    const Voice lead = make_voice(Sound::kSquareLead, Format::kMod);
    for (int midi = 20; midi < 110; ++midi) {
        const uint8_t n = note_for(lead, midi, Format::kMod);
        EXPECT_GE(n, 37);
        EXPECT_LE(n, 72);
        EXPECT_EQ((n - 49 + lead.base_midi - midi) % 12, 0) << midi;
    }
    const Voice pad = make_voice(Sound::kPad, Format::kXm);
    EXPECT_EQ(note_for(pad, 84, Format::kXm), 49 + 84 - pad.base_midi);
}

}  // namespace
