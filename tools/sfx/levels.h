#pragma once

// The level report over the game's shipped sounds: every effect file as the game's mixer
// plays it and every music track as the game's music player mixes it at the default music
// volume, each measured for offset, peak and loudness (tools/sfx/loudness.h), and how far
// apart the two effect sets and the music are.

#include <string>
#include <vector>

#include "tools/sfx/loudness.h"

namespace levels {

// The settings' default music volume step (of 0..6); the player plays at step x 17 of 128.
constexpr int kDefaultMusicStep = 3;
// An effect's mean over any 20 ms stays within this of zero (full-scale units).
constexpr double kOffsetLimit = 0.01;
// The normal set, the classic set and the music lie within this many dB of one another.
constexpr double kSpreadLimit = 2.0;

struct FileLevels {
    std::string file;  // "s1.wav", "001.mod"
    loudness::Figures figures;
};

struct Report {
    std::vector<FileLevels> normal, classic, music;
    // Each group's loudness: the average of its files' figures, in dB.
    double normal_db = 0.0, classic_db = 0.0, music_db = 0.0;
    double spread = 0.0;              // largest minus smallest of the three
    std::vector<std::string> faults;  // effects with an offset, a spread over the limit

    bool ok() const { return faults.empty(); }
};

// Measures the files below `game_dir` ("data/s1.wav" ..., "data/music/001.mod" ...). False,
// with the reason in `error`, when a file cannot be read or the music player cannot start.
// Starts the game's music player, so no other libmikmod user may be active in the process.
bool measure_game_audio(const std::string& game_dir, Report* out, std::string* error);

// The report as a table, one file a line, then the groups and the spread.
std::string format_report(const Report& r);

}  // namespace levels
