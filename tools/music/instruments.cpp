#include "tools/music/instruments.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace music {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBaseRate = 8363.0;  // a sample with no relative note at C-4 (MOD C-2)
constexpr double kBrightLimit = 19000.0;

// XM samples are stored two octaves above the base rate for clean highs.
int relative_for(Format f) {
    return f == Format::kXm ? 24 : 0;
}
double rate_for(Format f) {
    return kBaseRate * std::pow(2.0, relative_for(f) / 12.0);
}

class NoiseGen {
  public:
    explicit NoiseGen(uint32_t seed) : m_state(seed) {}
    double noise() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state / 2147483648.0 - 1.0;
    }

  private:
    uint32_t m_state;
};

std::vector<int16_t> to_pcm(const std::vector<double>& v, double peak = 0.97) {
    double top = 1e-9;
    for (double x : v)
        top = std::max(top, std::fabs(x));
    std::vector<int16_t> out(v.size());
    for (size_t i = 0; i < v.size(); ++i)
        out[i] = static_cast<int16_t>(std::lround(v[i] / top * peak * 32767.0));
    return out;
}

// One-pole high-pass, to thin noise into cymbals.
std::vector<double> high_pass(const std::vector<double>& in, double cutoff, double rate) {
    const double a = 1.0 / (1.0 + 2.0 * kPi * cutoff / rate);
    std::vector<double> out(in.size());
    double prev_in = 0.0, prev_out = 0.0;
    for (size_t i = 0; i < in.size(); ++i) {
        prev_out = a * (prev_out + in[i] - prev_in);
        prev_in = in[i];
        out[i] = prev_out;
    }
    return out;
}

std::vector<double> low_pass(const std::vector<double>& in, double cutoff, double rate) {
    const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / rate);
    std::vector<double> out(in.size());
    double y = 0.0;
    for (size_t i = 0; i < in.size(); ++i)
        out[i] = y += a * (in[i] - y);
    return out;
}

// ---- drums --------------------------------------------------------------------------------

std::vector<double> kick(double rate, const DrumKit& kit) {
    std::vector<double> v(static_cast<size_t>(std::max(0.2, 2.6 * kit.kick_decay) * rate));
    double phase = 0.0;
    for (size_t i = 0; i < v.size(); ++i) {
        const double t = i / rate;
        const double hz = kit.kick_hz + kit.kick_sweep * std::exp(-t / 0.035);
        phase += hz / rate;
        const double body = std::sin(2 * kPi * phase) * std::exp(-t / kit.kick_decay);
        const double click = std::exp(-t / 0.003) * std::sin(2 * kPi * 1800.0 * t) * 0.3;
        v[i] = std::tanh(1.6 * body) + click;
    }
    return v;
}

std::vector<double> snare(double rate, const DrumKit& kit) {
    NoiseGen rng(kit.seed ^ 0x5A4Eu);
    std::vector<double> noise(static_cast<size_t>(0.26 * rate));
    for (double& x : noise)
        x = rng.noise();
    noise = high_pass(noise, 1200.0, rate);
    std::vector<double> v(noise.size());
    for (size_t i = 0; i < v.size(); ++i) {
        const double t = i / rate;
        const double tone = (std::sin(2 * kPi * kit.snare_hz * t) +
                             0.5 * std::sin(2 * kPi * kit.snare_hz * 1.78 * t)) *
                            std::exp(-t / 0.045);
        v[i] = 0.8 * tone + 1.2 * noise[i] * std::exp(-t / kit.snare_decay);
    }
    return v;
}

