#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/music_sink.h"
#include "sound/wav_reader.h"

class AudioOutput;
class Mixer;

// The game's sound effects, addressed by number: 0..5 the normal set, 6..11 the same events in
// the classic set (the normal number + `effects_per_set`).
// The effect player and the owner of the game's one audio output, through which the music
// player's music is heard as well.
//
// Start-up: `init()`, then `load_effects()` (the twelve files in their fixed order), then
// `set_enabled(m_sound)`. Every call is harmless when `init` failed (no audio device): the game
// then runs silently. All calls are made from the window thread.
//
// The effects are played by number; the world names its sound events and numbers them into
// this table (world/rules.h). Typical calls:
//     bank.play(2, false);   // left alone while it plays
//     bank.stop(1);          // gold: stop, then restart
//     bank.play(1, true);
class SoundBank : public MusicSink {
  public:
    static constexpr int output_rate = 44100;
    static constexpr int effects_per_set = 6;

    SoundBank();
    ~SoundBank() override;
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Opens the default audio output. False when there is none; every later call then does
    // nothing.
    bool init();
    // Sets the bank up with a mixer but no device: nothing is heard, and the mix is pulled with
    // `render` instead. For tests and tools.
    void init_without_output(int rate = output_rate);
    bool is_ready() const { return m_ready; }
    bool has_output() const;

    // Reads a WAVE file and appends it as the next effect. False (nothing appended) when the bank
    // is not ready, the file is missing or malformed, or its format cannot be played; later files
    // then take the lower numbers.
    bool load(const std::string& path);
    // Loads "s1.wav" … "s6.wav", then "s01.wav" … "s06.wav", from the game's data folder
    // `data_dir` (the one the paths of this run name when empty). Returns how many loaded.
    int load_effects(const std::string& data_dir = "");
    // The path of effect `index` (0..11) in `load_effects` order.
    static std::string effect_path(int index);

    // Plays effect `index` when enabled and loaded. Without `restart`, an effect that is still
    // playing is left alone; with it, playback starts over from the beginning.
    void play(int index, bool restart, bool looped = false);
    void stop(int index);
    bool is_playing(int index) const;
    void set_enabled(bool flag) { m_enabled = flag; }
    // Holds every effect and the queued music where they are (the game's pause), or lets them
    // go on.
    void set_paused(bool paused);
    bool is_enabled() const { return m_enabled; }
    int count() const { return static_cast<int>(m_waves.size()); }
    // The format of loaded effect `index` as its file gave it (null when out of range).
    const WaveFormat* format(int index) const;

    // Pulls `frames` mixed stereo frames. Only for a bank without a device (the device pulls by
    // itself); writes silence otherwise.
    void render(int16_t* out, int frames);

    // Music from the music player.
    int music_frames_wanted() override;
    void queue_music(const int16_t* frames, int count) override;
    void drop_music() override;

  private:
    static void render_callback(void* self, int16_t* out, int frames);

    bool m_ready = false;
    bool m_enabled = true;
    std::unique_ptr<Mixer> m_mixer;
    std::unique_ptr<AudioOutput> m_output;  // declared after the mixer: closed first
    std::vector<WaveFormat> m_waves;        // one per effect, parallel to the mixer's voices
};
