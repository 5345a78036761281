#include "sound/sound_bank.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/game_log.h"
#include "core/user_paths.h"
#include "platform/audio_output.h"
#include "sound/mixer.h"
#include "sound/sample_convert.h"

namespace {

// Music kept queued ahead of the output: four ticks of 30 ms, plus one device period. A tick
// that comes 30 ms late still finds more than a period of music left.
constexpr int music_lead_ms = 120;

}  // namespace

SoundBank::SoundBank() = default;

SoundBank::~SoundBank() {
    if (m_output) {
        m_output->close();
    }
}

bool SoundBank::init() {
    if (m_ready) {
        return has_output();
    }
    auto mixer = std::make_unique<Mixer>(output_rate);
    auto output = std::make_unique<AudioOutput>();
    // The mixer must exist before the device starts pulling from it.
    m_mixer = std::move(mixer);
    if (!output->open(output_rate, &SoundBank::render_callback, this)) {
        m_mixer.reset();
        return false;
    }
    m_output = std::move(output);
    m_ready = true;
    return true;
}

void SoundBank::init_without_output(int rate) {
    if (m_ready) {
        return;
    }
    m_mixer = std::make_unique<Mixer>(rate);
    m_ready = true;
}

void SoundBank::set_paused(bool paused) {
    if (m_output) {
        m_output->set_paused(paused);
    }
}

bool SoundBank::has_output() const {
    return m_output && m_output->is_open();
}

bool SoundBank::load(const std::string& path) {
    if (!m_ready) {
        return false;
    }
    WaveFile wave;
    if (!read_wave_file(path, wave)) {
        game_log().write("Sound: cannot read %s", path.c_str());
        return false;
    }
    std::vector<int16_t> frames;
    if (!convert_wave(wave, m_mixer->rate(), frames)) {
        game_log().write("Sound: cannot play the format of %s", path.c_str());
        return false;
    }
    {
        AudioLock lock(m_output.get());
        m_mixer->add_sound(std::move(frames));
    }
    m_waves.push_back(std::move(wave.format));
    return true;
}

std::string SoundBank::effect_path(int index) {
    char name[32];
    if (index < effects_per_set) {
        std::snprintf(name, sizeof name, "s%d.wav", index + 1);
    } else {
        std::snprintf(name, sizeof name, "s0%d.wav", index - effects_per_set + 1);
    }
    return name;
}

int SoundBank::load_effects(const std::string& data_dir) {
    std::string prefix = data_dir.empty() ? game_paths().data_dir : data_dir;
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    int loaded = 0;
    for (int i = 0; i < 2 * effects_per_set; ++i) {
        if (load(prefix + effect_path(i))) {
            ++loaded;
        }
    }
    return loaded;
}

void SoundBank::play(int index, bool restart, bool looped) {
    if (!m_ready || !m_enabled || index < 0 || index >= count()) {
        return;
    }
    AudioLock lock(m_output.get());
    m_mixer->play(index, restart, looped);
}

void SoundBank::stop(int index) {
    if (!m_ready) {
        return;
    }
    AudioLock lock(m_output.get());
    m_mixer->stop(index);
}

bool SoundBank::is_playing(int index) const {
    if (!m_ready) {
        return false;
    }
    AudioLock lock(m_output.get());
    return m_mixer->is_playing(index);
}

const WaveFormat* SoundBank::format(int index) const {
    return index >= 0 && index < count() ? &m_waves[index] : nullptr;
}

void SoundBank::render(int16_t* out, int frames) {
    if (frames <= 0) {
        return;
    }
    if (!m_ready || has_output()) {
        std::memset(out, 0, static_cast<size_t>(frames) * 2 * sizeof(int16_t));
        return;
    }
    m_mixer->render(out, frames);
}

int SoundBank::music_frames_wanted() {
    if (!m_ready) {
        return -1;
    }
    AudioLock lock(m_output.get());
    int target = m_mixer->rate() * music_lead_ms / 1000;
    if (m_output) {
        target += m_output->period_frames();
    }
    target = std::min(target, m_mixer->music_capacity());
    return std::max(0, target - m_mixer->music_queued());
}

void SoundBank::queue_music(const int16_t* frames, int count) {
    if (!m_ready || count <= 0) {
        return;
    }
    AudioLock lock(m_output.get());
    m_mixer->queue_music(frames, count);
}

void SoundBank::drop_music() {
    if (!m_ready) {
        return;
    }
    AudioLock lock(m_output.get());
    m_mixer->fade_out_music();
}

void SoundBank::render_callback(void* self, int16_t* out, int frames) {
    static_cast<SoundBank*>(self)->m_mixer->render(out, frames);
}
