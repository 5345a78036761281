#pragma once

// A tracker song independent of the file format: the composer fills it, the MOD and XM
// writers turn it into files.

#include <cstdint>
#include <string>
#include <vector>

namespace music {

// Note numbers follow the XM convention: 1 is C-0, 49 is C-4, the pitch a sample with no
// relative note plays at 8363 Hz. A ProTracker module covers 37..72 (its C-1..B-3).
constexpr uint8_t kNoNote = 0;
constexpr uint8_t kKeyOff = 97;
constexpr uint8_t kNoVolume = 0xFF;
constexpr int kRows = 64;

// Effect numbers are the ProTracker ones, which XM shares.
enum Effect : uint8_t {
    kFxArpeggio = 0x0,
    kFxPanning = 0x8,
    kFxPortaUp = 0x1,
    kFxPortaDown = 0x2,
    kFxVibrato = 0x4,
    kFxVolumeSlide = 0xA,
    kFxPositionJump = 0xB,
    kFxSetVolume = 0xC,
    kFxPatternBreak = 0xD,
    kFxExtended = 0xE,  // E9x retrigger, ECx note cut, EDx note delay
    kFxSetSpeed = 0xF,  // below 32 ticks per row, else beats per minute
};

struct Cell {
    uint8_t note = kNoNote;
    uint8_t instrument = 0;  // 1-based; 0 keeps the channel's instrument
    uint8_t volume = kNoVolume;
    uint8_t effect = 0;
    uint8_t param = 0;

    bool has_effect() const { return effect != 0 || param != 0; }
};

struct Pattern {
    int channels = 4;
    std::vector<Cell> cells;  // row-major, kRows * channels

    explicit Pattern(int channel_count = 4)
        : channels(channel_count), cells(static_cast<size_t>(kRows * channel_count)) {}
    Cell& at(int row, int channel) { return cells[static_cast<size_t>(row * channels + channel)]; }
    const Cell& at(int row, int channel) const {
        return cells[static_cast<size_t>(row * channels + channel)];
    }
};

struct Instrument {
    std::string name;
    std::vector<int16_t> samples;  // mono; the MOD writer keeps the top 8 bits
    uint32_t loop_start = 0;
    uint32_t loop_length = 0;  // 0: plays once
    uint8_t volume = 64;       // default volume 0..64
    // Semitones between the sample's own rate and 8363 Hz (XM only; MOD samples are 8363 Hz).
    int8_t relative_note = 0;
    uint8_t panning = 128;  // XM only
    // XM only: a volume envelope (tick, level 0..64) with a sustain point, and the fade
    // applied after key-off. Empty: the sample plays at full level until cut.
    std::vector<std::pair<uint16_t, uint8_t>> envelope;
    int sustain_point = -1;
    uint16_t fadeout = 0;
};

struct Song {
    std::string title;
    int channels = 4;
    int speed = 6;  // ticks per row
    int bpm = 125;  // ticks are 2.5 / bpm seconds
    std::vector<Instrument> instruments;
    std::vector<Pattern> patterns;
    std::vector<uint8_t> order;  // pattern index per song position
    // The position a player that loops goes back to after the last one (the song's own jump
    // there is written by the composer). The game plays each song once and moves on.
    int restart = 0;
    // MOD only: a starting position 0..255 (left..right) per channel, instead of the hard
    // left/right of the original hardware.
    std::vector<uint8_t> panning;
};

// Playing time in seconds of the song as written, honouring speed changes (Fxx) row by row,
// from its first position to the end of its last one.
double song_seconds(const Song& song);

}  // namespace music
