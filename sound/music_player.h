#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/music_sink.h"

struct MODULE;  // libmikmod's loaded song

// The background music: eleven tracker modules played one after another by libmikmod's
// software mixer, skipped with F5. The library is global, so only one player may be initialised
// at a time.
//
// Music is mixed on the window thread once per tick and queued to the sound bank's output, so
// the frame wires it like this:
//     app window construction:  m_music.init(&app.sound);        // plays 001.mod
//     every timer tick, first:  m_music.tick(minimized, app.m_music_volume);
//     F5 in any screen:         m_music.next_track();
//     play screen activated, new level, Escape from play, game over dialog:  next_track()
// Files are read from "music/" in the game's data folder (or in `data_dir`). Without an
// audio output everything still runs and songs still take their real time, silently.
class MusicPlayer {
  public:
    static constexpr int track_count = 11;
    static constexpr int tick_ms = 30;
    static constexpr int volume_per_step = 17;

    MusicPlayer() = default;
    // Frees the song and shuts the library down.
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Sets the library up (16-bit stereo, software music mixing, interpolation, 44100 Hz, the
    // IT, MOD and XM loaders), fills the playlist and starts the first track. `output` receives
    // the mixed music (may be null: silent). False when the library cannot start; the player
    // then keeps its playlist but loads no songs.
    bool init(MusicSink* output = nullptr, const std::string& data_dir = "");

    // Advances to the next track, wrapping from the last to the first, and starts it. The song
    // plays through once: its own backward jumps do not restart it.
    void next_track();
    // Stops and frees the song; the queued music fades out.
    void stop();
    // A song is loaded and has not reached its end.
    bool is_playing() const;
    // Music volume on the library's 0..128 scale. 0 stops the music; anything else starts the
    // next track if none is playing.
    void set_volume(int v);
    // Mixes the music the output needs now; moves to the next track when the song has ended.
    void update();

    // The per-tick upkeep, given whether the window is minimised and the music volume step
    // (0..6; 0 = no music). Not minimised: start the next track if nothing plays and the step is
    // above 0, apply the volume (step × 17), mix. Minimised: stop. After a restore the next
    // track starts, not the interrupted one.
    void tick(bool minimized, int music_volume_step);

    // Mixes up to `frames` stereo 16-bit frames of the current song into `out` (silence when no
    // song plays); returns the frames written. The song advances by that much.
    int render(int16_t* out, int frames);

    int current() const { return m_current; }
    int volume() const { return m_volume; }
    const std::vector<std::string>& tracks() const { return m_tracks; }
    // The playlist file of track `index` (0..10), relative to the game directory.
    static std::string track_path(int index);

  private:
    void free_module();
    // Advances the playlist; `cut` drops the music still queued (a skip rather than a song end).
    void start_next(bool cut);

    std::vector<std::string> m_tracks;
    int32_t m_current = -1;
    MODULE* m_module = nullptr;
    bool m_playing = false;
    int m_volume = 100;

    bool m_library = false;
    MusicSink* m_output = nullptr;
    std::vector<int16_t> m_scratch;
    std::vector<bool> m_reported;  // tracks whose load failure is already in the log
};
