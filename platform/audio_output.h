#pragma once

#include <cstdint>

// The one sound output of the game: the system's default audio device, 16-bit stereo at a fixed
// rate (the system converts if the device wants something else). The device pulls its samples
// through `render` on its own thread; `lock` keeps that call out while the game changes what
// is being mixed.
class AudioOutput {
  public:
    using RenderFn = void (*)(void* user, int16_t* out, int frames);

    AudioOutput() = default;
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Opens the default device and starts pulling. False (and a line in the log) when there is
    // no audio system or device; the object is then closed and harmless.
    bool open(int rate, RenderFn render, void* user);
    void close();
    bool is_open() const { return m_device != 0; }
    int rate() const { return m_rate; }
    // Frames the device takes per pull.
    int period_frames() const { return m_period; }

    void lock();
    void unlock();
    // A paused device pulls nothing: whatever plays stops where it is and goes on when resumed.
    void set_paused(bool paused);

  private:
    static void callback(void* self, uint8_t* stream, int bytes);

    uint32_t m_device = 0;
    int m_rate = 0;
    int m_period = 0;
    bool m_subsystem = false;
    RenderFn m_render = nullptr;
    void* m_user = nullptr;
};

// Holds the output's lock for a scope; does nothing for a closed output.
class AudioLock {
  public:
    explicit AudioLock(AudioOutput* out) : m_out(out && out->is_open() ? out : nullptr) {
        if (m_out) {
            m_out->lock();
        }
    }
    ~AudioLock() {
        if (m_out) {
            m_out->unlock();
        }
    }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;

  private:
    AudioOutput* m_out;
};
