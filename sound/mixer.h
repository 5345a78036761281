#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Mixes the effect voices and the queued music into interleaved 16-bit stereo frames.
//
// Effects are held whole, already converted to the mixer's rate (one voice per effect, like one
// static buffer per effect: playing an effect that is already playing either restarts it or
// leaves it alone). Music arrives as blocks of frames that the music player mixes once per tick
// and queues here; `render` drains that queue as the output consumes it.
//
// The mixer does not lock: the owner serialises `render` (called from the output) with every
// other call. With no output, anyone may call `render` to pull mixed samples, as tests do.
class Mixer {
  public:
    // `music_capacity` bounds the music queue in frames; blocks beyond it are cut off.
    explicit Mixer(int rate = 44100, int music_capacity = 44100);

    int rate() const { return m_rate; }

    // Adds one effect (interleaved stereo frames at `rate()`); returns its index.
    int add_sound(std::vector<int16_t> frames);
    int sound_count() const { return static_cast<int>(m_voices.size()); }

    // Starts effect `index` from its first frame, looping when `looped`. Unless `restart` is set,
    // an effect that is still playing is left alone. Unknown indices are ignored.
    void play(int index, bool restart, bool looped);
    void stop(int index);
    void stop_all();
    bool is_playing(int index) const;

    int music_queued() const { return m_music_count; }
    int music_capacity() const { return static_cast<int>(m_music.size() / 2); }
    // Appends music frames; what does not fit is dropped.
    void queue_music(const int16_t* frames, int count);
    // Drops the queued music, keeping only a few milliseconds that fade to silence so that the
    // cut does not click.
    void fade_out_music();

    // Writes `frames` stereo frames: the sum of the playing effects and the queued music, with
    // sums beyond three quarters of full scale bent softly into the 16-bit range. Silence where
    // there is nothing to play.
    void render(int16_t* out, int frames);

  private:
    struct Voice {
        std::vector<int16_t> frames;
        size_t pos = 0;  // in frames
        bool playing = false;
        bool looped = false;
    };

    int m_rate;
    std::vector<Voice> m_voices;
    std::vector<int16_t> m_music;  // ring of stereo frames
    int m_music_head = 0;          // oldest queued frame
    int m_music_count = 0;
    std::vector<int32_t> m_acc;  // scratch of render, sized once per block length
};
