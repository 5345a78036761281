#pragma once

// The composer's parts: drums, bass, chords and melody for one four-bar section, as note
// lists that the composer places into pattern channels.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/music/composer.h"

namespace music {

// Deterministic generator so a build always writes the same files.
class Rng {
  public:
    explicit Rng(uint32_t seed) : m_state(seed ? seed : 0x2545F491u) {}
    uint32_t next();
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

  private:
    uint32_t m_state;
};

struct Note {
    int row = 0;
    int midi = 0;
    int length = 1;  // rows until it is released (or the next note)
    uint8_t volume = 64;
    uint8_t effect = 0;  // repeated on every row the note holds when `hold_effect`
    uint8_t param = 0;
    bool hold_effect = false;
    bool vibrato = false;  // long notes sway after their attack
    int fade_after = -1;   // rows after the attack when a slow fade to silence starts
};

enum class Drum { kKick, kSnare, kHat, kOpenHat, kCrash };

struct DrumHit {
    int row = 0;
    Drum drum = Drum::kKick;
    uint8_t volume = 64;
};

// What a part needs to know about the section it plays in.
struct SectionInfo {
    const TrackPlan* plan = nullptr;
    Section kind = Section::kVerse;
    int round = 0;              // how far the section has developed (FormStep::round)
    std::vector<Chord> chords;  // four or eight, evenly over the 64 rows
    Chord tonic_chord;
    int center = 60;  // middle of the melody; every register is placed from it

    const Chord& chord_at(int row) const {
        return chords[static_cast<size_t>(row) * chords.size() / kRows];
    }
    int slot_rows() const { return kRows / static_cast<int>(chords.size()); }
};

// The chords, key chord and registers of one section of a plan; false if the plan's
// progressions cannot be read or have the wrong length.
bool make_section(const TrackPlan& plan, Section kind, SectionInfo* out, std::string* error);

// A two-bar melodic idea: rhythm and shape, realised afresh over each chord.
struct Motif {
    struct Step {
        int row = 0;     // 0..31
        int length = 1;  // rows
        int move = 0;    // scale steps from the note before
        bool rest = false;
    };
    std::vector<Step> steps;
    int anchor = 0;  // chord tone (0 root, 1 third, 2 fifth) the idea starts from
};

Motif make_motif(Rng& rng, Rhythm rhythm, bool broad);

std::vector<DrumHit> drum_part(const SectionInfo& s);
std::vector<Note> bass_part(const SectionInfo& s);
// The four-channel harmony line (one channel: broken chords, arpeggio effect or stabs).
std::vector<Note> harmony_part(const SectionInfo& s);
// Held chords, one list per voice (three voices).
std::vector<std::vector<Note>> pad_parts(const SectionInfo& s);
// Broken chords for the pluck channel of richer songs; empty in quiet sections.
std::vector<Note> arp_part(const SectionInfo& s);
std::vector<Note> melody_part(const SectionInfo& s, const Motif& verse, const Motif& chorus,
                              const Motif& bridge);

}  // namespace music
