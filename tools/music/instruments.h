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

// The character of one track's drums: each track builds its own kit from these.
struct DrumKit {
    double kick_hz = 45.0;      // where the kick's pitch settles
    double kick_sweep = 130.0;  // how far above that it starts
    double kick_decay = 0.16;   // seconds
    double snare_hz = 185.0;    // the shell's tone under the rattle
    double snare_decay = 0.075;
    double hat_cutoff = 6000.0;  // brightness of hats and cymbals
    double hat_decay = 0.018;
    double crash_decay = 0.45;
    uint32_t seed = 0x5EEDu;  // the noise of snare and cymbals
};

struct Voice {
    Sound sound = Sound::kKick;
    Instrument instrument;
    int base_midi = 60;     // pitched sounds: the pitch heard at note 49
    uint8_t drum_note = 0;  // drums: the note that plays the sample at its own rate
    bool sustains = false;  // loops until released
};

bool is_drum(Sound sound);
// `kit` shapes drums; `colour` (0..1) shades pitched sounds: brightness, and the pulse width of
// the square lead.
Voice make_voice(Sound sound, Format format, const DrumKit& kit = DrumKit{}, double colour = 0.5);

// The note that sounds `midi` on this voice, moved by octaves into the format's range
// (37..72 for MOD, 1..96 for XM). Drums always get their own note.
uint8_t note_for(const Voice& voice, int midi, Format format);

}  // namespace music