std::vector<double> clap(double rate, const DrumKit& kit) {
    NoiseGen rng(kit.seed ^ 0xC1A9u);
    std::vector<double> noise(static_cast<size_t>(0.3 * rate));
    for (double& x : noise)
        x = rng.noise();
    noise = low_pass(high_pass(noise, 900.0, rate), 5000.0, rate);
    std::vector<double> v(noise.size());
    for (size_t i = 0; i < v.size(); ++i) {
        const double t = i / rate;
        // Three quick slaps, then the room.
        double env = std::exp(-t / 0.09) * 0.6;
        for (int k = 0; k < 3; ++k) {
            const double s = t - 0.011 * k;
            if (s >= 0)
                env = std::max(env, std::exp(-s / 0.006));
        }
        v[i] = noise[i] * env;
    }
    return v;
}

std::vector<double> cymbal(double rate, double seconds, double decay, double cutoff,
                           uint32_t seed) {
    NoiseGen rng(seed);
    std::vector<double> v(static_cast<size_t>(seconds * rate));
    for (double& x : v)
        x = rng.noise();
    // A few metallic partials under the noise.
    for (size_t i = 0; i < v.size(); ++i) {
        const double t = i / rate;
        double metal = 0.0;
        for (double hz : {3130.0, 4270.0, 5790.0, 7410.0})
            metal += std::sin(2 * kPi * hz * t) > 0 ? 0.25 : -0.25;
        v[i] = 0.7 * v[i] + 0.3 * metal;
    }
    v = high_pass(high_pass(v, cutoff, rate), cutoff, rate);
    for (size_t i = 0; i < v.size(); ++i) {
        const double t = i / rate;
        v[i] *= std::exp(-t / decay) * std::min(1.0, t / 0.001);
    }
    // End on silence.
    const size_t tail = std::min(v.size(), static_cast<size_t>(0.01 * rate));
    for (size_t i = 0; i < tail; ++i)
        v[v.size() - 1 - i] *= static_cast<double>(i) / tail;
    return v;
}

// ---- pitched sounds -----------------------------------------------------------------------

// Shape of a pitched sound: harmonic weights, how brightness and level move in time, and
// whether it sustains on a loop.
struct Recipe {
    std::function<double(int)> harmonic;  // weight of harmonic h (1-based)
    double bright_start = 30.0;           // harmonics roll off as exp(-(h-1)/brightness)
    double bright_end = 8.0;
    double bright_time = 0.1;
    double attack = 0.005;
    double decay = 0.3;    // towards the sustain level (or to silence without a loop)
    double sustain = 0.8;  // level in the loop
    double length = 0.6;   // seconds before the loop (whole sound when one-shot)
    bool loops = true;
    double detune_cycles = 0;  // chorus: a second copy gains this many cycles per loop
    int loop_cycles = 8;
    int top_midi = 84;  // highest pitch the sound is used at, to keep harmonics below aliasing
};

