#include "platform/audio_output.h"

#include <SDL.h>

#include "core/game_log.h"

AudioOutput::~AudioOutput() {
    close();
}

bool AudioOutput::open(int rate, RenderFn render, void* user) {
    close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        game_log().write("Sound: no audio system (%s)", SDL_GetError());
        return false;
    }
    m_subsystem = true;
    m_render = render;
    m_user = user;

    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;  // about 23 ms at 44100 Hz
    want.callback = &AudioOutput::callback;
    want.userdata = this;
    SDL_AudioSpec have;
    // No changes allowed: SDL converts to whatever the device really takes.
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (dev == 0) {
        game_log().write("Sound: no audio device (%s)", SDL_GetError());
        close();
        return false;
    }
    m_device = dev;
    m_rate = rate;
    m_period = have.samples > 0 ? have.samples : want.samples;
    game_log().write("Sound: %s output, %d Hz", SDL_GetCurrentAudioDriver(), rate);
    SDL_PauseAudioDevice(dev, 0);
    return true;
}

void AudioOutput::close() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_subsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
    }
    m_rate = 0;
    m_period = 0;
}

void AudioOutput::set_paused(bool paused) {
    if (m_device != 0) {
        SDL_PauseAudioDevice(m_device, paused ? 1 : 0);
    }
}

void AudioOutput::lock() {
    if (m_device != 0) {
        SDL_LockAudioDevice(m_device);
    }
}

void AudioOutput::unlock() {
    if (m_device != 0) {
        SDL_UnlockAudioDevice(m_device);
    }
}

void AudioOutput::callback(void* self, uint8_t* stream, int bytes) {
    auto* out = static_cast<AudioOutput*>(self);
    const int frames = bytes / 4;
    if (out->m_render) {
        out->m_render(out->m_user, reinterpret_cast<int16_t*>(stream), frames);
    } else {
        SDL_memset(stream, 0, bytes);
    }
}
