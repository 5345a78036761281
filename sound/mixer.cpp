#include "sound/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Sums up to three quarters of full scale pass unchanged; above that they bend smoothly towards
// full scale, so overlapping loud sounds neither wrap around nor flatten into hard clipping.
constexpr int32_t knee = 24576;

int16_t limit(int32_t x) {
    const int32_t a = std::abs(x);
    if (a <= knee) {
        return static_cast<int16_t>(x);
    }
    constexpr double room = 32767.0 - knee;
    const auto bent = static_cast<int32_t>(knee + room * std::tanh((a - knee) / room));
    return static_cast<int16_t>(x < 0 ? -bent : bent);
}

}  // namespace

Mixer::Mixer(int rate, int music_capacity)
    : m_rate(rate), m_music(static_cast<size_t>(std::max(music_capacity, 1)) * 2) {}

int Mixer::add_sound(std::vector<int16_t> frames) {
    Voice v;
    v.frames = std::move(frames);
    v.frames.resize(v.frames.size() & ~static_cast<size_t>(1));
    m_voices.push_back(std::move(v));
    return static_cast<int>(m_voices.size()) - 1;
}

void Mixer::play(int index, bool restart, bool looped) {
    if (index < 0 || index >= sound_count()) {
        return;
    }
    Voice& v = m_voices[index];
    if (v.playing && !restart) {
        return;
    }
    v.pos = 0;
    v.looped = looped;
    v.playing = !v.frames.empty();
}

void Mixer::stop(int index) {
    if (index >= 0 && index < sound_count()) {
        m_voices[index].playing = false;
    }
}

void Mixer::stop_all() {
    for (Voice& v : m_voices) {
        v.playing = false;
    }
}

bool Mixer::is_playing(int index) const {
    return index >= 0 && index < sound_count() && m_voices[index].playing;
}

void Mixer::queue_music(const int16_t* frames, int count) {
    const int cap = music_capacity();
    count = std::min(count, cap - m_music_count);
    for (int i = 0; i < count; ++i) {
        const int slot = (m_music_head + m_music_count) % cap;
        m_music[2 * slot] = frames[2 * i];
        m_music[2 * slot + 1] = frames[2 * i + 1];
        ++m_music_count;
    }
}

void Mixer::fade_out_music() {
    const int cap = music_capacity();
    const int keep = std::min(m_music_count, std::max(m_rate / 200, 1));  // 5 ms
    for (int i = 0; i < keep; ++i) {
        const int slot = (m_music_head + i) % cap;
        const int32_t gain = keep - i;  // falls linearly towards 0
        for (int c = 0; c < 2; ++c) {
            m_music[2 * slot + c] = static_cast<int16_t>(m_music[2 * slot + c] * gain / keep);
        }
    }
    m_music_count = keep;
}

void Mixer::render(int16_t* out, int frames) {
    if (frames <= 0) {
        return;
    }
    const size_t samples = static_cast<size_t>(frames) * 2;
    if (m_acc.size() < samples) {
        m_acc.resize(samples);
    }
    std::fill(m_acc.begin(), m_acc.begin() + samples, 0);

    const int cap = music_capacity();
    const int music = std::min(frames, m_music_count);
    for (int i = 0; i < music; ++i) {
        const int slot = (m_music_head + i) % cap;
        m_acc[2 * i] += m_music[2 * slot];
        m_acc[2 * i + 1] += m_music[2 * slot + 1];
    }
    m_music_head = (m_music_head + music) % cap;
    m_music_count -= music;

    for (Voice& v : m_voices) {
        size_t i = 0;
        const size_t length = v.frames.size() / 2;
        while (v.playing && i < static_cast<size_t>(frames)) {
            const size_t n = std::min(static_cast<size_t>(frames) - i, length - v.pos);
            const int16_t* src = v.frames.data() + v.pos * 2;
            int32_t* dst = m_acc.data() + i * 2;
            for (size_t k = 0; k < n * 2; ++k) {
                dst[k] += src[k];
            }
            i += n;
            v.pos += n;
            if (v.pos >= length) {
                v.pos = 0;
                v.playing = v.looped;
            }
        }
    }

    for (size_t k = 0; k < samples; ++k) {
        out[k] = limit(m_acc[k]);
    }
}
