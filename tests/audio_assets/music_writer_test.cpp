#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/temp_dir.h"
#include "tools/music/instruments.h"
#include "tools/music/mod_writer.h"
#include "tools/music/render.h"
#include "tools/music/theory.h"
#include "tools/music/xm_writer.h"
#include "tools/sfx/wav_write.h"

using namespace music;

namespace {

// A small song: a looping square sample and one one-shot, a few notes in two patterns.
Song tiny_song(int channels) {
    Song s;
    s.title = "tiny";
    s.channels = channels;
    s.speed = 5;
    s.bpm = 140;
    Instrument tone;
    tone.name = "tone";
    for (int i = 0; i < 64; ++i)
        tone.samples.push_back(i % 32 < 16 ? 20000 : -20000);
    tone.loop_start = 32;
    tone.loop_length = 32;
    tone.volume = 40;
    Instrument hit;
    hit.name = "hit";
    for (int i = 0; i < 300; ++i)
        hit.samples.push_back(static_cast<int16_t>((i * 7919) % 30000 - 15000));
    hit.volume = 64;
    s.instruments = {tone, hit};
    for (int p = 0; p < 2; ++p) {
        Pattern pat(channels);
        for (int row = 0; row < kRows; row += 8) {
            Cell& c = pat.at(row, 1);
            c.note = static_cast<uint8_t>(49 + (row / 8) % 12);
            c.instrument = 1;
            c.volume = 40;
        }
        pat.at(4, 0).note = 61;
        pat.at(4, 0).instrument = 2;
        s.patterns.push_back(pat);
    }
    s.order = {0, 1, 1};
    return s;
}

struct Loaded {
    bool ok = false;
    Rendering r;
    std::string error;
};

Loaded load_and_play(const std::vector<uint8_t>& bytes, const char* name, double seconds) {
    TempDir dir;
    const std::string path = dir.path() + "/" + name;
    Loaded l;
    if (!wav::write_file(path, bytes))
        return l;
    l.ok = render_module(path, seconds, &l.r, &l.error);
    return l;
}

uint32_t le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at] | b[at + 1] << 8);
}

uint16_t be16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] << 8 | b[at + 1]);
}

constexpr size_t kModPatterns = 1084;

// Normalised circular autocorrelation of an instrument's loop at `lag` samples.
double loop_correlation(const Instrument& in, int lag) {
    const size_t n = in.loop_length;
    double cross = 0.0, energy = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double a = in.samples[in.loop_start + i];
        const double b = in.samples[in.loop_start + (i + static_cast<size_t>(lag)) % n];
        cross += a * b;
        energy += a * a;
    }
    return energy > 0.0 ? cross / energy : 0.0;
}

TEST(Theory, RomanNumeralsNameTheChords) {
    Chord c;
    ASSERT_TRUE(parse_chord("bVI", &c));
    EXPECT_EQ(c.root, 8);
    EXPECT_EQ(c.tones, (std::vector<int>{0, 4, 7}));
    ASSERT_TRUE(parse_chord("ii7", &c));
    EXPECT_EQ(c.root, 2);
    EXPECT_EQ(c.tones, (std::vector<int>{0, 3, 7, 10}));
    ASSERT_TRUE(parse_chord("viio", &c));
    EXPECT_EQ(c.root, 11);
    EXPECT_EQ(c.tones, (std::vector<int>{0, 3, 6}));
    ASSERT_TRUE(parse_chord("IVmaj7", &c));
    EXPECT_EQ(c.tones, (std::vector<int>{0, 4, 7, 11}));
    ASSERT_TRUE(parse_chord("iv", &c));  // not read as "i" followed by junk
    EXPECT_EQ(c.root, 5);
    EXPECT_FALSE(parse_chord("X", &c));
    EXPECT_FALSE(parse_chord("Vadd13", &c));
    std::vector<Chord> prog;
    EXPECT_TRUE(parse_progression("i bVII bVI V", &prog));
    EXPECT_EQ(prog.size(), 4u);
    EXPECT_FALSE(parse_progression("I IV nonsense", &prog));
    EXPECT_FALSE(parse_progression("", &prog));
}