Instrument pitched(const Recipe& r, Format f, int period, const char* name) {
    const double rate = rate_for(f);
    // Even the highest note played keeps its partials below the limit, so transposing up never
    // folds them back down; below the sample's own Nyquist rate in any case.
    const double top_hz = 440.0 * std::pow(2.0, (r.top_midi - 69) / 12.0);
    const int harmonics =
        std::max(2, std::min(period / 2 - 1, static_cast<int>(kBrightLimit / top_hz)));

    const int loop_len = period * r.loop_cycles;
    const int attack_cycles = static_cast<int>(std::ceil(r.length * rate / period));
    const size_t total = static_cast<size_t>(attack_cycles * period + (r.loops ? loop_len : 0));
    std::vector<double> weights(static_cast<size_t>(harmonics + 1));
    for (int h = 1; h <= harmonics; ++h)
        weights[static_cast<size_t>(h)] = r.harmonic(h);

    std::vector<double> v(total);
    std::vector<double> amp(static_cast<size_t>(harmonics + 1));
    const size_t steady = static_cast<size_t>(attack_cycles * period);
    for (size_t i = 0; i < total; ++i) {
        // Inside the loop the shape is frozen at its end state, so the loop is exact.
        const double t = std::min(i, steady) / rate;
        if (i <= steady) {
            const double bright =
                r.bright_end + (r.bright_start - r.bright_end) * std::exp(-t / r.bright_time);
            for (int h = 1; h <= harmonics; ++h)
                amp[static_cast<size_t>(h)] =
                    weights[static_cast<size_t>(h)] * std::exp(-(h - 1) / bright);
        }
        double level;
        if (t < r.attack) {
            level = t / r.attack;
        } else if (r.loops) {
            level = r.sustain + (1.0 - r.sustain) * std::exp(-(t - r.attack) / r.decay);
        } else {
            level = std::exp(-(t - r.attack) / r.decay);
        }
        const double phase = static_cast<double>(i % static_cast<size_t>(loop_len)) / period;
        const double detuned = r.detune_cycles > 0
                                   ? static_cast<double>(i % static_cast<size_t>(loop_len)) *
                                         (r.loop_cycles + r.detune_cycles) / loop_len
                                   : 0.0;
        double x = 0.0;
        for (int h = 1; h <= harmonics; ++h) {
            const double a = amp[static_cast<size_t>(h)];
            if (a < 1e-5)
                continue;
            x += a * std::sin(2 * kPi * h * phase);
            if (r.detune_cycles > 0)
                x += a * std::sin(2 * kPi * h * detuned + 0.7 * h);
        }
        v[i] = x * level;
    }
    if (!r.loops) {
        const size_t tail = std::min(total, static_cast<size_t>(0.02 * rate));
        for (size_t i = 0; i < tail; ++i)
            v[total - 1 - i] *= static_cast<double>(i) / tail;
    }
    Instrument inst;
    inst.name = name;
    inst.samples = to_pcm(v);
    if (r.loops) {
        inst.loop_start = static_cast<uint32_t>(steady);
        inst.loop_length = static_cast<uint32_t>(loop_len);
    }
    return inst;
}

double saw(int h) {
    return 1.0 / h;
}
double square(int h) {
    return h % 2 ? 1.0 / h : 0.0;
}

// A bell: partials that are whole multiples of the base (so the sample stays periodic) but
// far apart, each dying at its own pace, rendered as a one-shot.
Instrument bell(Format f, int period, const char* name, double shade) {
    const double rate = rate_for(f);
    const double f0 = rate / period;
    const size_t total = static_cast<size_t>(1.6 * rate);
    std::vector<double> v(total);
    const struct {
        int mult;
        double amp, decay;
    } partials[] = {{1, 1.0, 0.6}, {2, 0.5, 0.35}, {3, 0.25, 0.2}, {5, 0.2, 0.08}, {8, 0.1, 0.04}};
    for (size_t i = 0; i < total; ++i) {
        const double t = i / rate;
        double x = 0.0;
        for (const auto& p : partials) {
            if (p.mult * f0 * 4.0 > kBrightLimit)
                continue;
            const double amp = p.mult == 1 ? p.amp : p.amp * shade;
            x += amp * std::exp(-t / p.decay) * std::sin(2 * kPi * p.mult * f0 * t);
        }
        v[i] = x * std::min(1.0, t / 0.002);
    }
    const size_t tail = static_cast<size_t>(0.02 * rate);
    for (size_t i = 0; i < tail; ++i)
        v[total - 1 - i] *= static_cast<double>(i) / tail;
    Instrument inst;
    inst.name = name;
    inst.samples = to_pcm(v);
    return inst;
}

// Samples per cycle for pitched sounds: the sample rate over the period is close to a C, so
// base_midi below is exact to a few cents, the same for every instrument.
int period_for(Format f, bool bass) {
    if (f == Format::kXm)
        return bass ? 512 : 128;
    return bass ? 128 : 32;
}

}  // namespace

bool is_drum(Sound s) {
    switch (s) {
        case Sound::kKick:
        case Sound::kSnare:
        case Sound::kClap:
        case Sound::kHat:
        case Sound::kOpenHat:
        case Sound::kCrash:
            return true;
        default:
            return false;
    }
}

