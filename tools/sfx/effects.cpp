#include "tools/sfx/effects.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/sfx/wav_write.h"

namespace sfx {

namespace {

Signal render(double seconds, const std::function<float(double)>& at) {
    Signal s(frames_for(seconds));
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = at(static_cast<double>(i) / kRate);
    return s;
}

// Fixed length, no offset or rumble, gentle ends, all at one loudness.
void finish(Signal& s, double seconds, double fade_in, double fade_out) {
    s.resize(frames_for(seconds), 0.0f);
    high_pass(s, kLowCut);
    apply_fades(s, std::max(fade_in, kShortestFade), std::max(fade_out, kShortestFade));
    level_to(s, kLoudness);
    // Never above the ceiling, even if a very peaky sound would need it for its loudness.
    float top = 0.0f;
    for (float v : s)
        top = std::max(top, std::fabs(v));
    if (top > kPeakCeiling)
        normalise(s, kPeakCeiling);
}

// The classic set keeps its bare squares, heard as through a small old speaker: the edges
// rounded off so the pulses buzz rather than rasp.
void finish_classic(Signal& s, double seconds, double fade_in, double fade_out) {
    low_pass(s, kClassicTop);
    finish(s, seconds, fade_in, fade_out);
}

// ---- normal set: sine bells, filtered saws, a little room -------------------------------

// A struck bell-like tone: a clean fundamental with a quickly fading inharmonic shimmer.
Signal bell(double note, double seconds, double decay) {
    Phasor p1, p2, p3;
    const double hz = midi_hz(note);
    Signal s = render(seconds, [&](double t) {
        const float body = osc_sine(p1.next(hz));
        const float shimmer = osc_sine(p2.next(hz * 2.76)) * env_attack_decay(t, 0.001, 0.04);
        const float octave = osc_sine(p3.next(hz * 2.0)) * 0.3f;
        return (body + 0.5f * shimmer + octave) * env_attack_decay(t, 0.002, decay);
    });
    apply_fades(s, 0.0, 0.01);  // a note cut short must not click
    return s;
}

// A soft brass-like voice: two detuned saws through a low-pass that opens on the attack.
Signal brass(double note, double seconds, double release) {
    Phasor a, b, vib;
    Svf filter;
    const double hz = midi_hz(note);
    return render(seconds, [&](double t) {
        const double wobble = 1.0 + 0.004 * osc_sine(vib.next(5.5)) * std::min(1.0, t / 0.2);
        const double pa = a.next(hz * wobble);
        const double pb = b.next(hz * wobble * 1.006);
        const float raw = 0.5f * (osc_saw(pa, a.step()) + osc_saw(pb, b.step()));
        filter.set(500.0 + 3500.0 * std::min(1.0, t / 0.06) * std::exp(-t / 0.6), 0.8);
        float level = static_cast<float>(std::min(1.0, t / 0.015));
        if (t > seconds - release)
            level *= static_cast<float>((seconds - t) / release);
        return filter.process(raw) * level;
    });
}

Signal pluck(double note, double seconds) {
    Phasor p1, p2;
    const double hz = midi_hz(note);
    Signal s = render(seconds, [&](double t) {
        const float v = 0.7f * osc_triangle(p1.next(hz)) + 0.3f * osc_sine(p2.next(hz * 2.0));
        return v * env_attack_decay(t, 0.002, 0.09);
    });
    apply_fades(s, 0.0, 0.01);
    return s;
}

Signal normal_dig() {
    Phasor thump;
    Noise noise(0x1234567u);
    Svf crumble, smooth;
    smooth.set(3500.0, 0.7);
    float grain = 1.0f;
    size_t next_grain = 0;
    size_t i = 0;
    Signal s = render(0.2, [&](double t) {
        const double hz = 150.0 + 150.0 * std::exp(-t / 0.02);
        // Started a quarter cycle in: a decaying sine from zero phase leaves a net push to one
        // side, heard as a thud of offset; from the crest its swings cancel.
        const float low = osc_sine(thump.next(hz) + 0.25) * env_attack_decay(t, 0.002, 0.05);
        // Loose earth: band-passed noise broken into short random grains.
        if (i++ >= next_grain) {
            grain = 0.35f + 0.65f * std::fabs(noise.next());
            next_grain = i + frames_for(0.011);
        }
        crumble.set(650.0 + 2200.0 * std::exp(-t / 0.05), 1.4);
        crumble.process(noise.next());
        const float grit = crumble.band() * grain * env_attack_decay(t, 0.004, 0.06);
        // Round off the grain edges so the crumble stays soft. The knock stays light: any
        // louder and its few slow swings tilt whole 20 ms stretches to one side.
        return 0.2f * low + 0.9f * smooth.process(grit);
    });
    // Felt more than heard below this; on small speakers it only shifts the centre.
    high_pass(s, 100.0);
    finish(s, 0.2, 0.002, 0.03);
    return s;
}

Signal normal_gold() {
    Signal s;
    mix_into(s, bell(84, 0.12, 0.05), 0, 0.8f);           // C6
    mix_into(s, bell(91, 0.22, 0.09), frames_for(0.05));  // G6
    add_echo(s, 0.045, 0.35f, 0.25f, 2);
    finish(s, 0.26, 0.002, 0.04);
    return s;
}

Signal normal_caught() {
    Phasor a, b, vib;
    Svf filter;
    Signal s = render(0.95, [&](double t) {
        // A falling, wobbling wail: from G5 down two octaves.
        const double note = 79.0 - 24.0 * std::min(1.0, t / 0.8) + 0.45 * osc_sine(vib.next(7.0));
        const double hz = midi_hz(note);
        const double pa = a.next(hz);
        const double pb = b.next(hz * 1.01);
        const float raw = 0.5f * (osc_saw(pa, a.step()) + osc_saw(pb, b.step()));
        filter.set(350.0 + 2800.0 * std::exp(-t / 0.35), 2.0);
        return filter.process(raw) * env_attack_decay(t, 0.01, 0.45);
    });
    apply_fades(s, 0.0, 0.15);
    add_room(s, 0.35, 0.25f);
    finish(s, 1.1, 0.004, 0.12);
    return s;
}

Signal normal_last_gold() {
    Signal s;
    // A rising shimmer of C major, climbing over a soft chord swell and a breath of air.
    const double notes[] = {72, 76, 79, 84, 88, 91, 96};
    for (int k = 0; k < 7; ++k)
        mix_into(s, bell(notes[k], 0.7, 0.25), frames_for(0.065 * k), 0.55f);
    Phasor c1, c2, c3;
    Noise noise(0xBEEF01u);
    Svf air;
    Signal pad = render(1.2, [&](double t) {
        const float chord = osc_sine(c1.next(midi_hz(60))) + osc_sine(c2.next(midi_hz(67))) +
                            0.7f * osc_sine(c3.next(midi_hz(76)));
        const float swell = static_cast<float>(std::sin(3.14159265 * std::min(1.0, t / 1.2)));
        air.set(1500.0 + 5000.0 * t, 1.2);
        air.process(noise.next());
        return 0.22f * chord * swell + 0.15f * air.band() * swell;
    });
    mix_into(s, pad, 0);
    add_echo(s, 0.12, 0.4f, 0.3f, 3);
    add_room(s, 0.5, 0.2f);
    finish(s, 1.4, 0.003, 0.25);
    return s;
}

Signal normal_exit() {
    Signal s;
    // A short fanfare rising into a held C major chord with a bell on top.
    const double lead[] = {67, 72, 76};
    for (int k = 0; k < 3; ++k)
        mix_into(s, brass(lead[k], 0.13, 0.03), frames_for(0.13 * k));
    const size_t hold = frames_for(0.39);
    mix_into(s, brass(79, 0.85, 0.35), hold);
    mix_into(s, brass(76, 0.85, 0.35), hold, 0.7f);
    mix_into(s, brass(72, 0.85, 0.35), hold, 0.7f);
    mix_into(s, brass(60, 0.85, 0.35), hold, 0.5f);
    mix_into(s, bell(96, 0.9, 0.3), hold, 0.35f);
    add_room(s, 0.5, 0.22f);
    finish(s, 1.6, 0.003, 0.25);
    return s;
}

Signal normal_extra_life() {
    Signal s;
    const double notes[] = {72, 76, 79, 84, 88, 91, 96, 91, 96};
    for (int k = 0; k < 9; ++k)
        mix_into(s, pluck(notes[k], 0.35), frames_for(0.055 * k), 0.8f);
    mix_into(s, bell(100, 0.45, 0.15), frames_for(0.055 * 9), 0.5f);
    add_echo(s, 0.09, 0.35f, 0.3f, 3);
    finish(s, 1.0, 0.002, 0.2);
    return s;
}

// ---- classic set: square waves stepped at 60 frames a second ----------------------------

constexpr double kFrame = 1.0 / 60.0;

struct ChipVoice {
    double hz = 0.0;  // 0 is silence
    float volume = 0.0f;
    double duty = 0.5;
};

// Renders a square voice whose pitch, volume and duty change once per frame.
Signal chip(double seconds, const std::function<ChipVoice(int)>& frame_voice) {
    Phasor p;
    return render(seconds, [&](double t) {
        const ChipVoice v = frame_voice(static_cast<int>(t / kFrame));
        const double phase = p.next(v.hz);
        return v.hz > 0.0 ? v.volume * osc_square(phase, p.step(), v.duty) : 0.0f;
    });
}

// Linear fall to silence over `length` samples from `start`; silent after it.
void ramp_down(Signal& s, size_t start, size_t length) {
    for (size_t i = start; i < s.size(); ++i) {
        const size_t into = i - start;
        s[i] *= into >= length ? 0.0f : 1.0f - static_cast<float>(into) / length;
    }
}

// A tune of (note, frames) steps; volume falls by `decay` each frame of a step.
Signal chip_tune(const std::vector<std::pair<double, int>>& steps, double duty, float decay) {
    int total = 0;
    for (const auto& st : steps)
        total += st.second;
    return chip(total * kFrame, [&](int frame) {
        for (const auto& st : steps) {
            if (frame < st.second) {
                const float vol = std::max(0.0f, 1.0f - decay * static_cast<float>(frame));
                return ChipVoice{st.first > 0 ? midi_hz(st.first) : 0.0, vol, duty};
            }
            frame -= st.second;
        }
        return ChipVoice{};
    });
}

Signal classic_dig() {
    // A stepped-down thud under a burst of sample-and-hold noise.
    Signal s = chip(0.14, [](int f) {
        return ChipVoice{220.0 - 12.0 * f, std::max(0.0f, 1.0f - 0.1f * f), 0.25};
    });
    Noise noise(0x5EED5u);
    float held = 0.0f;
    double hold_phase = 1.0;
    Signal hiss = render(0.14, [&](double t) {
        const int f = static_cast<int>(t / kFrame);
        hold_phase += (7000.0 - 700.0 * f) / kRate;
        if (hold_phase >= 1.0) {
            hold_phase -= 1.0;
            held = noise.next() > 0.0f ? 1.0f : -1.0f;
        }
        return held * std::max(0.0f, 1.0f - 0.12f * f);
    });
    mix_into(s, hiss, 0, 0.6f);
    high_pass(s, 100.0);
    finish_classic(s, 0.14, 0.002, 0.015);
    return s;
}

Signal classic_gold() {
    Signal s = chip_tune({{81, 2}, {88, 2}, {93, 5}}, 0.5, 0.05f);  // A5 E6 A6
    finish_classic(s, 0.16, 0.002, 0.03);
    return s;
}

Signal classic_caught() {
    // A long fall with a fast warble, like a siren winding down.
    Signal s = chip(1.0, [](int f) {
        const double note = 84.0 - 0.55 * f + ((f / 2) % 2 ? 1.0 : -1.0);
        const float vol = f < 42 ? 1.0f : std::max(0.0f, 1.0f - 0.055f * (f - 42));
        return ChipVoice{midi_hz(note), vol, 0.25};
    });
    finish_classic(s, 1.0, 0.002, 0.05);
    return s;
}

Signal classic_last_gold() {
    std::vector<std::pair<double, int>> steps;
    const double notes[] = {72, 76, 79, 84, 88, 91, 96, 100, 103};
    for (double n : notes)
        steps.push_back({n, 3});
    steps.push_back({108, 16});
    Signal s = chip_tune(steps, 0.125, 0.02f);
    // A second voice an octave down, one step behind, for the "many ladders" feeling.
    std::vector<std::pair<double, int>> low{{0, 3}};
    for (double n : notes)
        low.push_back({n - 12, 3});
    low.push_back({96, 13});
    mix_into(s, chip_tune(low, 0.5, 0.02f), 0, 0.5f);
    finish_classic(s, 0.75, 0.002, 0.08);
    return s;
}

Signal classic_exit() {
    Signal s = chip_tune({{72, 6}, {76, 6}, {79, 6}, {84, 6}, {88, 6}}, 0.5, 0.0f);
    Signal tail = chip(0.6, [](int f) {
        const double vib = 0.3 * std::sin(f * 0.9);
        return ChipVoice{midi_hz(91 + vib), std::max(0.0f, 1.0f - 0.028f * f), 0.5};
    });
    mix_into(s, tail, s.size());
    Signal harmony = chip_tune({{67, 6}, {72, 6}, {76, 6}, {79, 6}, {84, 6}, {88, 36}}, 0.25, 0.0f);
    ramp_down(harmony, frames_for(0.5), frames_for(0.6));
    mix_into(s, harmony, 0, 0.55f);
    finish_classic(s, 1.1, 0.002, 0.08);
    return s;
}

Signal classic_extra_life() {
    std::vector<std::pair<double, int>> steps;
    for (int k = 0; k < 5; ++k) {
        steps.push_back({88, 2});
        steps.push_back({91, 2});
    }
    steps.push_back({96, 4});
    steps.push_back({100, 4});
    steps.push_back({103, 18});
    Signal s = chip_tune(steps, 0.25, 0.0f);
    ramp_down(s, frames_for(26 * kFrame), frames_for(18 * kFrame));
    finish_classic(s, 0.75, 0.002, 0.06);
    return s;
}

}  // namespace

Signal make_normal(int index) {
    switch (index) {
        case 0:
            return normal_dig();
        case 1:
            return normal_gold();
        case 2:
            return normal_caught();
        case 3:
            return normal_last_gold();
        case 4:
            return normal_exit();
        case 5:
            return normal_extra_life();
        default:
            return {};
    }
}

Signal make_classic(int index) {
    switch (index) {
        case 0:
            return classic_dig();
        case 1:
            return classic_gold();
        case 2:
            return classic_caught();
        case 3:
            return classic_last_gold();
        case 4:
            return classic_exit();
        case 5:
            return classic_extra_life();
        default:
            return {};
    }
}

std::vector<Effect> make_all_effects() {
    std::vector<Effect> all;
    for (int i = 0; i < kEffectCount; ++i)
        all.push_back({"s" + std::to_string(i + 1) + ".wav", make_normal(i)});
    for (int i = 0; i < kEffectCount; ++i)
        all.push_back({"s0" + std::to_string(i + 1) + ".wav", make_classic(i)});
    return all;
}

bool write_effects(const std::string& dir, std::string* error) {
    for (const Effect& e : make_all_effects()) {
        const std::string path = dir + "/" + e.file;
        if (!wav::write_pcm16(path, to_pcm16(e.samples), 1, kRate)) {
            if (error)
                *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace sfx
