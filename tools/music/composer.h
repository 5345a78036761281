#pragma once

// Turns a short description of a track (key, tempo, chord progressions, groove, sounds and
// its own song form) into a song: an intro, sections that develop as they come back, a bridge
// or a break, and a turnaround that leads back to the loop point.

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
    // Two or four chords that lead back to the tonic: the turnaround plays them (twice when
    // two) before the song returns to its loop point.
    std::string ending;
    // The song form, a space-separated list of sections of one 64-row pattern each:
    //   in intro   v verse   V its answer   c chorus   C its answer   br bridge   bk break
    //   t turnaround (last)   | the loop point, before the section the song returns to.
    // A digit after a section (v1, C2) is a later, more developed version of it: the melody
    // turned about, busier drums, another accompaniment. A section written twice is the same
    // pattern.
    std::string form;
    Groove groove = Groove::kRock;
    BassLine bass = BassLine::kRootFifth;
    Harmony harmony = Harmony::kBroken;
    Rhythm rhythm = Rhythm::kDriving;
    Sound lead = Sound::kSquareLead;
    Sound bridge_lead = Sound::kFlute;  // the melody's voice in the bridge and the break
    double lead_colour = 0.5;           // 0..1: each track's own shade of its lead sounds
    DrumKit kit;
    // Every volume is scaled by this (capped at full), so the tracks play about equally loud.
    double level_db = 0.0;
    Sound chords = Sound::kPluck;
    Sound bass_sound = Sound::kSawBass;
    uint32_t seed = 1;
};

enum class Section { kIntro, kVerse, kVerse2, kChorus, kChorus2, kBridge, kBreak, kTurnaround };

struct FormStep {
    Section kind = Section::kVerse;
    int round = 0;  // 0 first version, higher: more developed
    bool operator==(const FormStep& o) const { return kind == o.kind && round == o.round; }
    bool operator<(const FormStep& o) const {
        return kind < o.kind || (kind == o.kind && round < o.round);
    }
};

struct Form {
    std::vector<FormStep> steps;
    int loop = 0;  // the position the turnaround leads back to
};

// Reads the plan's form; false, with the reason in `error`, when it has unknown sections, no
// intro first, no turnaround last, or no loop point after the intro.
bool plan_form(const TrackPlan& plan, Form* out, std::string* error);

// False, with the reason in `error`, when the plan cannot be composed (unknown numerals,
// a progression of the wrong length).
bool compose(const TrackPlan& plan, Song* song, std::string* error);

// Composes and writes the track's file into `dir`.
bool write_track(const TrackPlan& plan, const std::string& dir, std::string* error);

}  // namespace music
