#include "tools/music/parts.h"

#include <algorithm>
#include <string>

namespace music {

uint32_t Rng::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

namespace {

constexpr int kBar = 16;

bool minor_key(Mode m) {
    return m == Mode::kMinor || m == Mode::kDorian || m == Mode::kHarmonicMinor;
}

// ---- drums --------------------------------------------------------------------------------

struct GrooveLines {
    const char* kick;
    const char* snare;  // x hit, g ghost
    const char* hats;   // h closed, H accented, o open
};

GrooveLines groove_lines(Groove g) {
    switch (g) {
        case Groove::kRock:
            return {"x.......x.x.....", "....x.......x...", "h.h.h.h.h.h.h.h."};
        case Groove::kFourFloor:
            return {"x...x...x...x...", "....x.......x...", "h.o.h.o.h.o.h.o."};
        case Groove::kBreakbeat:
            return {"x.....x...x.....", "....x..g.g..x..g", "h.h.h.hhh.h.h.h."};
        case Groove::kHalfTime:
            return {"x.........x.....", "........x.......", "h.h.h.h.h.h.h.h."};
        case Groove::kChase:
            return {"x...x...x...x...", "....x.......x...", "HhHhHhHhHhHhHhHh"};
        case Groove::kShuffle:
            return {"x.....x.x.......", "....x.......x...", "h..hh..hh..hh..h"};
    }
    return {"x...............", "................", "................"};
}

// `busy` adds soft hats between the groove's own, for sections that have grown.
void groove_bar(std::vector<DrumHit>& out, Groove g, int bar, bool kick, bool hats_only,
                bool busy = false) {
    const GrooveLines lines = groove_lines(g);
    for (int s = 0; s < kBar; ++s) {
        const int row = bar * kBar + s;
        if (kick && lines.kick[s] == 'x' && (!hats_only || s == 0))
            out.push_back({row, Drum::kKick, 64});
        if (!hats_only && lines.snare[s] == 'x')
            out.push_back({row, Drum::kSnare, 56});
        if (!hats_only && lines.snare[s] == 'g')
            out.push_back({row, Drum::kSnare, 22});
        const char h = lines.hats[s];
        if (h == 'h')
            out.push_back({row, Drum::kHat, 24});
        if (h == 'H')
            out.push_back({row, Drum::kHat, 34});
        if (h == 'o')
            out.push_back({row, Drum::kOpenHat, 28});
        if (h == '.' && busy && s % 2)
            out.push_back({row, Drum::kHat, 14});
    }
}

// Replaces the bar's tail with a snare run; `full` starts it on the third beat.
void fill_bar(std::vector<DrumHit>& out, int bar, bool full) {
    const int from = bar * kBar + (full ? 8 : 12);
    out.erase(std::remove_if(out.begin(), out.end(),
                             [&](const DrumHit& h) {
                                 return h.row >= from && h.row < (bar + 1) * kBar &&
                                        h.drum != Drum::kKick;
                             }),
              out.end());
    const int steps_full[] = {8, 10, 12, 13, 14, 15};
    const int steps_light[] = {12, 14, 15};
    const int* steps = full ? steps_full : steps_light;
    const int count = full ? 6 : 3;
    for (int i = 0; i < count; ++i) {
        const uint8_t vol = static_cast<uint8_t>(36 + 24 * i / (count - 1));
        out.push_back({bar * kBar + steps[i], Drum::kSnare, vol});
    }
}

}  // namespace

std::vector<DrumHit> drum_part(const SectionInfo& s) {
    const Groove g = s.plan->groove;
    std::vector<DrumHit> out;
    switch (s.kind) {
        case Section::kIntro:
            for (int bar = 0; bar < 3; ++bar)
                groove_bar(out, g, bar, true, true);
            groove_bar(out, g, 3, true, false);
            fill_bar(out, 3, true);
            break;
        case Section::kVerse:
        case Section::kVerse2:
        case Section::kChorus:
        case Section::kChorus2:
            for (int bar = 0; bar < 4; ++bar)
                groove_bar(out, g, bar, true, false, s.round >= 1);
            fill_bar(out, 3,
                     s.kind == Section::kVerse2 || s.kind == Section::kChorus2 || s.round >= 2);
            if (s.kind == Section::kChorus || s.kind == Section::kChorus2)
                out.push_back({0, Drum::kCrash, 48});
            if (s.round >= 2)
                out.push_back({32, Drum::kCrash, 40});
            break;
        case Section::kBridge:
            // Half the weight: no kick, a soft backbeat, then a build into the next round.
            for (int bar = 0; bar < 3; ++bar) {
                for (int st = 0; st < kBar; st += 2)
                    out.push_back({bar * kBar + st, Drum::kHat, 18});
                out.push_back({bar * kBar + 8, Drum::kSnare, 36});
            }
            for (int st = 0; st < kBar; ++st) {
                if (st < 8 && st % 2)
                    continue;
                out.push_back({3 * kBar + st, Drum::kSnare, static_cast<uint8_t>(24 + 2 * st)});
            }
            break;
        case Section::kBreak:
            // The band drops out: a kick on the one and quarter hats, then the groove comes
            // back in bar three and a roll of sixteenths climbs into what follows.
            for (int bar = 0; bar < 2; ++bar) {
                out.push_back({bar * kBar, Drum::kKick, 60});
                for (int st = 4; st < kBar; st += 4)
                    out.push_back({bar * kBar + st, Drum::kHat, 20});
            }
            groove_bar(out, g, 2, true, false);
            for (int st = 0; st < kBar; ++st)
                out.push_back({3 * kBar + st, Drum::kSnare, static_cast<uint8_t>(20 + 2 * st)});
            break;
        case Section::kTurnaround:
            for (int bar = 0; bar < 4; ++bar)
                groove_bar(out, g, bar, true, false, true);
            fill_bar(out, 3, true);
            out.push_back({0, Drum::kCrash, 44});
            break;
    }
    std::sort(out.begin(), out.end(), [](const DrumHit& a, const DrumHit& b) {
        return a.row < b.row || (a.row == b.row && a.drum < b.drum);
    });
    return out;
}

// ---- bass ---------------------------------------------------------------------------------

namespace {

int bass_root(const SectionInfo& s, const Chord& c) {
    const int cls = ((s.plan->tonic + c.root) % 12 + 12) % 12;
    return 28 + ((cls - 28 % 12) + 12) % 12;  // E1..D#2
}

struct BassStep {
    int step;
    char what;  // r root, 5 fifth, o octave, 3 third, a approach to the next chord
    int length;
};

std::vector<BassStep> bass_template(BassLine line) {
    switch (line) {
        case BassLine::kOctaves:
            return {{0, 'r', 2}, {2, 'o', 2},  {4, 'r', 2},  {6, 'o', 2},
                    {8, 'r', 2}, {10, 'o', 2}, {12, 'r', 2}, {14, 'o', 2}};
        case BassLine::kRootFifth:
            return {{0, 'r', 3},  {4, '5', 3},  {8, 'r', 2},
                    {10, 'r', 2}, {12, '5', 2}, {14, 'o', 2}};
        case BassLine::kSyncopated:
            return {{0, 'r', 2},  {3, 'r', 1},  {6, 'o', 2}, {8, 'r', 2},
                    {10, '5', 1}, {11, 'r', 2}, {14, 'o', 2}};
        case BassLine::kWalking:
            return {{0, 'r', 4}, {4, '3', 4}, {8, '5', 4}, {12, 'a', 4}};
        case BassLine::kPulse:
            return {{0, 'r', 1}, {2, 'r', 1},  {4, 'r', 1},  {6, 'o', 1},
                    {8, 'r', 1}, {10, 'r', 1}, {12, 'r', 1}, {14, 'o', 1}};
    }
    return {{0, 'r', 16}};
}

int bass_pitch(const SectionInfo& s, int row, char what) {
    const Chord& c = s.chord_at(row);
    const int root = bass_root(s, c);
    switch (what) {
        case '5':
            return root + 7;
        case 'o':
            return root + 12;
        case '3':
            return root + (c.tones.size() > 1 ? c.tones[1] : 4);
        case 'a': {
            const Chord& next = row + 4 < kRows ? s.chord_at(row + 4) : s.tonic_chord;
            const int target = bass_root(s, next);
            if (target == root)
                return root + 7;
            // Lean into the next root from below, or from above at the bottom of the range.
            return target - 1 >= 28 ? target - 1 : target + 1;
        }
        default:
            return root;
    }
}

// A developed section's bass leans into each next chord with its last note of the bar.
void bass_bar(std::vector<Note>& out, const SectionInfo& s, int bar,
              const std::vector<BassStep>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const BassStep& st = steps[i];
        const int row = bar * kBar + st.step;
        const uint8_t vol = st.step % 4 == 0 ? 54 : 46;
        const bool lean = s.round >= 1 && i + 1 == steps.size() && steps.size() > 2;
        out.push_back({row, bass_pitch(s, row, lean ? 'a' : st.what), st.length, vol});
    }
}

}  // namespace