TEST(Theory, MelodyScaleFollowsBorrowedChords) {
    Chord major_five, flat_seven;
    parse_chord("V", &major_five);
    parse_chord("bVII", &flat_seven);
    // A minor key over its major V brings the leading note in place of the flat seventh.
    const std::vector<int> minor_v = scale_for_chord(Mode::kMinor, major_five);
    EXPECT_TRUE(has_class(minor_v, 11));
    EXPECT_FALSE(has_class(minor_v, 10));
    EXPECT_EQ(minor_v.size(), 7u);
    // A major key over bVII takes the flat seventh.
    const std::vector<int> major_b7 = scale_for_chord(Mode::kMajor, flat_seven);
    EXPECT_TRUE(has_class(major_b7, 10));
    EXPECT_FALSE(has_class(major_b7, 11));
}

TEST(Theory, StepsAndNearestNotesStayInTheScale) {
    const std::vector<int> c_major = scale_classes(Mode::kMajor);
    EXPECT_EQ(step_in(c_major, 60, 60, 2), 64);   // C up two steps: E
    EXPECT_EQ(step_in(c_major, 60, 60, -1), 59);  // down one: B
    EXPECT_EQ(step_in(c_major, 60, 61, 0), 60);   // C# snaps down to C
    EXPECT_EQ(nearest_in({7}, 60, 65), 67);       // nearest G to F is above
    EXPECT_EQ(pitch_class(57, 60), 9);
}

TEST(Theory, ChordVoicingsMoveLittleAndStayInRange) {
    Chord one, four;
    parse_chord("I", &one);
    parse_chord("IV", &four);
    const std::vector<int> first = voice_chord(one, 60, 3, 55, 72, {});
    ASSERT_EQ(first.size(), 3u);
    const std::vector<int> next = voice_chord(four, 60, 3, 55, 72, first);
    ASSERT_EQ(next.size(), 3u);
    int moved = 0;
    for (size_t i = 0; i < 3; ++i) {
        moved += std::abs(next[i] - first[i]);
        EXPECT_GE(next[i], 55);
        EXPECT_LE(next[i], 72);
    }
    EXPECT_LE(moved, 5);  // C-E-G to C-F-A moves two voices by a step or two
}

TEST(ModWriter, LaysOutHeaderSamplesAndCells) {
    Song s = tiny_song(4);
    s.instruments.resize(17, s.instruments[1]);  // sample 17 needs the high nibble
    s.patterns[0].at(8, 2).note = 72;
    s.patterns[0].at(8, 2).instrument = 17;
    s.patterns[0].at(9, 1).note = kKeyOff;
    std::vector<uint8_t> b;
    std::string error;
    ASSERT_TRUE(encode_mod(s, &b, &error)) << error;

    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "tiny");
    EXPECT_EQ(be16(b, 20 + 22), 32);  // 64 samples = 32 words
    EXPECT_EQ(b[20 + 25], 40);        // volume
    EXPECT_EQ(be16(b, 20 + 26), 16);  // loop start in words
    EXPECT_EQ(be16(b, 20 + 28), 16);  // loop length in words
    EXPECT_EQ(be16(b, 50 + 28), 1);   // one-shot: the one-word loop
    EXPECT_EQ(b[950], 3);             // positions
    EXPECT_EQ(b[952 + 2], 1);
    EXPECT_EQ(std::string(b.begin() + 1080, b.begin() + 1084), "M.K.");
    ASSERT_EQ(b.size(), kModPatterns + 2 * 1024 + 64 + 16 * 300);

    auto cell = [&](int pattern, int row, int ch) {
        return b.begin() + static_cast<long>(kModPatterns + pattern * 1024 + (row * 4 + ch) * 4);
    };
    // Row 0: note 49 is C-2 (period 428) with sample 1 at its own volume, so no command.
    auto c = cell(0, 0, 1);
    EXPECT_EQ(((c[0] & 0x0F) << 8) | c[1], 428);
    EXPECT_EQ((c[0] & 0xF0) | (c[2] >> 4), 1);
    // Speed and tempo land in the free effect columns of the first row.
    EXPECT_EQ(*(cell(0, 0, 0) + 2) & 0x0F, kFxSetSpeed);
    EXPECT_EQ(*(cell(0, 0, 0) + 3), 5);
    EXPECT_EQ(*(cell(0, 0, 1) + 2) & 0x0F, kFxSetSpeed);
    EXPECT_EQ(*(cell(0, 0, 1) + 3), 140);
    // Sample 17, B-3.
    c = cell(0, 8, 2);
    EXPECT_EQ((c[0] & 0xF0) | (c[2] >> 4), 17);
    EXPECT_EQ(((c[0] & 0x0F) << 8) | c[1], 113);
    // A release becomes a quick volume slide, not a hard cut.
    c = cell(0, 9, 1);
    EXPECT_EQ(c[2] & 0x0F, kFxVolumeSlide);
    EXPECT_EQ(c[3], 0x0C);
    // One-shot samples start on a silent word.
    const size_t hit = kModPatterns + 2 * 1024 + 64;
    EXPECT_EQ(b[hit], 0);
    EXPECT_EQ(b[hit + 1], 0);
}

