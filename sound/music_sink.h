#pragma once

#include <cstdint>

// Where the music player sends the music it mixes once per tick (the sound bank's output).
class MusicSink {
  public:
    virtual ~MusicSink() = default;
    // Frames to mix now to keep the output topped up (0 when it has enough), or -1 when there is
    // no output: the player then mixes one tick's worth and throws it away, so songs still take
    // their real time and end.
    virtual int music_frames_wanted() = 0;
    virtual void queue_music(const int16_t* frames, int count) = 0;
    // Drops the music not yet heard (after a stop or a track change).
    virtual void drop_music() = 0;
};