std::vector<Note> bass_part(const SectionInfo& s) {
    std::vector<Note> out;
    const std::vector<BassStep> style = bass_template(s.plan->bass);
    const std::vector<BassStep> slow = {{0, 'r', 8}, {8, '5', 8}};
    switch (s.kind) {
        case Section::kBridge:
            for (int bar = 0; bar < 4; ++bar)
                bass_bar(out, s, bar, slow);
            break;
        case Section::kBreak: {
            // Held roots under the break, then the pulse picks up again.
            for (int bar = 0; bar < 2; ++bar)
                out.push_back({bar * kBar, bass_root(s, s.chord_at(bar * kBar)), kBar, 50});
            const std::vector<BassStep> pulse = bass_template(BassLine::kPulse);
            bass_bar(out, s, 2, pulse);
            bass_bar(out, s, 3, pulse);
            break;
        }
        default:
            for (int bar = 0; bar < 4; ++bar)
                bass_bar(out, s, bar, style);
            break;
    }
    return out;
}

// ---- chords -------------------------------------------------------------------------------

namespace {

std::vector<int> voicing(const SectionInfo& s, const Chord& c, int voices, int low, int high,
                         const std::vector<int>& previous) {
    std::vector<int> v = voice_chord(c, s.plan->tonic, voices, low, high, previous);
    if (v.empty())
        v.assign(static_cast<size_t>(voices), s.center);
    return v;
}

uint8_t arpeggio_param(const std::vector<int>& v) {
    const int x = std::clamp(v[1] - v[0], 0, 15);
    const int y = std::clamp(v[2] - v[0], 0, 15);
    return static_cast<uint8_t>((x << 4) | y);
}

Note held_chord(int row, const std::vector<int>& v, int length, uint8_t volume) {
    Note n{row, v[0], length, volume};
    n.effect = kFxArpeggio;
    n.param = arpeggio_param(v);
    n.hold_effect = true;
    return n;
}

}  // namespace

