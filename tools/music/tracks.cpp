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
    t.target_seconds = 125;
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
    t.target_seconds = 120;
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
    t.target_seconds = 125;
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
    t.target_seconds = 130;
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
    t.target_seconds = 125;
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
    t.target_seconds = 120;
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
    t.target_seconds = 125;
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
    t.target_seconds = 120;
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
    t.target_seconds = 120;
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
    t.target_seconds = 125;
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
    t.target_seconds = 125;
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
