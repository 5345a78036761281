#include "sound/wav_reader.h"

#include <gtest/gtest.h>

#include "sound/sample_convert.h"
#include "support/temp_dir.h"
#include "wave_bytes.h"

using namespace wave_bytes;

namespace {

bool parse(const std::string& bytes, WaveFile& out) {
    return read_wave(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

TEST(WavReader, ReadsPcmFormatAndDataWithOtherChunksAround) {
    const std::string fmt = fmt_body(1, 2, 22050, 16) + le16(0);  // 18-byte PCM chunk
    const std::string file = riff(chunk("LIST", "abc") + chunk("fmt ", fmt) + chunk("junk", "") +
                                  chunk("data", pcm16({1, -2, 3, -4})));
    WaveFile w;
    ASSERT_TRUE(parse(file, w));
    EXPECT_EQ(w.format.format_tag, 1);
    EXPECT_EQ(w.format.channels, 2);
    EXPECT_EQ(w.format.sample_rate, 22050u);
    EXPECT_EQ(w.format.avg_bytes_per_sec, 22050u * 4);
    EXPECT_EQ(w.format.block_align, 4);
    EXPECT_EQ(w.format.bits_per_sample, 16);
    EXPECT_TRUE(w.format.extra.empty());
    EXPECT_EQ(w.data.size(), 8u);
    EXPECT_EQ(w.data[2], 0xFE);  // -2 low byte
}

TEST(WavReader, NonPcmCarriesItsExtraBytes) {
    // ADPCM-like tag 2 with 4 extra bytes, and the data chunk before the format chunk.
    const std::string fmt = fmt_body(2, 1, 8000, 4) + le16(4) + "\x01\x02\x03\x04";
    WaveFile w;
    ASSERT_TRUE(parse(riff(chunk("data", "xyzw") + chunk("fmt ", fmt)), w));
    EXPECT_EQ(w.format.format_tag, 2);
    EXPECT_EQ(w.format.extra, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(w.data.size(), 4u);

    // The extra-size field is required, and the bytes it announces must be in the chunk.
    EXPECT_FALSE(parse(riff(chunk("fmt ", fmt_body(3, 1, 8000, 32)) + chunk("data", "abcd")), w));
    const std::string short_extra = fmt_body(2, 1, 8000, 4) + le16(6) + "\x01\x02";
    EXPECT_FALSE(parse(riff(chunk("fmt ", short_extra) + chunk("data", "abcd")), w));
}

TEST(WavReader, RejectsMissingOrMalformedParts) {
    const std::string fmt = chunk("fmt ", fmt_body(1, 1, 44100, 16));
    const std::string data = chunk("data", pcm16({5, 6}));
    WaveFile w;
    EXPECT_FALSE(parse(riff(data), w)) << "no fmt chunk";
    EXPECT_FALSE(parse(riff(fmt), w)) << "no data chunk";
    EXPECT_FALSE(parse(riff(chunk("fmt ", fmt_body(1, 1, 44100, 16).substr(0, 14)) + data), w))
        << "fmt chunk under 16 bytes";
    std::string not_wave = riff(fmt + data);
    not_wave.replace(8, 4, "AVI ");
    EXPECT_FALSE(parse(not_wave, w));
    std::string not_riff = riff(fmt + data);
    not_riff.replace(0, 4, "RIFX");
    EXPECT_FALSE(parse(not_riff, w));
    EXPECT_FALSE(parse("", w));
    EXPECT_FALSE(parse("RIFF", w));
}

TEST(WavReader, RejectsTruncatedFilesAndChunksRunningPastTheEnd) {
    const std::string good = pcm16_file({1, 2, 3, 4, 5, 6});
    WaveFile w;
    ASSERT_TRUE(parse(good, w));
    for (size_t cut : {good.size() - 1, good.size() - 5, size_t{30}, size_t{12}}) {
        EXPECT_FALSE(parse(good.substr(0, cut), w)) << "cut at " << cut;
    }
    // A data chunk whose size runs past the RIFF end, even though the RIFF size is consistent.
    std::string lying =
        riff(chunk("fmt ", fmt_body(1, 1, 44100, 16)) + "data" + le32(1000) + pcm16({1, 2}));
    EXPECT_FALSE(parse(lying, w));
    // A size near 4 GiB must not wrap around the bounds check.
    std::string huge =
        riff(chunk("fmt ", fmt_body(1, 1, 44100, 16)) + "data" + le32(0xFFFFFFF8u) + pcm16({1, 2}));
    EXPECT_FALSE(parse(huge, w));
}

TEST(WavReader, OddChunksArePaddedAndTrailingBytesIgnored) {
    // An odd-sized chunk before the format: the pad byte must be skipped to find "fmt ".
    const std::string body = chunk("note", "odd") + chunk("fmt ", fmt_body(1, 1, 8000, 8)) +
                             chunk("data", "\x80\x90\xA0");  // odd data, pad present
    WaveFile w;
    ASSERT_TRUE(parse(riff(body), w));
    EXPECT_EQ(w.data.size(), 3u);
    // An odd last chunk whose pad byte is missing at the end of the file is still whole.
    const std::string unpadded =
        riff(chunk("fmt ", fmt_body(1, 1, 8000, 8)) + chunk("data", "\x80\x90\xA0", false));
    ASSERT_TRUE(parse(unpadded, w));
    EXPECT_EQ(w.data.size(), 3u);
    // Bytes after the RIFF form are not part of it.
    ASSERT_TRUE(parse(riff(body) + "garbage", w));
}

TEST(WavReader, ReadsFromDisk) {
    TempDir dir;
    const std::string path = dir.write("data/s1.wav", pcm16_file({7, 8, 9}));
    WaveFile w;
    ASSERT_TRUE(read_wave_file(path, w));
    EXPECT_EQ(w.data.size(), 6u);
    EXPECT_FALSE(read_wave_file(dir.path() + "/data/none.wav", w));
}

// Conversion to the mixer's 16-bit stereo.
TEST(SampleConvert, ConvertsSampleFormatsToStereo16) {
    std::vector<int16_t> out;
    WaveFile w;
    ASSERT_TRUE(parse(pcm16_file({100, -200}), w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out, (std::vector<int16_t>{100, 100, -200, -200}));

    // 8-bit unsigned stereo.
    ASSERT_TRUE(
        parse(riff(chunk("fmt ", fmt_body(1, 2, 44100, 8)) + chunk("data", "\x80\xFF")), w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out, (std::vector<int16_t>{0, 127 * 256}));

    // 24-bit mono keeps the top 16 bits.
    ASSERT_TRUE(parse(riff(chunk("fmt ", fmt_body(1, 1, 44100, 24)) +
                           chunk("data", std::string("\x00\x34\x12", 3))),
                      w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out, (std::vector<int16_t>{0x1234, 0x1234}));

    // 32-bit float, out-of-range values saturate instead of wrapping.
    std::string floats;
    for (float f : {0.5f, -2.0f}) {
        floats.append(reinterpret_cast<const char*>(&f), 4);
    }
    ASSERT_TRUE(
        parse(riff(chunk("fmt ", fmt_body(3, 2, 44100, 32) + le16(0)) + chunk("data", floats)), w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out, (std::vector<int16_t>{16384, -32768}));

    // Four channels: the first two are kept; a partial last frame is dropped.
    ASSERT_TRUE(parse(pcm16_file({1, 2, 3, 4, 5, 6, 7, 8, 9}, 4), w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out, (std::vector<int16_t>{1, 2, 5, 6}));
}

TEST(SampleConvert, RejectsWhatCannotBePlayed) {
    std::vector<int16_t> out;
    WaveFile w;
    ASSERT_TRUE(
        parse(riff(chunk("fmt ", fmt_body(2, 1, 8000, 4) + le16(0)) + chunk("data", "ab")), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "compressed";
    ASSERT_TRUE(parse(pcm16_file({}), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "empty";
    ASSERT_TRUE(parse(riff(chunk("fmt ", fmt_body(1, 1, 44100, 12)) + chunk("data", "ab")), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "12-bit";
    ASSERT_TRUE(parse(riff(chunk("fmt ", fmt_body(1, 0, 44100, 16)) + chunk("data", "ab")), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "no channels";
    // 20000 frames declared at 100 Hz would become 200 s (35 MB) at the output rate.
    ASSERT_TRUE(parse(pcm16_file(std::vector<int16_t>(20000, 1), 1, 100), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "too long once resampled";
    ASSERT_TRUE(parse(pcm16_file({1, 2}, 1, 99), w));
    EXPECT_FALSE(convert_wave(w, 44100, out)) << "rate below any sound card";
    EXPECT_TRUE(out.empty());
}

TEST(SampleConvert, ResamplesToTheOutputRate) {
    // A ramp at 22050 Hz doubles in length at 44100 Hz and stays a ramp.
    std::vector<int16_t> ramp;
    for (int i = 0; i < 100; ++i) {
        ramp.push_back(static_cast<int16_t>(i * 100));
    }
    WaveFile w;
    ASSERT_TRUE(parse(pcm16_file(ramp, 1, 22050), w));
    std::vector<int16_t> out;
    ASSERT_TRUE(convert_wave(w, 44100, out));
    ASSERT_EQ(out.size(), 400u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 50);  // half-way between the first two source samples
    EXPECT_EQ(out[4], 100);
    EXPECT_EQ(out[2 * 199], 9900);  // the end holds the last sample
    // Down-sampling shortens: 48000 -> 44100.
    ASSERT_TRUE(parse(pcm16_file(std::vector<int16_t>(480, 1000), 1, 48000), w));
    ASSERT_TRUE(convert_wave(w, 44100, out));
    EXPECT_EQ(out.size(), 441u * 2);
    EXPECT_EQ(out.back(), 1000);
}

}  // namespace