std::vector<Note> harmony_part(const SectionInfo& s) {
    std::vector<Note> out;
    std::vector<int> prev;
    // Below the melody, and no lower than the three octaves of a module allow.
    const int low = std::max(48, s.center - 14);
    const int high = low + 15;
    // A developed section changes how the chords are played; the break only stabs them.
    Harmony style = s.plan->harmony;
    for (int r = 0; r < s.round; ++r)
        style = style == Harmony::kBroken     ? Harmony::kArpeggio
                : style == Harmony::kArpeggio ? Harmony::kStabs
                                              : Harmony::kBroken;
    if (s.kind == Section::kBridge && style == Harmony::kStabs)
        style = Harmony::kArpeggio;
    if (s.kind == Section::kBreak)
        style = Harmony::kStabs;
    for (int slot = 0; slot * s.slot_rows() < kRows; ++slot) {
        const int start = slot * s.slot_rows();
        const std::vector<int> v = voicing(s, s.chord_at(start), 3, low, high, prev);
        prev = v;
        switch (style) {
            case Harmony::kBroken: {
                const int step = s.kind == Section::kBridge ? 4 : 2;
                const int order[] = {0, 1, 2, 1};
                for (int r = 0, k = 0; r < s.slot_rows(); r += step, ++k) {
                    const uint8_t vol = (start + r) % 4 == 0 ? 36 : 28;
                    out.push_back({start + r, v[static_cast<size_t>(order[k % 4])], step, vol});
                }
                break;
            }
            case Harmony::kArpeggio:
                out.push_back(held_chord(start, v, s.slot_rows(), 34));
                break;
            case Harmony::kStabs:
                for (int r = 2; r < s.slot_rows(); r += 4)
                    out.push_back(held_chord(start + r, v, 2, 34));
                break;
        }
    }
    return out;
}

