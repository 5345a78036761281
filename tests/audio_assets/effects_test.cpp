#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sound/sample_convert.h"
#include "sound/sound_bank.h"
#include "sound/wav_reader.h"
#include "tools/sfx/effects.h"
#include "tools/sfx/levels.h"
#include "tools/sfx/loudness.h"
#include "tools/sfx/synth.h"
#include "tools/sfx/wav_write.h"

namespace {

const char* const kFiles[12] = {"s1.wav",  "s2.wav",  "s3.wav",  "s4.wav",  "s5.wav",  "s6.wav",
                                "s01.wav", "s02.wav", "s03.wav", "s04.wav", "s05.wav", "s06.wav"};

std::vector<int16_t> pcm16(const std::vector<uint8_t>& data) {
    std::vector<int16_t> out(data.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return out;
}

double peak_of(const std::vector<int16_t>& s) {
    int top = 0;
    for (int16_t v : s)
        top = std::max(top, std::abs(static_cast<int>(v)));
    return top / 32767.0;
}

class GeneratedEffect : public ::testing::TestWithParam<int> {};

// The files the build laid into the game's data folder.
TEST_P(GeneratedEffect, IsShortCleanLevelledPcm) {
    const int index = GetParam();
    const std::string path = std::string(QUARRIK_GAME_DIR) + "/data/" + kFiles[index];
    WaveFile w;
    ASSERT_TRUE(read_wave_file(path, w)) << path;
    EXPECT_EQ(w.format.format_tag, 1);
    EXPECT_EQ(w.format.channels, 1);
    EXPECT_EQ(w.format.bits_per_sample, 16);
    EXPECT_TRUE(w.format.sample_rate == 22050 || w.format.sample_rate == 44100);
    std::vector<int16_t> playable;
    EXPECT_TRUE(convert_wave(w, SoundBank::output_rate, playable));
    const std::vector<int16_t> samples = pcm16(w.data);
    const double seconds = static_cast<double>(samples.size()) / w.format.sample_rate;

    const int event = index % 6;  // dig, gold, caught, last gold, exit, extra life
    if (event <= 1) {
        EXPECT_LT(seconds, 0.3) << "dig and gold must be short";
    } else {
        EXPECT_LT(seconds, 2.0);
    }
    EXPECT_GT(seconds, 0.1);

    // Faded at both ends: starting or stopping the buffer must not click.
    ASSERT_FALSE(samples.empty());
    EXPECT_LE(std::abs(samples.front()), 330);
    EXPECT_LE(std::abs(samples.back()), 330);

    // At the common loudness, and well short of clipping.
    std::vector<float> mono(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        mono[i] = samples[i] / 32768.0f;
    EXPECT_NEAR(loudness::k_weighted_loudness(mono, 1, w.format.sample_rate), sfx::kLoudness, 0.3);
    EXPECT_LE(peak_of(samples), sfx::kPeakCeiling + 0.001);
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, GeneratedEffect, ::testing::Range(0, 12));

// The game's own effect bank takes all twelve in its load order, and they sound when played.
TEST(GeneratedEffects, GameBankLoadsAndPlaysAllTwelve) {
    SoundBank bank;
    bank.init_without_output();
    ASSERT_EQ(bank.load_effects(QUARRIK_GAME_DIR "/data"), 12);
    for (int i = 0; i < 12; ++i) {
        bank.play(i, true);
        std::vector<int16_t> frames(2 * 2048);
        bank.render(frames.data(), 2048);
        EXPECT_GT(peak_of(frames), 0.05) << kFiles[i];
        bank.stop(i);
    }
}

// The level report over the shipped files: no effect has an offset, and both effect sets sit
// within the limit of the music as the game plays it by default. It starts the game's music
// player, so it runs in a child process (see music_tracks_test.cpp).
int report_levels() {
    levels::Report report;
    std::string error;
    if (!levels::measure_game_audio(QUARRIK_GAME_DIR, &report, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (!report.ok())
        std::fputs(levels::format_report(report).c_str(), stderr);
    return report.ok() ? 0 : 1;
}

TEST(GeneratedAudio, EffectsHaveNoOffsetAndMatchTheMusic) {
    EXPECT_EXIT(std::exit(report_levels()), ::testing::ExitedWithCode(0), "");
}

TEST(EffectSets, EverySoundIsItsOwn) {
    const std::vector<sfx::Effect> all = sfx::make_all_effects();
    ASSERT_EQ(all.size(), 12u);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].file, kFiles[i]);
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(all[i].samples, all[j].samples) << all[i].file << " " << all[j].file;
    }
    // Synthesis is deterministic: a rebuild writes identical files.
    EXPECT_EQ(sfx::make_normal(0), all[0].samples);
    EXPECT_EQ(sfx::make_classic(5), all[11].samples);
}

// A 1 kHz tone reads its mean square plus the weighting's 0.69 dB there; silence around a
// sound does not lower its figure; an offset shows in both means.
TEST(Loudness, WeightedGatedAndOffsetsSeen) {
    const int rate = 44100;
    std::vector<float> tone(rate / 2), padded(2 * rate, 0.0f);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5f * std::sin(2.0 * 3.14159265358979 * 1000.0 * i / rate);
    std::copy(tone.begin(), tone.end(), padded.begin() + rate);
    const double expected = 10.0 * std::log10(0.125) + 0.69;
    EXPECT_NEAR(loudness::k_weighted_loudness(tone, 1, rate), expected, 0.1);
    EXPECT_NEAR(loudness::measure(padded, 1, rate).loudness, expected, 0.1);
    for (float& v : tone)
        v += 0.05f;
    const loudness::Figures f = loudness::measure(tone, 1, rate);
    EXPECT_NEAR(f.mean, 0.05, 0.001);
    EXPECT_NEAR(f.window_mean, 0.05, 0.001);
    EXPECT_NEAR(f.peak, 0.55, 0.001);
}

TEST(EffectFiles, WritingToAMissingFolderFails) {
    std::string error;
    EXPECT_FALSE(sfx::write_effects("/nonexistent-folder/for/sure", &error));
    EXPECT_NE(error.find("s1.wav"), std::string::npos);
}

TEST(WavWriter, HeaderDescribesTheData) {
    const std::vector<int16_t> stereo = {1, -1, 32767, -32768, 0, 5};
    const std::vector<uint8_t> bytes = wav::encode_pcm16(stereo, 2, 22050);
    WaveFile w;
    ASSERT_TRUE(read_wave(bytes.data(), bytes.size(), w));
    EXPECT_EQ(w.format.format_tag, 1);
    EXPECT_EQ(w.format.channels, 2);
    EXPECT_EQ(w.format.sample_rate, 22050u);
    EXPECT_EQ(w.format.avg_bytes_per_sec, 22050u * 4);
    EXPECT_EQ(w.format.block_align, 4);
    EXPECT_EQ(pcm16(w.data), stereo);
}

TEST(Synth, FadesEndOnSilenceAndLeaveTheMiddle) {
    sfx::Signal s(1000, 0.5f);
    sfx::apply_fades(s, 100.0 / sfx::kRate, 200.0 / sfx::kRate);
    EXPECT_FLOAT_EQ(s.front(), 0.0f);
    EXPECT_NEAR(s.back(), 0.0f, 1e-6);
    EXPECT_FLOAT_EQ(s[500], 0.5f);
    EXPECT_LT(s[50], 0.5f);
    // Fades longer than the sound do not run past its ends.
    sfx::Signal tiny(3, 1.0f);
    sfx::apply_fades(tiny, 1.0, 1.0);
    EXPECT_EQ(tiny.size(), 3u);
}

TEST(Synth, NormaliseScalesToThePeakAndLeavesSilenceAlone) {
    sfx::Signal s = {0.1f, -0.25f, 0.2f};
    sfx::normalise(s, 0.5f);
    EXPECT_FLOAT_EQ(s[1], -0.5f);
    EXPECT_FLOAT_EQ(s[0], 0.2f);
    sfx::Signal quiet(10, 0.0f);
    sfx::normalise(quiet, 0.9f);
    for (float v : quiet)
        EXPECT_EQ(v, 0.0f);
    // Out-of-range values are clamped, not wrapped, on conversion.
    const std::vector<int16_t> pcm = sfx::to_pcm16({1.5f, -1.5f});
    EXPECT_EQ(pcm[0], 32767);
    EXPECT_EQ(pcm[1], -32767);
}

TEST(Synth, FilterPassesLowsAndCutsHighs) {
    auto through = [](double hz) {
        sfx::Svf f;
        f.set(500.0, 0.7);
        sfx::Phasor p;
        double top = 0.0;
        for (int i = 0; i < sfx::kRate / 2; ++i) {
            const float y = f.process(sfx::osc_sine(p.next(hz)));
            if (i > sfx::kRate / 4)
                top = std::max(top, std::fabs(static_cast<double>(y)));
        }
        return top;
    };
    EXPECT_GT(through(100.0), 0.8);
    EXPECT_LT(through(8000.0), 0.02);
}

TEST(Synth, RoomTailDiesAwayAndStaysBounded) {
    sfx::Signal s(100, 0.0f);
    s[0] = 1.0f;
    sfx::add_room(s, 0.3, 0.5f);
    EXPECT_EQ(s.size(), 100 + sfx::frames_for(0.3));
    float top = 0.0f, late = 0.0f;
    for (size_t i = 1; i < s.size(); ++i) {
        top = std::max(top, std::fabs(s[i]));
        if (i > s.size() - 500)
            late = std::max(late, std::fabs(s[i]));
    }
    EXPECT_LT(top, 1.0f);
    EXPECT_LT(late, 0.01f);
}

// A narrow pulse is centred on zero (no offset) and keeps its duty.
TEST(Synth, BandLimitedSquareIsCentredWithTheRightDuty) {
    sfx::Phasor p;
    int high = 0;
    double sum = 0.0;
    const int n = sfx::kRate;
    for (int i = 0; i < n; ++i) {
        const double phase = p.next(441.0);
        const float v = sfx::osc_square(phase, p.step(), 0.25);
        ASSERT_LE(std::fabs(v), 1.6f);
        sum += v;
        if (v > 0.5f)  // halfway between the high (1.5) and low (-0.5) levels
            ++high;
    }
    EXPECT_NEAR(static_cast<double>(high) / n, 0.25, 0.015);
    EXPECT_NEAR(sum / n, 0.0, 0.001);
}

}  // namespace
