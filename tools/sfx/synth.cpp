#include "tools/sfx/synth.h"

#include <algorithm>
#include <cmath>

#include "tools/sfx/loudness.h"

namespace sfx {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Polynomial band-limited step correction around a discontinuity at phase 0.
double blep(double t, double dt) {
    if (dt <= 0.0)
        return 0.0;
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

size_t frames_for(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<size_t>(std::lround(seconds * kRate));
}

double midi_hz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

float osc_sine(double phase) {
    return static_cast<float>(std::sin(2.0 * kPi * phase));
}

float osc_triangle(double phase) {
    return static_cast<float>(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
}

float osc_saw(double phase, double step) {
    return static_cast<float>(2.0 * phase - 1.0 - blep(phase, step));
}

float osc_square(double phase, double step, double duty) {
    double v = phase < duty ? 1.0 : -1.0;
    v += blep(phase, step);
    v -= blep(std::fmod(phase + 1.0 - duty, 1.0), step);
    return static_cast<float>(v - (2.0 * duty - 1.0));
}

double Phasor::next(double hz) {
    const double out = m_phase;
    m_step = std::max(0.0, hz) / kRate;
    m_phase += m_step;
    m_phase -= std::floor(m_phase);
    return out;
}

float Noise::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state) / 2147483648.0f - 1.0f;
}

void Svf::set(double cutoff_hz, double resonance) {
    // Run at twice the rate (two steps per sample) to stay stable up to about a third of it.
    const double fc = std::clamp(cutoff_hz, 10.0, kRate * 0.33);
    m_f = static_cast<float>(2.0 * std::sin(kPi * fc / (2.0 * kRate)));
    m_q = static_cast<float>(1.0 / std::max(0.5, resonance));
}

float Svf::process(float x) {
    for (int i = 0; i < 2; ++i) {
        m_low += m_f * m_band;
        m_high = x - m_low - m_q * m_band;
        m_band += m_f * m_high;
    }
    return m_low;
}

float env_attack_decay(double t, double attack, double decay) {
    if (t < 0.0)
        return 0.0f;
    if (t < attack)
        return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) / decay));
}

void mix_into(Signal& dst, const Signal& src, size_t at, float gain) {
    if (dst.size() < at + src.size())
        dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i)
        dst[at + i] += gain * src[i];
}

void add_echo(Signal& s, double delay_s, float feedback, float mix, int repeats) {
    const size_t delay = frames_for(delay_s);
    if (delay == 0 || repeats <= 0)
        return;
    const Signal dry = s;
    float gain = mix;
    for (int r = 1; r <= repeats; ++r) {
        mix_into(s, dry, delay * static_cast<size_t>(r), gain);
        gain *= feedback;
    }
}

void add_room(Signal& s, double tail_s, float mix) {
    static const double comb_ms[] = {29.7, 37.1, 41.1, 43.7};
    static const double allpass_ms[] = {5.0, 1.7};
    const size_t n = s.size() + frames_for(tail_s);
    Signal wet(n, 0.0f);
    for (double ms : comb_ms) {
        const size_t d = frames_for(ms / 1000.0);
        const float g = static_cast<float>(std::pow(10.0, -3.0 * (ms / 1000.0) / tail_s));
        Signal line(n, 0.0f);
        for (size_t i = 0; i < n; ++i) {
            const float in = i < s.size() ? s[i] : 0.0f;
            line[i] = in + (i >= d ? g * line[i - d] : 0.0f);
            wet[i] += 0.25f * line[i];
        }
    }
    for (double ms : allpass_ms) {
        const size_t d = frames_for(ms / 1000.0);
        const float g = 0.7f;
        Signal out(n, 0.0f);
        for (size_t i = 0; i < n; ++i) {
            const float delayed_in = i >= d ? wet[i - d] : 0.0f;
            const float delayed_out = i >= d ? out[i - d] : 0.0f;
            out[i] = -g * wet[i] + delayed_in + g * delayed_out;
        }
        wet.swap(out);
    }
    s.resize(n, 0.0f);
    for (size_t i = 0; i < n; ++i)
        s[i] += mix * wet[i];
}

void apply_fades(Signal& s, double in_s, double out_s) {
    const size_t n = s.size();
    const size_t fin = std::min(n, frames_for(in_s));
    const size_t fout = std::min(n, frames_for(out_s));
    for (size_t i = 0; i < fin; ++i)
        s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fin));
    // The last sample lands exactly on zero.
    for (size_t i = 0; i < fout; ++i) {
        const size_t k = n - 1 - i;
        s[k] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fout));
    }
}

void normalise(Signal& s, float peak) {
    float top = 0.0f;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top <= 0.0f)
        return;
    const float g = peak / top;
    for (float& v : s)
        v *= g;
}

void high_pass(Signal& s, double cutoff_hz) {
    Svf f;
    f.set(cutoff_hz, 0.70710678);
    for (float& v : s) {
        f.process(v);
        v = f.high();
    }
}

void low_pass(Signal& s, double cutoff_hz) {
    Svf f;
    f.set(cutoff_hz, 0.70710678);
    for (float& v : s)
        v = f.process(v);
}

void level_to(Signal& s, double loudness_db) {
    const double now = loudness::k_weighted_loudness(s, 1, kRate);
    if (now <= -119.0)
        return;
    const float g = static_cast<float>(std::pow(10.0, (loudness_db - now) / 20.0));
    for (float& v : s)
        v *= g;
}

void trim_tail(Signal& s, float threshold, double keep_s) {
    float top = 0.0f;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    size_t last = 0;
    for (size_t i = 0; i < s.size(); ++i)
        if (std::fabs(s[i]) > threshold * top)
            last = i;
    s.resize(std::min(s.size(), last + 1 + frames_for(keep_s)));
}

std::vector<int16_t> to_pcm16(const Signal& s) {
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const float v = std::clamp(s[i], -1.0f, 1.0f);
        out[i] = static_cast<int16_t>(std::lround(v * 32767.0f));
    }
    return out;
}

}  // namespace sfx