std::vector<std::vector<Note>> pad_parts(const SectionInfo& s) {
    std::vector<std::vector<Note>> voices(3);
    std::vector<int> prev;
    const int low = s.center - 12;
    const int high = s.center + 6;
    for (int start = 0; start < kRows; start += s.slot_rows()) {
        const std::vector<int> v = voicing(s, s.chord_at(start), 3, low, high, prev);
        for (size_t i = 0; i < 3; ++i) {
            std::vector<Note>& line = voices[i];
            // A voice that keeps its pitch is tied over rather than struck again.
            if (!prev.empty() && prev[i] == v[i] && !line.empty() &&
                line.back().row + line.back().length == start) {
                line.back().length += s.slot_rows();
            } else {
                line.push_back({start, v[i], s.slot_rows(), 24});
            }
        }
        prev = v;
    }
    return voices;
}

std::vector<Note> arp_part(const SectionInfo& s) {
    std::vector<Note> out;
    // The broken chords join as the song grows: not in the first verse, nor in the quiet parts.
    if (s.kind == Section::kIntro || s.kind == Section::kBridge || s.kind == Section::kBreak ||
        (s.kind == Section::kVerse && s.round == 0))
        return out;
    const int rows = kRows;
    std::vector<int> prev;
    const int order[] = {0, 1, 2, 3, 2, 1, 2, 3};
    for (int start = 0; start < rows; start += s.slot_rows()) {
        std::vector<int> v = voicing(s, s.chord_at(start), 3, s.center - 5, s.center + 9, prev);
        prev = v;
        v.push_back(v[0] + 12);
        for (int r = 0, k = 0; r < s.slot_rows(); r += 2, ++k) {
            const uint8_t vol = (start + r) % 4 == 0 ? 26 : 20;
            out.push_back({start + r, v[static_cast<size_t>(order[k % 8])], 2, vol});
        }
    }
    return out;
}

// ---- melody -------------------------------------------------------------------------------

namespace {

struct Figure {
    int lengths[4];
    int count;
};

// One- and two-beat rhythm figures (lengths in rows) for each rhythm family.
std::vector<Figure> figures(Rhythm r, bool broad) {
    if (broad || r == Rhythm::kLyrical)
        return {{{4}, 1}, {{4}, 1}, {{8}, 1}, {{6, 2}, 2}, {{2, 2}, 2}, {{12}, 1}, {{3, 1}, 2}};
    if (r == Rhythm::kSyncopated)
        return {{{3, 3, 2}, 3}, {{2, 4, 2}, 3}, {{3, 1}, 2}, {{1, 2, 1}, 3}, {{4}, 1}, {{2, 2}, 2}};
    return {{{4}, 1},       {{2, 2}, 2},    {{2, 2}, 2}, {{3, 1}, 2},
            {{1, 1, 2}, 3}, {{2, 1, 1}, 3}, {{2, 2}, 2}};
}

int figure_rows(const Figure& f) {
    int n = 0;
    for (int i = 0; i < f.count; ++i)
        n += f.lengths[i];
    return n;
}

int pick_move(Rng& rng, bool rising) {
    static const int moves[] = {-1, -1, -1, 1, 1, 1, 2, -2, 0, 3, -3, 2};
    int m = moves[rng.below(12)];
    // First bar leans upwards, the answer downwards, which gives each idea an arc.
    if (rising && m < 0 && rng.chance(40))
        m = -m;
    if (!rising && m > 0 && rng.chance(40))
        m = -m;
    return m;
}

}  // namespace