TEST(ModWriter, RefusesWhatTheFormatCannotHold) {
    std::vector<uint8_t> b;
    std::string error;
    Song s = tiny_song(4);
    s.patterns[1].at(3, 2).note = 30;  // below C-1
    EXPECT_FALSE(encode_mod(s, &b, &error));

    s = tiny_song(4);
    s.patterns[1].at(8, 1).effect = kFxVibrato;  // volume 40 equals the default: fine
    s.patterns[1].at(8, 1).param = 0x42;
    EXPECT_TRUE(encode_mod(s, &b, &error)) << error;
    s.patterns[1].at(8, 1).volume = 20;  // now both need the one effect column
    EXPECT_FALSE(encode_mod(s, &b, &error));

    s = tiny_song(4);
    s.instruments[0].loop_start = 31;
    EXPECT_FALSE(encode_mod(s, &b, &error));

    s = tiny_song(5);
    EXPECT_FALSE(encode_mod(s, &b, &error));

    s = tiny_song(4);
    for (int ch = 0; ch < 4; ++ch)
        s.patterns[0].at(0, ch).volume = 7;
    EXPECT_FALSE(encode_mod(s, &b, &error)) << "no room for the opening speed and tempo";
    EXPECT_NE(error.find("speed"), std::string::npos);

    s = tiny_song(4);
    s.order.push_back(9);
    EXPECT_FALSE(encode_mod(s, &b, &error));
}

TEST(XmWriter, DeltaCodingRestoresTheSamples) {
    const std::vector<int16_t> samples = {0, 100, -100, 32767, -32768, 32767, 5};
    const std::vector<int16_t> deltas = delta_encode(samples);
    ASSERT_EQ(deltas.size(), samples.size());
    int16_t sum = 0;
    for (size_t i = 0; i < deltas.size(); ++i) {
        sum = static_cast<int16_t>(static_cast<uint16_t>(sum) + static_cast<uint16_t>(deltas[i]));
        EXPECT_EQ(sum, samples[i]) << i;
    }
}

TEST(XmWriter, HeaderAndPackedPatterns) {
    Song s = tiny_song(6);
    std::vector<uint8_t> b;
    std::string error;
    ASSERT_TRUE(encode_xm(s, &b, &error)) << error;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 17), "Extended Module: ");
    EXPECT_EQ(le16(b, 58), 0x0104u);
    EXPECT_EQ(le16(b, 64), 3u);      // positions
    EXPECT_EQ(le16(b, 68), 6u);      // channels
    EXPECT_EQ(le16(b, 70), 2u);      // patterns
    EXPECT_EQ(le16(b, 72), 2u);      // instruments
    EXPECT_EQ(le16(b, 74) & 1, 1u);  // linear frequencies
    EXPECT_EQ(le16(b, 76), 5u);
    EXPECT_EQ(le16(b, 78), 140u);
    // First pattern: row 0 is an empty cell, then note, instrument and volume.
    const size_t data = 336 + 9;
    EXPECT_EQ(b[data], 0x80);
    EXPECT_EQ(b[data + 1], 0x80 | 0x07);
    EXPECT_EQ(b[data + 2], 49);
    EXPECT_EQ(b[data + 3], 1);
    EXPECT_EQ(b[data + 4], 0x10 + 40);

    s.patterns[0].at(0, 0).note = 98;
    EXPECT_FALSE(encode_xm(s, &b, &error));
    s = tiny_song(6);
    s.instruments[0].sustain_point = 2;  // no envelope to sustain in
    EXPECT_FALSE(encode_xm(s, &b, &error));
}

