#pragma once

// Turns a short description of a track (key, tempo, chord progressions, groove, sounds) into
// a song: an intro, verses and choruses with a bridge between the rounds, and an ending that
// closes on the tonic and lets the song stop.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/music/instruments.h"
#include "tools/music/song.h"
#include "tools/music/theory.h"

namespace music {

enum class Groove { kRock, kFourFloor, kBreakbeat, kHalfTime, kChase, kShuffle };
enum class BassLine { kOctaves, kRootFifth, kSyncopated, kWalking, kPulse };
// How the harmony channel of a four-channel module plays the chords (XM songs always have
// held pad chords and a broken-chord pluck as well).
enum class Harmony { kBroken, kArpeggio, kStabs };
enum class Rhythm { kDriving, kLyrical, kSyncopated };

struct TrackPlan {
    std::string file;  // "001.mod"
    std::string title;
    Format format = Format::kMod;
    int bpm = 125;
    int speed = 6;
    int tonic = 60;  // the key note near the middle of the melody
    Mode mode = Mode::kMajor;
    // Roman-numeral progressions of four or eight chords (one or two a bar, four bars).
    std::string verse, chorus, bridge;
    // Two or four chords (one or two a bar) leading into the final tonic chord.
    std::string ending;
    Groove groove = Groove::kRock;
    BassLine bass = BassLine::kRootFifth;
    Harmony harmony = Harmony::kBroken;
    Rhythm rhythm = Rhythm::kDriving;
    Sound lead = Sound::kSquareLead;
    Sound chords = Sound::kPluck;
    Sound bass_sound = Sound::kSawBass;
    uint32_t seed = 1;
    double target_seconds = 120.0;
};

enum class Section { kIntro, kVerse, kVerse2, kChorus, kChorus2, kBridge, kOutro };

// The order of sections: intro first, ending last, rounds of verse, verse, chorus, chorus and
// a bridge between, as many as come closest to the target length.
std::vector<Section> plan_form(const TrackPlan& plan);

// False, with the reason in `error`, when the plan cannot be composed (unknown numerals,
// a progression of the wrong length).
bool compose(const TrackPlan& plan, Song* song, std::string* error);

// Composes and writes the track's file into `dir`.
bool write_track(const TrackPlan& plan, const std::string& dir, std::string* error);

}  // namespace music
