#pragma once

// Keys, scales and chords for the composer. Pitches are MIDI note numbers (60 is middle C).

#include <string>
#include <vector>

namespace music {

enum class Mode { kMajor, kMinor, kDorian, kMixolydian, kHarmonicMinor };

// Pitch classes (0..11, relative to the tonic) of the seven scale notes, rising.
std::vector<int> scale_classes(Mode mode);

struct Chord {
    int root = 0;    // semitones above the tonic, 0..11
    int degree = 0;  // scale degree of the root, 0..6 (the numeral, whatever its accidental)
    std::vector<int> tones;  // semitones above the chord root, first is 0
    std::vector<int> steps;  // scale degrees above the root for each tone (0, 2, 4 for a triad)
};

// Roman numerals relative to the major scale of the tonic: upper case major, lower case
// minor, a "b" or "#" prefix moves the root, suffixes "7", "maj7", "o" (diminished) and
// "sus4" change the chord ("i", "bVI", "V7", "ii7", "IVmaj7", "viio", "Vsus4").
bool parse_chord(const std::string& numeral, Chord* out);
// Space-separated numerals; false if any is not understood.
bool parse_progression(const std::string& text, std::vector<Chord>* out);

// The scale to draw melody notes from while `chord` sounds: the mode's scale with each degree
// the chord occupies replaced by the chord's own tone (so a major V in a minor key brings its
// leading note along, and a borrowed bVII its flat seventh).
std::vector<int> scale_for_chord(Mode mode, const Chord& chord);

bool has_class(const std::vector<int>& classes, int pitch_class);
int pitch_class(int midi, int tonic);
// The pitch nearest `midi` whose class (relative to `tonic`) is in `classes`; ties go down.
int nearest_in(const std::vector<int>& classes, int tonic, int midi);
// Moves `steps` scale notes up or down from `midi` (which is first snapped into the scale).
int step_in(const std::vector<int>& classes, int tonic, int midi, int steps);
// Pitch classes of a chord relative to the tonic.
std::vector<int> chord_classes(const Chord& chord);

// A close voicing of `chord` with `voices` notes inside [low, high], chosen to move as little
// as possible from `previous` (any voicing when it is empty). Rising order.
std::vector<int> voice_chord(const Chord& chord, int tonic, int voices, int low, int high,
                             const std::vector<int>& previous);

}  // namespace music