// What the game really needs: libmikmod reads both formats and plays them to the end.
TEST(TrackerFiles, LibmikmodLoadsAndPlaysBothFormats) {
    for (Format f : {Format::kMod, Format::kXm}) {
        const Song s = tiny_song(f == Format::kXm ? 6 : 4);
        std::vector<uint8_t> b;
        std::string error;
        ASSERT_TRUE(f == Format::kXm ? encode_xm(s, &b, &error) : encode_mod(s, &b, &error));
        const Loaded l = load_and_play(b, f == Format::kXm ? "t.xm" : "t.mod", 60.0);
        ASSERT_TRUE(l.ok) << l.error;
        EXPECT_EQ(l.r.patterns, 2);
        EXPECT_EQ(l.r.positions, 3);
        EXPECT_TRUE(l.r.ended) << "the song must stop after its last position";
        const Levels lv = measure(l.r);
        EXPECT_NEAR(lv.seconds, song_seconds(s), 0.1);
        EXPECT_GT(lv.rms, 0.01);
    }
}

TEST(TrackerFiles, RenderingAMissingOrBrokenFileFails) {
    Rendering r;
    std::string error;
    EXPECT_FALSE(render_module("/nonexistent/file.mod", 1.0, &r, &error));
    EXPECT_FALSE(error.empty());
    const Loaded l = load_and_play(std::vector<uint8_t>(100, 7), "junk.xm", 1.0);
    EXPECT_FALSE(l.ok);
}

TEST(TrackerFiles, SongLengthFollowsSpeedChanges) {
    Song s = tiny_song(4);
    EXPECT_NEAR(song_seconds(s), 3 * 64 * 2.5 * 5 / 140, 1e-9);
    s.patterns[1].at(0, 3).effect = kFxSetSpeed;
    s.patterns[1].at(0, 3).param = 10;  // twice as slow from the second position on
    EXPECT_NEAR(song_seconds(s), 64 * 2.5 * 5 / 140 + 2 * 64 * 2.5 * 10 / 140, 1e-9);
}

TEST(Instruments, PitchedLoopsAreSeamlessAndInTune) {
    for (Format f : {Format::kMod, Format::kXm}) {
        for (Sound sound : {Sound::kSquareLead, Sound::kPad, Sound::kSawBass, Sound::kOrgan}) {
            const Voice v = make_voice(sound, f);
            const Instrument& in = v.instrument;
            ASSERT_GT(in.loop_length, 0u) << in.name;
            ASSERT_LE(in.loop_start + in.loop_length, in.samples.size());
            // The sample just before the loop start matches the loop's last: no seam.
            const int before = in.samples[in.loop_start - 1];
            const int last = in.samples[in.loop_start + in.loop_length - 1];
            EXPECT_NEAR(before, last, 600) << in.name;
            // A C played on it repeats at that C's period: measured on the loop by
            // autocorrelation, which would also catch an octave slip.
            const int pitch = sound == Sound::kSawBass ? 48 : 60;  // inside each one's range
            const uint8_t note = note_for(v, pitch, f);
            const double hz = 261.63 * std::pow(2.0, (pitch - 60) / 12.0);
            const double own_rate = 8363.0 * std::pow(2.0, in.relative_note / 12.0);
            const double lag = own_rate * std::pow(2.0, (note - 49) / 12.0) / hz;
            EXPECT_GT(loop_correlation(in, static_cast<int>(std::lround(lag))), 0.95) << in.name;
            EXPECT_LT(loop_correlation(in, static_cast<int>(std::lround(lag * 0.75))), 0.9)
                << in.name;
        }
    }
    const Voice kick = make_voice(Sound::kKick, Format::kMod);
    EXPECT_EQ(kick.instrument.loop_length, 0u);
    EXPECT_EQ(note_for(kick, 20, Format::kMod), kick.drum_note);
}

}  // namespace