Motif make_motif(Rng& rng, Rhythm rhythm, bool broad) {
    Motif m;
    m.anchor = rng.below(3);
    const std::vector<Figure> figs = figures(rhythm, broad);
    for (int bar = 0; bar < 2; ++bar) {
        int row = 0;
        bool first = true;
        while (row < kBar) {
            const Figure* f = &figs[static_cast<size_t>(rng.below(static_cast<int>(figs.size())))];
            if (figure_rows(*f) > kBar - row)
                f = &figs[0];
            for (int i = 0; i < f->count && row < kBar; ++i) {
                Motif::Step st;
                st.row = bar * kBar + row;
                st.length = std::min(f->lengths[i], kBar - row);
                st.move = first ? 0 : pick_move(rng, bar == 0);
                st.rest = !first && rng.chance(broad ? 6 : 12);
                m.steps.push_back(st);
                row += st.length;
                first = false;
            }
        }
    }
    // The idea closes on a held note.
    while (m.steps.size() > 2 && m.steps.back().row > 2 * kBar - 4) {
        const int end = m.steps.back().row + m.steps.back().length;
        m.steps.pop_back();
        m.steps.back().length = end - m.steps.back().row;
    }
    m.steps.back().rest = false;
    return m;
}

namespace {

enum class Ending { kNone, kChordRoot, kTonic };

class MelodyWriter {
  public:
    MelodyWriter(const SectionInfo& s, int center, uint8_t volume)
        : m_s(s), m_center(center), m_prev(center), m_volume(volume) {}

    // Plays one bar of a motif (`half` 0 or 1) at section bar `bar`, starting from chord
    // tone `anchor`; an ending keeps the first half-bar and lands on a long note.
    void bar(const Motif& m, int half, int bar, int anchor, Ending ending) {
        bool first = true;
        for (const Motif::Step& st : m.steps) {
            if (st.row / kBar != half)
                continue;
            const int offset = st.row % kBar;
            if (ending != Ending::kNone && offset >= 8)
                break;
            const int row = bar * kBar + offset;
            int length = st.length;
            if (ending != Ending::kNone)
                length = std::min(length, 8 - offset);
            const int pitch = first ? anchor_pitch(row, anchor) : next_pitch(row, st.move, length);
            first = false;
            m_prev = pitch;
            if (!st.rest)
                add(row, pitch, length);
        }
        if (ending != Ending::kNone) {
            const int row = bar * kBar + 8;
            // Home to the tonic where the chord holds it, else to the chord's root.
            const std::vector<int> tones = chord_classes(m_s.chord_at(row));
            const std::vector<int> target = ending == Ending::kTonic && has_class(tones, 0)
                                                ? std::vector<int>{0}
                                                : std::vector<int>{m_s.chord_at(row).root};
            m_prev = clamp_range(nearest_in(target, m_s.plan->tonic, m_prev));
            add(row, m_prev, 8);
        }
    }

    std::vector<Note> take() { return std::move(m_notes); }

  private:
    int low() const { return m_center - 8; }
    // A module's lead sample reaches B-5 at most.
    int high() const { return std::min(83, m_center + 10); }

    int clamp_range(int p) const {
        while (p > high())
            p -= 12;
        while (p < low())
            p += 12;
        return p;
    }

    int anchor_pitch(int row, int anchor) const {
        const std::vector<int> tones = chord_classes(m_s.chord_at(row));
        const int cls = tones[static_cast<size_t>(anchor) % tones.size()];
        return clamp_range(nearest_in({cls}, m_s.plan->tonic, m_prev));
    }

    int next_pitch(int row, int move, int length) const {
        const Chord& c = m_s.chord_at(row);
        const std::vector<int> scale = scale_for_chord(m_s.plan->mode, c);
        int p = step_in(scale, m_s.plan->tonic, m_prev, move);
        if (p > high() || p < low())
            p = step_in(scale, m_s.plan->tonic, m_prev, -move);
        // Notes that start a beat and last lean on the chord.
        if (row % 4 == 0 && length >= 2)
            p = nearest_in(chord_classes(c), m_s.plan->tonic, p);
        return clamp_range(p);
    }

