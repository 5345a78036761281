#pragma once

// Synthesised instruments. Pitched sounds are built from harmonics of a waveform whose cycle
// is a whole number of samples, so their sustain loops repeat without a seam; drums are
// shaped noise and sweeps played once.

#include <cstdint>

#include "tools/music/song.h"

namespace music {

enum class Format { kMod, kXm };

enum class Sound {
    kKick,
    kSnare,
    kClap,
    kHat,
    kOpenHat,
    kCrash,
    kSquareLead,
    kBrassLead,
    kFlute,
    kBell,
    kEPiano,
    kPluck,
    kPad,
    kOrgan,
    kSawBass,
    kSquareBass,
    kRoundBass,
};

struct Voice {
    Sound sound = Sound::kKick;
    Instrument instrument;
    int base_midi = 60;     // pitched sounds: the pitch heard at note 49
    uint8_t drum_note = 0;  // drums: the note that plays the sample at its own rate
    bool sustains = false;  // loops until released
};

bool is_drum(Sound sound);
Voice make_voice(Sound sound, Format format);

// The note that sounds `midi` on this voice, moved by octaves into the format's range
// (37..72 for MOD, 1..96 for XM). Drums always get their own note.
uint8_t note_for(const Voice& voice, int midi, Format format);

}  // namespace music
