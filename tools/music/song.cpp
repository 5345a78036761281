#include "tools/music/song.h"

namespace music {

double song_seconds(const Song& song) {
    int speed = song.speed;
    int bpm = song.bpm;
    double seconds = 0.0;
    for (uint8_t index : song.order) {
        if (index >= song.patterns.size())
            continue;
        const Pattern& p = song.patterns[index];
        for (int row = 0; row < kRows; ++row) {
            for (int ch = 0; ch < p.channels; ++ch) {
                const Cell& c = p.at(row, ch);
                if (c.effect != kFxSetSpeed || c.param == 0)
                    continue;
                if (c.param < 32) {
                    speed = c.param;
                } else {
                    bpm = c.param;
                }
            }
            seconds += speed * 2.5 / bpm;
        }
    }
    return seconds;
}

}  // namespace music
