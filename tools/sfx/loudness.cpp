#include "tools/sfx/loudness.h"

#include <algorithm>
#include <cmath>

namespace loudness {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double run(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The weighting's two stages, laid onto any sample rate from their analogue prototypes (at
// 48 kHz this gives the published coefficients).
Biquad presence_shelf(int rate) {
    const double k = std::tan(kPi * 1681.974450955533 / rate), q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    Biquad f;
    f.b0 = (vh + vb * k / q + k * k) / a0;
    f.b1 = 2.0 * (k * k - vh) / a0;
    f.b2 = (vh - vb * k / q + k * k) / a0;
    f.a1 = 2.0 * (k * k - 1.0) / a0;
    f.a2 = (1.0 - k / q + k * k) / a0;
    return f;
}

Biquad rumble_cut(int rate) {
    const double k = std::tan(kPi * 38.13547087602444 / rate), q = 0.5003270373238773;
    const double a0 = 1.0 + k / q + k * k;
    Biquad f;
    f.b0 = 1.0;
    f.b1 = -2.0;
    f.b2 = 1.0;
    f.a1 = 2.0 * (k * k - 1.0) / a0;
    f.a2 = (1.0 - k / q + k * k) / a0;
    return f;
}

}  // namespace

double k_weighted_loudness(const std::vector<float>& samples, int channels, int rate) {
    if (channels <= 0 || rate <= 0)
        return -120.0;
    const size_t frames = samples.size() / static_cast<size_t>(channels);
    const size_t block = static_cast<size_t>(rate / 20);  // 50 ms
    std::vector<double> power((frames + block - 1) / block, 0.0);
    for (int ch = 0; ch < channels; ++ch) {
        Biquad shelf = presence_shelf(rate), cut = rumble_cut(rate);
        for (size_t i = 0; i < frames; ++i) {
            const double y = cut.run(shelf.run(samples[i * channels + ch]));
            power[i / block] += y * y;
        }
    }
    double loudest = 0.0;
    for (size_t b = 0; b < power.size(); ++b) {
        const size_t n = std::min(block, frames - b * block);
        power[b] /= static_cast<double>(n) * channels;
        loudest = std::max(loudest, power[b]);
    }
    double sum = 0.0;
    int counted = 0;
    for (double p : power)
        if (p > 0.0 && p >= loudest * 0.01) {  // within 20 dB of the loudest block
            sum += p;
            ++counted;
        }
    return counted ? 10.0 * std::log10(sum / counted) : -120.0;
}

Figures measure(const std::vector<float>& samples, int channels, int rate) {
    Figures f;
    if (channels <= 0 || samples.empty())
        return f;
    const size_t frames = samples.size() / static_cast<size_t>(channels);
    const size_t window = std::max<size_t>(1, std::min(frames, static_cast<size_t>(rate / 50)));
    double total = 0.0;
    for (int ch = 0; ch < channels; ++ch) {
        // Running sums give every 20 ms window's mean in one pass.
        std::vector<double> sum(frames + 1, 0.0);
        for (size_t i = 0; i < frames; ++i) {
            const double v = samples[i * channels + ch];
            sum[i + 1] = sum[i] + v;
            f.peak = std::max(f.peak, std::fabs(v));
        }
        total += sum[frames];
        for (size_t i = 0; i + window <= frames; ++i) {
            const double m = (sum[i + window] - sum[i]) / static_cast<double>(window);
            if (std::fabs(m) > std::fabs(f.window_mean))
                f.window_mean = m;
        }
    }
    f.mean = total / static_cast<double>(frames * channels);
    f.loudness = k_weighted_loudness(samples, channels, rate);
    return f;
}

Figures measure_pcm16(const int16_t* samples, size_t count, int channels, int rate) {
    std::vector<float> v(count);
    for (size_t i = 0; i < count; ++i)
        v[i] = samples[i] / 32768.0f;
    return measure(v, channels, rate);
}

}  // namespace loudness
