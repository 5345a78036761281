#include "sound/sample_convert.h"

#include <cmath>
#include <cstring>

namespace {

enum class Encoding { integer, floating };

constexpr uint16_t tag_pcm = 1;
constexpr uint16_t tag_float = 3;
constexpr uint16_t tag_extensible = 0xFFFE;

// Rates a sound card could ever have played, and the longest effect worth keeping in memory.
constexpr uint32_t min_rate = 100;
constexpr uint32_t max_rate = 384000;
constexpr uint64_t max_seconds = 180;

// The extensible wrapper names the real format in the first two bytes of its sub-format GUID,
// which sits after the valid-bits and channel-mask fields of the extra bytes.
bool effective_tag(const WaveFormat& fmt, uint16_t& tag) {
    tag = fmt.format_tag;
    if (tag != tag_extensible) {
        return true;
    }
    if (fmt.extra.size() < 22) {
        return false;
    }
    tag = static_cast<uint16_t>(fmt.extra[6] | (fmt.extra[7] << 8));
    return true;
}

int16_t read_sample(const uint8_t* p, Encoding enc, int bytes) {
    if (enc == Encoding::floating) {
        double v;
        if (bytes == 4) {
            float f;
            std::memcpy(&f, p, 4);
            v = f;
        } else {
            std::memcpy(&v, p, 8);
        }
        if (!(v == v)) {
            return 0;  // NaN
        }
        v = std::round(v * 32767.0);
        if (v > 32767.0) {
            return 32767;
        }
        if (v < -32768.0) {
            return -32768;
        }
        return static_cast<int16_t>(v);
    }
    switch (bytes) {
        case 1:
            return static_cast<int16_t>((p[0] - 128) * 256);
        case 2:
            return static_cast<int16_t>(p[0] | (p[1] << 8));
        case 3:
            return static_cast<int16_t>(p[1] | (p[2] << 8));
        default:
            return static_cast<int16_t>(p[2] | (p[3] << 8));
    }
}

}  // namespace

bool convert_wave(const WaveFile& wave, int out_rate, std::vector<int16_t>& out) {
    out.clear();
    const WaveFormat& fmt = wave.format;
    uint16_t tag = 0;
    if (!effective_tag(fmt, tag)) {
        return false;
    }
    Encoding enc;
    const int bits = fmt.bits_per_sample;
    if (tag == tag_pcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
        enc = Encoding::integer;
    } else if (tag == tag_float && (bits == 32 || bits == 64)) {
        enc = Encoding::floating;
    } else {
        return false;
    }
    const int bytes = bits / 8;
    const int channels = fmt.channels;
    if (channels < 1 || fmt.block_align < channels * bytes || fmt.sample_rate < min_rate ||
        fmt.sample_rate > max_rate || out_rate <= 0) {
        return false;
    }
    const size_t frames = wave.data.size() / fmt.block_align;
    if (frames == 0) {
        return false;
    }
    // A tiny declared rate would blow a small file up to gigabytes once resampled.
    const uint64_t out_frames =
        (static_cast<uint64_t>(frames) * out_rate + fmt.sample_rate - 1) / fmt.sample_rate;
    if (out_frames > static_cast<uint64_t>(out_rate) * max_seconds) {
        return false;
    }

    std::vector<int16_t> source(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* frame = wave.data.data() + i * fmt.block_align;
        const int16_t left = read_sample(frame, enc, bytes);
        const int16_t right = channels > 1 ? read_sample(frame + bytes, enc, bytes) : left;
        source[2 * i] = left;
        source[2 * i + 1] = right;
    }
    if (static_cast<int>(fmt.sample_rate) == out_rate) {
        out = std::move(source);
        return true;
    }

    // Linear interpolation with a 32.32 fixed-point source position.
    const uint64_t step = (static_cast<uint64_t>(fmt.sample_rate) << 32) / out_rate;
    out.resize(out_frames * 2);
    uint64_t pos = 0;
    for (uint64_t i = 0; i < out_frames; ++i, pos += step) {
        const size_t k = static_cast<size_t>(pos >> 32);
        const int64_t frac = static_cast<int64_t>((pos >> 16) & 0xFFFF);
        const size_t a = k < frames ? k : frames - 1;
        const size_t b = a + 1 < frames ? a + 1 : a;
        for (int c = 0; c < 2; ++c) {
            const int64_t s0 = source[2 * a + c];
            const int64_t s1 = source[2 * b + c];
            out[2 * i + c] = static_cast<int16_t>(s0 + (((s1 - s0) * frac) >> 16));
        }
    }
    return true;
}
