#include "tools/music/theory.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sstream>

namespace music {

std::vector<int> scale_classes(Mode mode) {
    switch (mode) {
        case Mode::kMajor:
            return {0, 2, 4, 5, 7, 9, 11};
        case Mode::kMinor:
            return {0, 2, 3, 5, 7, 8, 10};
        case Mode::kDorian:
            return {0, 2, 3, 5, 7, 9, 10};
        case Mode::kMixolydian:
            return {0, 2, 4, 5, 7, 9, 10};
        case Mode::kHarmonicMinor:
            return {0, 2, 3, 5, 7, 8, 11};
    }
    return {0, 2, 4, 5, 7, 9, 11};
}

bool parse_chord(const std::string& numeral, Chord* out) {
    static const char* kNames[] = {"vii", "iii", "vi", "iv", "ii", "v", "i"};
    static const int kSemitones[] = {11, 4, 9, 5, 2, 7, 0};
    static const int kDegrees[] = {6, 2, 5, 3, 1, 4, 0};
    size_t pos = 0;
    int shift = 0;
    if (pos < numeral.size() && (numeral[pos] == 'b' || numeral[pos] == '#')) {
        shift = numeral[pos] == 'b' ? -1 : 1;
        ++pos;
    }
    std::string lower;
    for (char c : numeral.substr(pos))
        lower += static_cast<char>(std::tolower(c));
    int root = -1;
    int degree = 0;
    size_t length = 0;
    for (size_t k = 0; k < 7; ++k) {
        const std::string name = kNames[k];
        if (lower.compare(0, name.size(), name) == 0) {
            root = kSemitones[k];
            degree = kDegrees[k];
            length = name.size();
            break;
        }
    }
    if (root < 0)
        return false;
    const bool major = std::isupper(static_cast<unsigned char>(numeral[pos])) != 0;
    const std::string suffix = numeral.substr(pos + length);
    Chord c;
    c.root = ((root + shift) % 12 + 12) % 12;
    c.degree = degree;
    const int third = major ? 4 : 3;
    c.steps = {0, 2, 4};
    if (suffix.empty()) {
        c.tones = {0, third, 7};
    } else if (suffix == "7") {
        c.tones = {0, third, 7, 10};
        c.steps = {0, 2, 4, 6};
    } else if (suffix == "maj7") {
        c.tones = {0, third, 7, 11};
        c.steps = {0, 2, 4, 6};
    } else if (suffix == "o") {
        c.tones = {0, 3, 6};
    } else if (suffix == "sus4") {
        c.tones = {0, 5, 7};
        c.steps = {0, 3, 4};
    } else {
        return false;
    }
    *out = c;
    return true;
}

bool parse_progression(const std::string& text, std::vector<Chord>* out) {
    std::istringstream in(text);
    std::vector<Chord> chords;
    std::string word;
    while (in >> word) {
        Chord c;
        if (!parse_chord(word, &c))
            return false;
        chords.push_back(c);
    }
    if (chords.empty())
        return false;
    *out = chords;
    return true;
}

bool has_class(const std::vector<int>& classes, int pc) {
    return std::find(classes.begin(), classes.end(), pc) != classes.end();
}

int pitch_class(int midi, int tonic) {
    return ((midi - tonic) % 12 + 12) % 12;
}

std::vector<int> chord_classes(const Chord& chord) {
    std::vector<int> out;
    for (int t : chord.tones)
        out.push_back((chord.root + t) % 12);
    return out;
}

std::vector<int> scale_for_chord(Mode mode, const Chord& chord) {
    std::vector<int> scale = scale_classes(mode);
    for (size_t i = 0; i < chord.tones.size() && i < chord.steps.size(); ++i) {
        const size_t degree = static_cast<size_t>((chord.degree + chord.steps[i]) % 7);
        scale[degree] = (chord.root + chord.tones[i]) % 12;
    }
    std::sort(scale.begin(), scale.end());
    scale.erase(std::unique(scale.begin(), scale.end()), scale.end());
    return scale;
}

int nearest_in(const std::vector<int>& classes, int tonic, int midi) {
    for (int d = 0; d < 12; ++d) {
        if (has_class(classes, pitch_class(midi - d, tonic)))
            return midi - d;
        if (has_class(classes, pitch_class(midi + d, tonic)))
            return midi + d;
    }
    return midi;
}

int step_in(const std::vector<int>& classes, int tonic, int midi, int steps) {
    int note = nearest_in(classes, tonic, midi);
    const int dir = steps > 0 ? 1 : -1;
    for (int s = 0; s != steps; s += dir) {
        do {
            note += dir;
        } while (!has_class(classes, pitch_class(note, tonic)));
    }
    return note;
}

std::vector<int> voice_chord(const Chord& chord, int tonic, int voices, int low, int high,
                             const std::vector<int>& previous) {
    const std::vector<int> tones = chord_classes(chord);
    std::vector<int> best;
    int best_cost = INT_MAX;
    // Every close position: start on any chord tone inside the range, stack upwards.
    for (int start = low; start <= high; ++start) {
        if (!has_class(tones, pitch_class(start, tonic)))
            continue;
        std::vector<int> v{start};
        int note = start;
        while (static_cast<int>(v.size()) < voices) {
            do {
                ++note;
            } while (!has_class(tones, pitch_class(note, tonic)));
            v.push_back(note);
        }
        if (v.back() > high)
            break;
        int cost = 0;
        if (previous.size() == v.size()) {
            for (size_t i = 0; i < v.size(); ++i)
                cost += std::abs(v[i] - previous[i]);
        } else {
            cost = std::abs(v.front() - (low + high) / 2);
        }
        // Prefer the root in the bass of the voicing when moves are equal.
        if (pitch_class(v.front(), tonic) != chord.root)
            cost += 1;
        if (cost < best_cost) {
            best_cost = cost;
            best = v;
        }
    }
    return best;
}

}  // namespace music
