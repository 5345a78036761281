#include "tools/music/composer.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "tools/music/mod_writer.h"
#include "tools/music/parts.h"
#include "tools/music/xm_writer.h"
#include "tools/sfx/wav_write.h"

namespace music {

namespace {

// Channels of a four-channel module.
constexpr int kModDrums = 0, kModBass = 1, kModHarmony = 2, kModLead = 3;
// Channels of the richer XM songs.
constexpr int kXmKick = 0, kXmSnare = 1, kXmHats = 2, kXmBass = 3, kXmPad = 4, kXmArp = 7,
              kXmLead = 8, kXmEcho = 9, kXmChannels = 10;

// Instruments in the order they are stored; the song's instrument numbers are index + 1.
enum Role {
    kKickRole,
    kSnareRole,
    kHatRole,
    kOpenHatRole,
    kCrashRole,
    kBassRole,
    kChordRole,
    kLeadRole,
    kBridgeLeadRole,
    kPadRole,
    kArpRole,
    kRoleCount
};

struct Band {
    Format format;
    std::vector<Voice> voices;  // by role; XM only has pad and arp
    double gain = 1.0;          // the track's level, on every volume written
    int number(Role r) const { return r + 1; }
    uint8_t volume(uint8_t v) const {
        return static_cast<uint8_t>(std::min(64L, std::lround(v * gain)));
    }
};

uint8_t default_volume(Role r) {
    switch (r) {
        case kKickRole:
            return 64;
        case kSnareRole:
            return 56;
        case kHatRole:
            return 24;
        case kOpenHatRole:
            return 28;
        case kCrashRole:
            return 48;
        case kBassRole:
            return 54;
        case kChordRole:
            return 34;
        case kLeadRole:
        case kBridgeLeadRole:
            return 46;
        case kPadRole:
            return 24;
        default:
            return 24;
    }
}

Band make_band(const TrackPlan& plan) {
    Band band{plan.format, {}, std::pow(10.0, plan.level_db / 20.0)};
    const bool clap = plan.groove == Groove::kFourFloor || plan.groove == Groove::kChase;
    const Sound sounds[] = {Sound::kKick,     clap ? Sound::kClap : Sound::kSnare,
                            Sound::kHat,      Sound::kOpenHat,
                            Sound::kCrash,    plan.bass_sound,
                            plan.chords,      plan.lead,
                            plan.bridge_lead, Sound::kPad,
                            Sound::kPluck};
    const int count = plan.format == Format::kXm ? kRoleCount : kPadRole;
    for (int r = 0; r < count; ++r) {
        // The leads take the track's own colour; the accompaniment the opposite shade, so it
        // stays out of the melody's way.
        const double colour =
            r == kLeadRole || r == kBridgeLeadRole ? plan.lead_colour : 1.0 - plan.lead_colour;
        Voice v = make_voice(sounds[r], plan.format, plan.kit, colour);
        v.instrument.volume = band.volume(default_volume(static_cast<Role>(r)));
        // Spread the XM band a little across the stereo field.
        if (r == kHatRole || r == kOpenHatRole)
            v.instrument.panning = 150;
        if (r == kArpRole)
            v.instrument.panning = 96;
        if (r == kChordRole)
            v.instrument.panning = 160;
        band.voices.push_back(v);
    }
    return band;
}

// Writes notes into one channel: note, instrument and volume on the first row, any held
// effect, vibrato or fade on the rows after, and a release where a sustained note ends.
void place(Pattern& p, int channel, const std::vector<Note>& notes, const Band& band, Role role) {
    const Voice& voice = band.voices[role];
    for (size_t i = 0; i < notes.size(); ++i) {
        const Note& n = notes[i];
        if (n.row < 0 || n.row >= kRows)
            continue;
        Cell& first = p.at(n.row, channel);
        if (first.note != kNoNote)
            continue;
        first.note = note_for(voice, n.midi, band.format);
        first.instrument = static_cast<uint8_t>(band.number(role));
        first.volume = band.volume(n.volume);
        const int end = std::min(kRows, n.row + n.length);
        for (int r = n.row; r < end; ++r) {
            Cell& c = p.at(r, channel);
            if (r > n.row && c.note != kNoNote)
                break;
            if (n.effect != 0 || n.param != 0) {
                if (r == n.row || n.hold_effect) {
                    c.effect = n.effect;
                    c.param = n.param;
                }
            }
            if (n.vibrato && r >= n.row + 3 && !c.has_effect()) {
                c.effect = kFxVibrato;
                c.param = 0x42;
            }
            if (n.fade_after >= 0 && r >= n.row + n.fade_after) {
                c.effect = kFxVolumeSlide;
                c.param = 0x01;
            }
        }
        // A module's cell has one effect column; the sample's own volume is used then.
        if (band.format == Format::kMod && first.has_effect() &&
            first.volume != voice.instrument.volume)
            first.volume = kNoVolume;
        const bool next_starts = i + 1 < notes.size() && notes[i + 1].row == n.row + n.length;
        if (voice.sustains && !next_starts && n.row + n.length < kRows) {
            Cell& off = p.at(n.row + n.length, channel);
            if (off.note == kNoNote && !off.has_effect() && off.volume == kNoVolume)
                off.note = kKeyOff;
        }
    }
}

void place_drums(Pattern& p, const std::vector<DrumHit>& hits, const Band& band) {
    const Role roles[] = {kKickRole, kSnareRole, kHatRole, kOpenHatRole, kCrashRole};
    // Four channels share one drum channel: the strongest hit of a row wins.
    const int priority[] = {1, 2, 4, 3, 0};  // kick, snare, hat, open hat, crash
    std::map<int, DrumHit> single;
    for (const DrumHit& h : hits) {
        const Role role = roles[static_cast<int>(h.drum)];
        if (band.format == Format::kXm) {
            const int ch =
                h.drum == Drum::kKick ? kXmKick : (h.drum == Drum::kSnare ? kXmSnare : kXmHats);
            Cell& c = p.at(h.row, ch);
            if (c.note != kNoNote && h.drum != Drum::kCrash)
                continue;
            c.note = band.voices[role].drum_note;
            c.instrument = static_cast<uint8_t>(band.number(role));
            c.volume = band.volume(h.volume);
            continue;
        }
        auto it = single.find(h.row);
        if (it == single.end() ||
            priority[static_cast<int>(h.drum)] < priority[static_cast<int>(it->second.drum)])
            single[h.row] = h;
    }
    for (const auto& [row, h] : single) {
        const Role role = roles[static_cast<int>(h.drum)];
        Cell& c = p.at(row, kModDrums);
        c.note = band.voices[role].drum_note;
        c.instrument = static_cast<uint8_t>(band.number(role));
        c.volume = band.volume(h.volume);
    }
}

std::vector<Note> echo_of(const std::vector<Note>& lead) {
    std::vector<Note> out;
    for (const Note& n : lead) {
        Note e = n;
        e.row += 3;
        e.volume = static_cast<uint8_t>(n.volume * 2 / 5);
        e.vibrato = false;
        if (e.row < kRows)
            out.push_back(e);
    }
    return out;
}

bool minor_mode(Mode m) {
    return m == Mode::kMinor || m == Mode::kDorian || m == Mode::kHarmonicMinor;
}

bool compose_fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

}  // namespace

bool plan_form(const TrackPlan& plan, Form* out, std::string* error) {
    static const struct {
        const char* name;
        Section kind;
    } names[] = {{"in", Section::kIntro}, {"v", Section::kVerse},     {"V", Section::kVerse2},
                 {"c", Section::kChorus}, {"C", Section::kChorus2},   {"br", Section::kBridge},
                 {"bk", Section::kBreak}, {"t", Section::kTurnaround}};
    Form form;
    form.loop = -1;
    size_t at = 0;
    while (at < plan.form.size()) {
        if (plan.form[at] == ' ') {
            ++at;
            continue;
        }
        size_t end = plan.form.find(' ', at);
        if (end == std::string::npos)
            end = plan.form.size();
        std::string word = plan.form.substr(at, end - at);
        at = end;
        if (word == "|") {
            form.loop = static_cast<int>(form.steps.size());
            continue;
        }
        FormStep step;
        if (!word.empty() && word.back() >= '0' && word.back() <= '9') {
            step.round = word.back() - '0';
            word.pop_back();
        }
        bool known = false;
        for (const auto& n : names)
            if (word == n.name) {
                step.kind = n.kind;
                known = true;
            }
        if (!known)
            return compose_fail(error,
                                plan.file + ": unknown section \"" + word + "\" in the form");
        form.steps.push_back(step);
    }
    const auto count = [&](Section k) {
        return std::count_if(form.steps.begin(), form.steps.end(),
                             [k](const FormStep& st) { return st.kind == k; });
    };
    if (form.steps.size() < 3 || form.steps.front().kind != Section::kIntro ||
        form.steps.back().kind != Section::kTurnaround || count(Section::kTurnaround) != 1)
        return compose_fail(error, plan.file + ": a form runs from an intro to one turnaround");
    if (form.loop < 1 || form.loop >= static_cast<int>(form.steps.size()) - 1)
        return compose_fail(error, plan.file + ": the loop point lies between intro and end");
    *out = std::move(form);
    return true;
}

bool make_section(const TrackPlan& plan, Section kind, SectionInfo* out, std::string* error) {
    std::vector<Chord> verse, chorus, bridge, ending;
    if (!parse_progression(plan.verse, &verse) || !parse_progression(plan.chorus, &chorus) ||
        !parse_progression(plan.bridge, &bridge) || !parse_progression(plan.ending, &ending))
        return compose_fail(error, plan.file + ": a progression has an unknown chord");
    for (const auto* prog : {&verse, &chorus, &bridge})
        if (prog->size() != 4 && prog->size() != 8)
            return compose_fail(error, plan.file + ": progressions have four or eight chords");
    if (ending.size() != 2 && ending.size() != 4)
        return compose_fail(error, plan.file + ": the ending has two or four chords");
    SectionInfo s;
    s.plan = &plan;
    s.kind = kind;
    parse_chord(minor_mode(plan.mode) ? "i" : "I", &s.tonic_chord);
    s.center = 60 + ((plan.tonic % 12) + 12) % 12;
    switch (kind) {
        case Section::kChorus:
        case Section::kChorus2:
            s.chords = chorus;
            break;
        case Section::kBridge:
            s.chords = bridge;
            break;
        case Section::kTurnaround:
            // The cadence, twice when it is short, so the last chord leans into the loop.
            s.chords = ending;
            if (ending.size() == 2)
                s.chords.insert(s.chords.end(), ending.begin(), ending.end());
            break;
        default:
            s.chords = verse;
            break;
    }
    *out = std::move(s);
    return true;
}

namespace {

// The turnaround's last row jumps back to the loop point. Players that loop take it; the
// game clears the module's loop permission, so there the song ends at this row.
void write_loop_jump(Pattern& p, int loop) {
    const int row = kRows - 1;
    int free_channel = -1;
    for (int ch = p.channels - 1; ch >= 0 && free_channel < 0; --ch) {
        const Cell& c = p.at(row, ch);
        if (c.note == kNoNote && !c.has_effect() && c.volume == kNoVolume)
            free_channel = ch;
    }
    for (int ch = p.channels - 1; ch >= 0 && free_channel < 0; --ch) {
        const Cell& c = p.at(row, ch);
        if (!c.has_effect() && c.note != kKeyOff)
            free_channel = ch;
    }
    Cell& c = p.at(row, free_channel < 0 ? 0 : free_channel);
    c.volume = kNoVolume;  // one effect column: a note there plays at its sample's volume
    c.effect = kFxPositionJump;
    c.param = static_cast<uint8_t>(loop);
}

}  // namespace

bool compose(const TrackPlan& plan, Song* song, std::string* error) {
    SectionInfo probe;
    if (!make_section(plan, Section::kVerse, &probe, error))
        return false;
    Form form;
    if (!plan_form(plan, &form, error))
        return false;

    Song out;
    out.title = plan.title;
    out.channels = plan.format == Format::kXm ? kXmChannels : 4;
    out.speed = plan.speed;
    out.bpm = plan.bpm;
    out.restart = form.loop;
    if (plan.format == Format::kMod)
        out.panning = {0x70, 0x90, 0xB0, 0x50};
    const Band band = make_band(plan);
    for (const Voice& v : band.voices)
        out.instruments.push_back(v.instrument);

    Rng rng(plan.seed);
    const Motif verse_motif = make_motif(rng, plan.rhythm, false);
    const Motif chorus_motif = make_motif(rng, plan.rhythm, true);
    const Motif bridge_motif = make_motif(rng, Rhythm::kLyrical, true);

    std::map<FormStep, uint8_t> made;
    for (const FormStep& step : form.steps) {
        auto found = made.find(step);
        if (found != made.end()) {
            out.order.push_back(found->second);
            continue;
        }
        SectionInfo s;
        if (!make_section(plan, step.kind, &s, error))
            return false;
        s.round = step.round;
        Pattern p(out.channels);
        const std::vector<Note> lead = melody_part(s, verse_motif, chorus_motif, bridge_motif);
        const Role lead_role = step.kind == Section::kBridge || step.kind == Section::kBreak
                                   ? kBridgeLeadRole
                                   : kLeadRole;
        place_drums(p, drum_part(s), band);
        if (plan.format == Format::kMod) {
            place(p, kModBass, bass_part(s), band, kBassRole);
            place(p, kModHarmony, harmony_part(s), band, kChordRole);
            place(p, kModLead, lead, band, lead_role);
        } else {
            place(p, kXmBass, bass_part(s), band, kBassRole);
            const std::vector<std::vector<Note>> pads = pad_parts(s);
            for (int i = 0; i < 3; ++i)
                place(p, kXmPad + i, pads[static_cast<size_t>(i)], band, kPadRole);
            place(p, kXmArp, arp_part(s), band, kArpRole);
            place(p, kXmLead, lead, band, lead_role);
            place(p, kXmEcho, echo_of(lead), band, lead_role);
        }
        if (step.kind == Section::kTurnaround)
            write_loop_jump(p, form.loop);
        const uint8_t index = static_cast<uint8_t>(out.patterns.size());
        out.patterns.push_back(std::move(p));
        made[step] = index;
        out.order.push_back(index);
    }
    *song = std::move(out);
    return true;
}

bool write_track(const TrackPlan& plan, const std::string& dir, std::string* error) {
    Song song;
    if (!compose(plan, &song, error))
        return false;
    std::vector<uint8_t> bytes;
    const bool encoded = plan.format == Format::kXm ? encode_xm(song, &bytes, error)
                                                    : encode_mod(song, &bytes, error);
    if (!encoded) {
        if (error)
            *error = plan.file + ": " + *error;
        return false;
    }
    const std::string path = dir + "/" + plan.file;
    if (!wav::write_file(path, bytes))
        return compose_fail(error, "cannot write " + path);
    return true;
}

}  // namespace music