Voice make_voice(Sound sound, Format f, const DrumKit& kit, double colour) {
    Voice voice;
    voice.sound = sound;
    const int rel = relative_for(f);
    if (is_drum(sound)) {
        // MOD drums are stored at the rate of the note they play at; high notes keep the
        // cymbals bright within ProTracker's three octaves.
        const bool high =
            sound == Sound::kHat || sound == Sound::kOpenHat || sound == Sound::kCrash;
        voice.drum_note = f == Format::kXm ? 49 : (high ? 72 : 61);
        const double rate = kBaseRate * std::pow(2.0, (voice.drum_note - 49 + rel) / 12.0);
        std::vector<double> v;
        const char* name = "";
        switch (sound) {
            case Sound::kKick:
                v = kick(rate, kit);
                name = "kick";
                break;
            case Sound::kSnare:
                v = snare(rate, kit);
                name = "snare";
                break;
            case Sound::kClap:
                v = clap(rate, kit);
                name = "clap";
                break;
            case Sound::kHat:
                v = cymbal(rate, 4.0 * kit.hat_decay, kit.hat_decay, kit.hat_cutoff,
                           kit.seed ^ 0x4A7u);
                name = "hat";
                break;
            case Sound::kOpenHat:
                v = cymbal(rate, 0.35, 0.11, kit.hat_cutoff * 0.92, kit.seed ^ 0x0A7u);
                name = "open hat";
                break;
            default:
                v = cymbal(rate, 2.9 * kit.crash_decay, kit.crash_decay, kit.hat_cutoff * 0.58,
                           kit.seed ^ 0xC7A5u);
                name = "crash";
                break;
        }
        // Every drum runs out on silence, or its end would click.
        const size_t tail = std::min(v.size(), static_cast<size_t>(0.01 * rate));
        for (size_t i = 0; i < tail; ++i)
            v[v.size() - 1 - i] *= static_cast<double>(i) / tail;
        voice.instrument.name = name;
        voice.instrument.samples = to_pcm(v);
        voice.instrument.relative_note = static_cast<int8_t>(rel);
        // XM drums: a note-off must not silence the ring, so no envelope.
        return voice;
    }

    const bool bass =
        sound == Sound::kSawBass || sound == Sound::kSquareBass || sound == Sound::kRoundBass;
    const int period = period_for(f, bass);
    // Pitch heard at note 49: rate / period, rate = 8363 * 2^(rel/12).
    voice.base_midi =
        static_cast<int>(std::lround(69.0 + 12.0 * std::log2(rate_for(f) / period / 440.0)));
    Recipe r;
    const char* name = "";
    switch (sound) {
        case Sound::kSquareLead:
            // From a hollow square to a thinner, nasal pulse.
            r.harmonic = [duty = 0.5 - 0.3 * colour](int h) {
                return std::fabs(std::sin(kPi * h * duty)) / h;
            };
            r.bright_start = 20, r.bright_end = 6, r.bright_time = 0.15;
            r.attack = 0.006, r.decay = 0.4, r.sustain = 0.75, r.length = 0.3;
            r.top_midi = 88;
            name = "square lead";
            break;
        case Sound::kBrassLead:
            r.harmonic = saw;
            r.bright_start = 3, r.bright_end = 7, r.bright_time = 0.05;
            r.attack = 0.03, r.decay = 0.3, r.sustain = 0.8, r.length = 0.25;
            r.top_midi = 88;
            name = "brass lead";
            break;
        case Sound::kFlute:
            r.harmonic = [](int h) { return h == 1 ? 1.0 : (h == 2 ? 0.3 : 0.12 / h); };
            r.bright_start = 6, r.bright_end = 3, r.bright_time = 0.1;
            r.attack = 0.05, r.decay = 0.5, r.sustain = 0.85, r.length = 0.3;
            r.top_midi = 91;
            name = "flute";
            break;
        case Sound::kEPiano:
            r.harmonic = [](int h) {
                return h == 1 ? 1.0 : (h == 2 ? 0.45 : (h == 4 ? 0.2 : 0.0));
            };
            r.bright_start = 12, r.bright_end = 2, r.bright_time = 0.15;
            r.attack = 0.003, r.decay = 0.7, r.length = 1.4, r.loops = false;
            r.top_midi = 88;
            name = "electric piano";
            break;
        case Sound::kPluck:
            r.harmonic = saw;
            r.bright_start = 18, r.bright_end = 2, r.bright_time = 0.06;
            r.attack = 0.002, r.decay = 0.22, r.length = 0.8, r.loops = false;
            r.top_midi = 88;
            name = "pluck";
            break;
        case Sound::kPad:
            r.harmonic = saw;
            r.bright_start = 4, r.bright_end = 4, r.bright_time = 0.1;
            r.attack = 0.12, r.decay = 0.5, r.sustain = 0.9, r.length = 0.4;
            r.loop_cycles = 128, r.detune_cycles = 1;
            r.top_midi = 84;
            name = "pad";
            break;
        case Sound::kOrgan:
            r.harmonic = [](int h) {
                return (h == 1 || h == 2 || h == 3 || h == 4 || h == 6 || h == 8) ? 1.0 / h : 0.0;
            };
            r.bright_start = 20, r.bright_end = 20, r.bright_time = 0.1;
            r.attack = 0.01, r.decay = 0.2, r.sustain = 0.9, r.length = 0.2;
            r.top_midi = 84;
            name = "organ";
            break;
        case Sound::kSawBass:
            r.harmonic = saw;
            r.bright_start = 25, r.bright_end = 6, r.bright_time = 0.08;
            r.attack = 0.004, r.decay = 0.25, r.sustain = 0.6, r.length = 0.35;
            r.top_midi = 60;
            name = "saw bass";
            break;
        case Sound::kSquareBass:
            r.harmonic = square;
            r.bright_start = 15, r.bright_end = 5, r.bright_time = 0.1;
            r.attack = 0.004, r.decay = 0.3, r.sustain = 0.7, r.length = 0.3;
            r.top_midi = 60;
            name = "square bass";
            break;
        default:  // round bass
            r.harmonic = [](int h) {
                return h == 1 ? 1.0 : (h == 2 ? 0.35 : (h == 3 ? 0.12 : 0.0));
            };
            r.bright_start = 8, r.bright_end = 3, r.bright_time = 0.08;
            r.attack = 0.006, r.decay = 0.4, r.sustain = 0.7, r.length = 0.3;
            r.top_midi = 60;
            name = "round bass";
            break;
    }
    // Darker or brighter by the colour, around the recipe's own brightness.
    const double shade = 0.7 + 0.6 * colour;
    r.bright_start *= shade;
    r.bright_end *= shade;
    if (sound == Sound::kBell) {
        voice.instrument = bell(f, period, "bell", shade);
    } else {
        voice.instrument = pitched(r, f, period, name);
        voice.sustains = r.loops;
    }
    voice.instrument.relative_note = static_cast<int8_t>(rel);
    if (f == Format::kXm && voice.sustains) {
        // Hold while the key is down, then fade out over roughly a third of a second.
        voice.instrument.envelope = {{0, 64}, {4, 60}};
        voice.instrument.sustain_point = 1;
        voice.instrument.fadeout = 1500;
    }
    return voice;
}

uint8_t note_for(const Voice& voice, int midi, Format format) {
    if (is_drum(voice.sound))
        return voice.drum_note;
    int note = 49 + midi - voice.base_midi;
    const int low = format == Format::kMod ? 37 : 1;
    const int high = format == Format::kMod ? 72 : 96;
    while (note < low)
        note += 12;
    while (note > high)
        note -= 12;
    return static_cast<uint8_t>(note);
}

}  // namespace music