    void add(int row, int pitch, int length) {
        uint8_t vol = m_volume;
        if (row % kBar == 0)
            vol = static_cast<uint8_t>(std::min(64, vol + 4));
        if (length == 1)
            vol = static_cast<uint8_t>(vol - 6);
        Note n{row, pitch, length, vol};
        n.vibrato = length >= 6;
        m_notes.push_back(n);
    }

    const SectionInfo& m_s;
    int m_center;
    int m_prev;
    uint8_t m_volume;
    std::vector<Note> m_notes;
};

// A later version of an idea: the answering bar (round 1) or the whole idea (round 2 and on)
// turned upside down, from another chord tone.
Motif developed(const Motif& m, int round) {
    if (round <= 0)
        return m;
    Motif d = m;
    for (Motif::Step& st : d.steps)
        if (round >= 2 || st.row >= kBar)
            st.move = -st.move;
    d.anchor = (m.anchor + round) % 3;
    return d;
}

}  // namespace

std::vector<Note> melody_part(const SectionInfo& s, const Motif& verse_idea,
                              const Motif& chorus_idea, const Motif& bridge) {
    const int tonic = s.center;
    const Motif verse = developed(verse_idea, s.round);
    const Motif chorus = developed(chorus_idea, s.round);
    switch (s.kind) {
        case Section::kIntro:
            return {};
        case Section::kVerse:
        case Section::kVerse2: {
            MelodyWriter w(s, tonic, 46);
            const bool second = s.kind == Section::kVerse2;
            w.bar(verse, 0, 0, verse.anchor, Ending::kNone);
            w.bar(verse, 1, 1, verse.anchor, Ending::kNone);
            w.bar(verse, 0, 2, second ? (verse.anchor + 1) % 3 : verse.anchor, Ending::kNone);
            w.bar(verse, 1, 3, verse.anchor, second ? Ending::kTonic : Ending::kChordRoot);
            return w.take();
        }
        case Section::kChorus:
        case Section::kChorus2: {
            MelodyWriter w(s, tonic + (minor_key(s.plan->mode) ? 3 : 4), 50);
            const bool second = s.kind == Section::kChorus2;
            w.bar(chorus, 0, 0, chorus.anchor, Ending::kNone);
            w.bar(chorus, 1, 1, chorus.anchor, Ending::kNone);
            w.bar(chorus, 0, 2, second ? (chorus.anchor + 1) % 3 : chorus.anchor, Ending::kNone);
            w.bar(chorus, 1, 3, chorus.anchor, second ? Ending::kTonic : Ending::kChordRoot);
            return w.take();
        }
        case Section::kBridge: {
            MelodyWriter w(s, tonic - 2, 38);
            w.bar(bridge, 0, 0, bridge.anchor, Ending::kNone);
            w.bar(bridge, 1, 1, bridge.anchor, Ending::kNone);
            w.bar(bridge, 0, 2, (bridge.anchor + 2) % 3, Ending::kNone);
            w.bar(bridge, 1, 3, bridge.anchor, Ending::kChordRoot);
            return w.take();
        }
        case Section::kBreak: {
            // Calls into the space the band leaves: the chorus's opening, twice.
            MelodyWriter w(s, tonic, 44);
            w.bar(chorus_idea, 0, 1, chorus_idea.anchor, Ending::kChordRoot);
            w.bar(chorus_idea, 0, 3, (chorus_idea.anchor + 1) % 3, Ending::kChordRoot);
            return w.take();
        }
        case Section::kTurnaround: {
            // The chorus's idea, then the verse's, landing on the chord that leads home.
            MelodyWriter w(s, tonic, 48);
            w.bar(chorus_idea, 0, 0, chorus_idea.anchor, Ending::kNone);
            w.bar(chorus_idea, 1, 1, chorus_idea.anchor, Ending::kNone);
            w.bar(verse_idea, 0, 2, verse_idea.anchor, Ending::kNone);
            w.bar(verse_idea, 1, 3, verse_idea.anchor, Ending::kChordRoot);
            return w.take();
        }
    }
    return {};
}

}  // namespace music
