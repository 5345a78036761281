#pragma once

// Small building blocks for synthesising the effects: oscillators, noise, filters, envelopes
// and the finishing steps (echo, fades, normalising, 16-bit conversion).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sfx {

constexpr int kRate = 44100;
using Signal = std::vector<float>;

std::size_t frames_for(double seconds);
double midi_hz(double note);

// Oscillators take a phase in cycles [0, 1) and the phase step per sample (frequency / rate).
// The square and saw are corrected with polynomial steps so high notes do not alias harshly.
// All are centred on zero: a narrow pulse is shifted down by its own mean, or every note
// would start with a thump and sit off-centre for its whole length.
float osc_sine(double phase);
float osc_triangle(double phase);
float osc_saw(double phase, double step);
float osc_square(double phase, double step, double duty = 0.5);

// A phase accumulator whose frequency may change every sample.
class Phasor {
  public:
    // Advances by one sample at `hz` and returns the phase before the step.
    double next(double hz);
    double step() const { return m_step; }

  private:
    double m_phase = 0.0;
    double m_step = 0.0;
};

// White noise from a fixed-seed generator, so every build writes identical files.
class Noise {
  public:
    explicit Noise(uint32_t seed = 0x9E3779B9u) : m_state(seed ? seed : 1u) {}
    float next();

  private:
    uint32_t m_state;
};

// Chamberlin state-variable filter; cutoff may be changed per sample.
class Svf {
  public:
    void set(double cutoff_hz, double resonance);
    // Returns the low-pass output; band() and high() give the other outputs of the same step.
    float process(float x);
    float band() const { return m_band; }
    float high() const { return m_high; }

  private:
    float m_f = 0.1f;
    float m_q = 1.0f;
    float m_low = 0.0f;
    float m_band = 0.0f;
    float m_high = 0.0f;
};

// Linear attack then exponential decay with the given time constant (seconds).
float env_attack_decay(double t, double attack, double decay);

// dst[at + i] += gain * src[i], growing dst as needed.
void mix_into(Signal& dst, const Signal& src, std::size_t at, float gain = 1.0f);
// Feedback delay: each echo is `feedback` times quieter; the tail is appended.
void add_echo(Signal& s, double delay_s, float feedback, float mix, int repeats);
// A short diffuse tail from a few combs and all-passes.
void add_room(Signal& s, double tail_s, float mix);
// Raised-cosine fades at both ends, so playback starts and stops without a click.
void apply_fades(Signal& s, double in_s, double out_s);
void normalise(Signal& s, float peak);
// Second-order (Butterworth) filters over a whole sound. The high-pass also takes out any
// offset.
void high_pass(Signal& s, double cutoff_hz);
void low_pass(Signal& s, double cutoff_hz);
// Scales the sound to `loudness_db` by the measure of tools/sfx/loudness.h.
void level_to(Signal& s, double loudness_db);
// Drops near-silent samples from the end (keeping `keep_s` of the quiet tail) before fading.
void trim_tail(Signal& s, float threshold, double keep_s);
std::vector<int16_t> to_pcm16(const Signal& s);

}  // namespace sfx
