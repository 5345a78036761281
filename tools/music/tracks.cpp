#include "tools/music/tracks.h"

namespace music {

namespace {

TrackPlan track(const char* file, const char* title, Format format, int bpm, int tonic, Mode mode,
                uint32_t seed) {
    TrackPlan p;
    p.file = file;
    p.title = title;
    p.format = format;
    p.bpm = bpm;
    p.tonic = tonic;
    p.mode = mode;
    p.seed = seed;
    return p;
}

}  // namespace

std::vector<TrackPlan> game_tracks() {
    std::vector<TrackPlan> all;

    // Title theme: bright and confident, a rising pop progression in D major.
    TrackPlan t = track("001.mod", "Quarrik", Format::kMod, 128, 62, Mode::kMajor, 0x1001);
    t.verse = "I IV vi V";
    t.chorus = "IV V iii vi";
    t.bridge = "ii V I vi";
    t.ending = "IV V";
    t.groove = Groove::kRock;
    t.bass = BassLine::kOctaves;
    t.harmony = Harmony::kBroken;
    t.rhythm = Rhythm::kDriving;
    t.lead = Sound::kBrassLead;
    t.chords = Sound::kPluck;
    t.bass_sound = Sound::kSawBass;
    t.bridge_lead = Sound::kFlute;
    t.lead_colour = 0.55;
    t.kit = {50, 120, 0.16, 190, 0.08, 6500, 0.02, 0.5, 0x101};
    t.form = "in | v V c C v1 V1 br c1 C1 bk v2 c C2 t";
    t.level_db = 0.4;
    all.push_back(t);

    // Down the shafts: driving A minor with a breakbeat.
    t = track("002.mod", "Deep Shafts", Format::kMod, 138, 69, Mode::kMinor, 0x2002);
    t.verse = "i bVI bIII bVII";
    t.chorus = "bVI bVII i i";
    t.bridge = "iv iv V V";
    t.ending = "bVI V";
    t.groove = Groove::kBreakbeat;
    t.bass = BassLine::kSyncopated;
    t.harmony = Harmony::kArpeggio;
    t.rhythm = Rhythm::kSyncopated;
    t.lead = Sound::kSquareLead;
    t.chords = Sound::kOrgan;
    t.bass_sound = Sound::kSquareBass;
    t.bridge_lead = Sound::kEPiano;
    t.lead_colour = 0.8;
    t.kit = {55, 150, 0.11, 220, 0.06, 7500, 0.015, 0.4, 0x202};
    t.form = "in | c v V c1 bk v1 V1 C br c2 C1 v2 c C2 t";
    t.level_db = -0.9;
    all.push_back(t);

    // Funky E dorian vamp with offbeat stabs.
    t = track("003.mod", "Ladder Funk", Format::kMod, 112, 64, Mode::kDorian, 0x3003);
    t.verse = "i7 IV i7 IV";
    t.chorus = "bIII IV v7 i7";
    t.bridge = "bVII bVII IV IV";
    t.ending = "IV v7";
    t.groove = Groove::kBreakbeat;
    t.bass = BassLine::kSyncopated;
    t.harmony = Harmony::kStabs;
    t.rhythm = Rhythm::kSyncopated;
    t.lead = Sound::kFlute;
    t.chords = Sound::kOrgan;
    t.bass_sound = Sound::kRoundBass;
    t.bridge_lead = Sound::kSquareLead;
    t.lead_colour = 0.3;
    t.kit = {48, 110, 0.13, 240, 0.05, 8000, 0.012, 0.35, 0x303};
    t.form = "in | v v1 c V bk c1 C br v c2 C1 t";
    t.level_db = 0.5;
    all.push_back(t);

    // The calm one: slow F major with a walking bass and electric piano.
    t = track("004.mod", "Lantern Rest", Format::kMod, 84, 65, Mode::kMajor, 0x4004);
    t.verse = "Imaj7 vi7 ii7 V7";
    t.chorus = "IVmaj7 iii7 ii7 V";
    t.bridge = "IV V iii vi";
    t.ending = "ii7 V7";
    t.groove = Groove::kHalfTime;
    t.bass = BassLine::kWalking;
    t.harmony = Harmony::kBroken;
    t.rhythm = Rhythm::kLyrical;
    t.lead = Sound::kFlute;
    t.chords = Sound::kEPiano;
    t.bass_sound = Sound::kRoundBass;
    t.bridge_lead = Sound::kBell;
    t.lead_colour = 0.15;
    t.kit = {42, 80, 0.22, 160, 0.11, 5000, 0.03, 0.7, 0x404};
    t.form = "in | v V c br v1 c C1 t";
    t.level_db = 0.5;
    all.push_back(t);

    // Fast C minor chase on four-to-the-floor with a pulsing bass.
    t = track("005.xm", "Iron Run", Format::kXm, 150, 60, Mode::kHarmonicMinor, 0x5005);
    t.verse = "i i bVI V";
    t.chorus = "iv i bVI V";
    t.bridge = "bVI bVII i i";
    t.ending = "iv V";
    t.groove = Groove::kChase;
    t.bass = BassLine::kPulse;
    t.rhythm = Rhythm::kDriving;
    t.lead = Sound::kSquareLead;
    t.chords = Sound::kPad;
    t.bass_sound = Sound::kSawBass;
    t.bridge_lead = Sound::kBrassLead;
    t.lead_colour = 0.65;
    t.kit = {52, 160, 0.12, 200, 0.07, 7000, 0.016, 0.45, 0x505};
    t.form = "in in1 | v V c C bk v1 V1 c1 C1 br c2 C2 bk1 c C2 t";
    t.level_db = 0.3;
    all.push_back(t);

    // Bouncy B-flat major disco.
    t = track("006.xm", "Gilded Halls", Format::kXm, 116, 70, Mode::kMajor, 0x6006);
    t.verse = "I vi IV V";
    t.chorus = "ii V iii vi";
    t.bridge = "IV I V vi";
    t.ending = "IV V";
    t.groove = Groove::kFourFloor;
    t.bass = BassLine::kOctaves;
    t.rhythm = Rhythm::kSyncopated;
    t.lead = Sound::kBrassLead;
    t.chords = Sound::kPad;
    t.bass_sound = Sound::kSquareBass;
    t.bridge_lead = Sound::kBell;
    t.lead_colour = 0.4;
    t.kit = {46, 140, 0.18, 210, 0.08, 6800, 0.02, 0.55, 0x606};
    t.form = "in | v c V C br v1 c1 V C1 bk c2 C t";
    t.level_db = -0.9;
    all.push_back(t);

    // Mysterious C-sharp minor, slow and wide.
    t = track("007.xm", "Underground Lake", Format::kXm, 96, 61, Mode::kMinor, 0x7007);
    t.verse = "i bVI iv V";
    t.chorus = "bIII bVII bVI V";
    t.bridge = "iv iv i i";
    t.ending = "iv V";
    t.groove = Groove::kHalfTime;
    t.bass = BassLine::kRootFifth;
    t.rhythm = Rhythm::kLyrical;
    t.lead = Sound::kBell;
    t.chords = Sound::kPad;
    t.bass_sound = Sound::kRoundBass;
    t.bridge_lead = Sound::kFlute;
    t.lead_colour = 0.25;
    t.kit = {40, 90, 0.25, 150, 0.12, 4500, 0.035, 0.8, 0x707};
    t.form = "in | v V br c v1 bk c C1 V t";
    t.level_db = 2.0;
    all.push_back(t);

    // G mixolydian rock.
    t = track("008.mod", "Brick by Brick", Format::kMod, 124, 67, Mode::kMixolydian, 0x8008);
    t.verse = "I bVII IV I";
    t.chorus = "IV bVII I V";
    t.bridge = "vi IV bVII bVII";
    t.ending = "bVII IV";
    t.groove = Groove::kRock;
    t.bass = BassLine::kRootFifth;
    t.harmony = Harmony::kStabs;
    t.rhythm = Rhythm::kDriving;
    t.lead = Sound::kSquareLead;
    t.chords = Sound::kOrgan;
    t.bass_sound = Sound::kSawBass;
    t.bridge_lead = Sound::kBrassLead;
    t.lead_colour = 0.45;
    t.kit = {50, 130, 0.2, 180, 0.09, 6000, 0.022, 0.6, 0x808};
    t.form = "in | v V c C bk v1 c1 C1 br V v2 c2 C t";
    t.level_db = -0.2;
    all.push_back(t);

    // Tense G minor patrol.
    t = track("009.mod", "Guard Patrol", Format::kMod, 144, 67, Mode::kMinor, 0x9009);
    t.verse = "i iv bVII bIII";
    t.chorus = "bVI iv V V";
    t.bridge = "iv v i i";
    t.ending = "iv V";
    t.groove = Groove::kChase;
    t.bass = BassLine::kPulse;
    t.harmony = Harmony::kArpeggio;
    t.rhythm = Rhythm::kDriving;
    t.lead = Sound::kBrassLead;
    t.chords = Sound::kSquareLead;
    t.bass_sound = Sound::kSquareBass;
    t.bridge_lead = Sound::kSquareLead;
    t.lead_colour = 0.9;
    t.kit = {58, 170, 0.1, 230, 0.055, 8500, 0.012, 0.38, 0x909};
    t.form = "in | v V v1 c C bk c1 C1 br v2 V1 c2 C2 c C1 t";
    t.level_db = -2.7;
    all.push_back(t);

    // Easy-going E-flat major shuffle, two chords a bar in the chorus.
    t = track("010.mod", "Gold Rush", Format::kMod, 104, 63, Mode::kMajor, 0xA00A);
    t.verse = "I IV ii V";
    t.chorus = "vi ii V I IV iii ii V";
    t.bridge = "IV iv I I";
    t.ending = "ii V";
    t.groove = Groove::kShuffle;
    t.bass = BassLine::kWalking;
    t.harmony = Harmony::kBroken;
    t.rhythm = Rhythm::kSyncopated;
    t.lead = Sound::kEPiano;
    t.chords = Sound::kPluck;
    t.bass_sound = Sound::kRoundBass;
    t.bridge_lead = Sound::kFlute;
    t.lead_colour = 0.6;
    t.kit = {44, 100, 0.17, 200, 0.1, 5500, 0.025, 0.5, 0xA0A};
    t.form = "in | v V c C v1 br c1 C bk c2 t";
    t.level_db = 2.1;
    all.push_back(t);

    // The fastest: B minor, a last climb against the clock.
    t = track("011.mod", "Last Ladder", Format::kMod, 160, 71, Mode::kHarmonicMinor, 0xB00B);
    t.verse = "i bVII bVI V";
    t.chorus = "i iv bVII bIII";
    t.bridge = "bVI bVI V V";
    t.ending = "bVI V";
    t.groove = Groove::kChase;
    t.bass = BassLine::kOctaves;
    t.harmony = Harmony::kArpeggio;
    t.rhythm = Rhythm::kDriving;
    t.lead = Sound::kSquareLead;
    t.chords = Sound::kOrgan;
    t.bass_sound = Sound::kSawBass;
    t.bridge_lead = Sound::kBell;
    t.lead_colour = 0.2;
    t.kit = {60, 180, 0.09, 250, 0.05, 9000, 0.01, 0.35, 0xB0B};
    t.form = "in | c C v V c1 C1 bk v1 V1 c2 C2 br c C1 v2 c1 C2 t";
    t.level_db = -1.0;
    all.push_back(t);

    return all;
}

bool write_all_tracks(const std::string& dir, std::string* error) {
    for (const TrackPlan& plan : game_tracks())
        if (!write_track(plan, dir, error))
            return false;
    return true;
}

}  // namespace music
