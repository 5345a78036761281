// Every file the game reads, damaged: emptied, cut short and with bytes flipped. The readers
// must not crash or read outside their buffers (the sanitizer build checks that part), must
// fall back to empty results or defaults, and a save made afterwards must write a good file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "gfx/jpeg_texture.h"
#include "gfx/tga_texture.h"
#include "robustness/damage.h"
#include "sound/music_player.h"
#include "sound/sample_convert.h"
#include "sound/sound_bank.h"
#include "sound/wav_reader.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "storage/score_table.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using robustness::damaged_versions;
using robustness::read_bytes;
using robustness::write_bytes;

namespace {

const std::string kGameData = std::string(QUARRIK_GAME_DIR) + "/data";

// Runs the body with the working directory set to `dir`, as the game runs in its own folder.
class InFolder {
  public:
    explicit InFolder(const std::string& dir) : m_old(fs::current_path()) { fs::current_path(dir); }
    ~InFolder() { fs::current_path(m_old); }

  private:
    fs::path m_old;
};

// The good archive's members, in order, unscrambled.
struct Member {
    std::string name;
    std::string bytes;
    bool scrambled;
};

std::vector<Member> members_of(const std::string& path) {
    PackArchive archive;
    archive.set_key(kPackKey);
    EXPECT_TRUE(archive.open(path));
    std::vector<Member> out;
    for (std::size_t i = 0; i < archive.member_count(); ++i) {
        const PackEntry e = archive.read_file(archive.member_name(i));
        out.push_back(
            {archive.member_name(i), std::string(e.text()), archive.member(i).scrambled == 'y'});
    }
    return out;
}

TEST(DamagedFiles, ArchiveKeepsTheMembersBeforeTheDamageAndTheGameStillLoads) {
    const std::string good_path = kGameData + "/data.pk";
    const std::string good = read_bytes(good_path);
    ASSERT_GT(good.size(), 1000u) << "the game data is built before the tests";
    const std::vector<Member> members = members_of(good_path);
    ASSERT_FALSE(members.empty());

    TempDir game;
    fs::create_directory(game.path() + "/data");
    const std::string path = game.path() + "/data/data.pk";
    for (const auto& damaged : robustness::few_damaged_versions(good, 3)) {
        SCOPED_TRACE(damaged.what);
        write_bytes(path, damaged.bytes);
        PackArchive archive;
        archive.set_key(kPackKey);
        const bool opened = archive.open(path);
        EXPECT_LE(archive.member_count(), members.size());
        for (std::size_t i = 0; i < archive.member_count(); ++i) {
            const PackEntry entry = archive.read_file(archive.member_name(i));
            ASSERT_TRUE(entry.size == 0 || entry.data);
            // A member that lies wholly before a cut reads exactly as it was packed.
            const PackEntry& record = archive.member(i);
            const bool before_cut =
                damaged.what.rfind("cut", 0) == 0 &&
                std::size_t(record.offset) + record.size <= damaged.bytes.size();
            if (before_cut && i < members.size() && archive.member_name(i) == members[i].name) {
                EXPECT_EQ(members[i].bytes, std::string(entry.text())) << members[i].name;
            }
        }
        if (damaged.bytes.size() < 2) {
            EXPECT_FALSE(opened);
        }

        // The start-up reads of the game over the damaged archive: the settings in it, the
        // layout, and every picture and sprite of the resource set (decoded without a window).
        InFolder in_game(game.path());
        GameApp app;
        EXPECT_GE(app.m_skins_count, 0);
        app.resources->load_all();
        app.resources->release_all();
    }
}

TEST(DamagedFiles, DamagedMembersFallBackAndRepackedArchivesReadBack) {
    const std::vector<Member> members = members_of(kGameData + "/data.pk");
    ASSERT_FALSE(members.empty());
    // One of each kind the game reads from the archive: a picture of each format, a sprite
    // file, the layout and the game parameters.
    std::vector<std::size_t> picks;
    for (const char* wanted : {".tga", ".jpg", ".spr", "mui/menu.txt", "dat/param.txt"}) {
        for (std::size_t i = 0; i < members.size(); ++i) {
            const std::string& n = members[i].name;
            if (n.size() >= std::string(wanted).size() &&
                n.compare(n.size() - std::string(wanted).size(), std::string::npos, wanted) == 0) {
                picks.push_back(i);
                break;
            }
        }
    }
    ASSERT_EQ(5u, picks.size());

    TempDir game;
    fs::create_directory(game.path() + "/data");
    const std::string path = game.path() + "/data/data.pk";
    for (std::size_t pick : picks) {
        for (const auto& damaged : robustness::few_damaged_versions(members[pick].bytes, 5)) {
            SCOPED_TRACE(members[pick].name + ": " + damaged.what);
            PackArchive pack;
            for (std::size_t i = 0; i < members.size(); ++i) {
                const std::string& bytes = i == pick ? damaged.bytes : members[i].bytes;
                ASSERT_TRUE(pack.add_memory(members[i].name, bytes.data(), bytes.size(),
                                            members[i].scrambled));
            }
            pack.set_key(kPackKey);
            ASSERT_TRUE(pack.save(path));

            PackArchive back;
            back.set_key(kPackKey);
            ASSERT_TRUE(back.open(path));
            ASSERT_EQ(members.size(), back.member_count());
            EXPECT_EQ(damaged.bytes, std::string(back.read_file(members[pick].name).text()));

            InFolder in_game(game.path());
            GameApp app;
            app.resources->load_all();
            // Whatever the damage, the font is the one picture the menus cannot do without;
            // it is still there unless it was the damaged picture.
            if (members[pick].name.find("font") == std::string::npos) {
                EXPECT_GT(app.resources->font().glyphs_found(), 0);
            }
            app.resources->release_all();
        }
    }
}

// The writable files: a damaged one loads to whatever survives (the game then fills in its
// defaults), and the next save writes a file that reads back exactly.
TEST(DamagedFiles, SettingsAndSavedGameSaveGoodFilesAfterDamage) {
    ParamFile settings;
    settings.set_int("m_sound", 1);
    settings.set_int("m_music_volume", 3);
    settings.set_int("x", 120);
    settings.set("m_player_name", "Two Words");
    settings.set("m_empty", "");
    ParamFile saved;
    saved.set("m_game_kind", "1");
    saved.set_int("m_level", 17);
    saved.set_int("m_score", 123456);
    saved.set("m_cells", std::string(700, '#') + "\n" + std::string(40, ' ') + "H");

    struct Case {
        const char* name;
        const ParamFile* good;
        const char* key;
    } cases[] = {{"dx.cfg", &settings, kSettingsKey}, {"save.sav", &saved, kSavedGameKey}};
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.path() + "/" + c.name;
        ASSERT_TRUE(c.good->save(path, c.key));
        const std::string good_bytes = read_bytes(path);
        for (const auto& damaged : damaged_versions(good_bytes, 7)) {
            SCOPED_TRACE(std::string(c.name) + ": " + damaged.what);
            write_bytes(path, damaged.bytes);
            ParamFile loaded;
            EXPECT_TRUE(loaded.load_file(path, true, c.key));
            if (damaged.bytes.size() < 2) {
                EXPECT_TRUE(loaded.pairs().empty());
            }
            // The game overwrites what it knows and keeps the rest; the result must survive a
            // save and a load unchanged.
            for (const auto& [key, value] : c.good->pairs()) {
                loaded.set(key, value);
            }
            ASSERT_TRUE(loaded.save(path, c.key));
            ParamFile again;
            ASSERT_TRUE(again.load_file(path, true, c.key));
            EXPECT_EQ(loaded.pairs(), again.pairs());
        }
    }
}

TEST(DamagedFiles, ScoreTablesHoldAtMostSevenAndSaveGoodFilesAfterDamage) {
    ScoreTable good;
    const char* names[] = {"Ann", "Bo", "Two Words", "x", "Quarrik", "Zed", "Y"};
    for (int i = 0; i < ScoreTable::kMaxEntries; ++i) {
        good.insert(names[i], 1000 * (i + 1));
    }
    TempDir dir;
    const std::string path = dir.path() + "/scores1.tab";
    ASSERT_TRUE(good.save(path));
    for (const auto& damaged : damaged_versions(read_bytes(path), 9)) {
        SCOPED_TRACE(damaged.what);
        write_bytes(path, damaged.bytes);
        ScoreTable table;
        table.load(path);
        EXPECT_LE(table.entries().size(), std::size_t(ScoreTable::kMaxEntries));
        table.insert("After", 5500);
        ASSERT_TRUE(table.save(path));
        ScoreTable again;
        ASSERT_TRUE(again.load(path));
        ASSERT_EQ(table.entries().size(), again.entries().size());
        for (std::size_t i = 0; i < table.entries().size(); ++i) {
            EXPECT_EQ(table.entries()[i].name, again.entries()[i].name);
            EXPECT_EQ(table.entries()[i].score, again.entries()[i].score);
        }
    }
}

TEST(DamagedFiles, ImagesOnDiskDecodeOrFailCleanly) {
    const std::vector<Member> members = members_of(kGameData + "/data.pk");
    TempDir dir;
    int tried = 0;
    for (const Member& m : members) {
        const bool tga = m.name.size() > 4 && m.name.compare(m.name.size() - 4, 4, ".tga") == 0;
        const bool jpg = m.name.size() > 4 && m.name.compare(m.name.size() - 4, 4, ".jpg") == 0;
        if ((!tga && !jpg) || (tga && tried & 1) || (jpg && tried & 2)) {
            continue;
        }
        tried |= tga ? 1 : 2;
        const std::string path = dir.path() + (tga ? "/image.tga" : "/image.jpg");
        for (const auto& damaged : damaged_versions(m.bytes, 11)) {
            SCOPED_TRACE(m.name + ": " + damaged.what);
            write_bytes(path, damaged.bytes);
            TgaTexture t;
            JpegTexture j;
            Texture& texture = tga ? static_cast<Texture&>(t) : static_cast<Texture&>(j);
            if (texture.load_file(path, false, false)) {
                EXPECT_GT(texture.width(), 0);
                EXPECT_GT(texture.height(), 0);
            } else {
                // A failed load leaves no size behind for the sprite grid to divide.
                EXPECT_EQ(0, texture.width());
                EXPECT_EQ(0, texture.height());
            }
        }
    }
    EXPECT_EQ(3, tried);
}

TEST(DamagedFiles, EffectsLoadOrAreLeftOutAndTheRestStillPlay) {
    const std::string good = read_bytes(kGameData + "/s1.wav");
    ASSERT_FALSE(good.empty());
    TempDir dir;
    // The other effects stay good.
    for (int i = 1; i < 12; ++i) {
        const std::string rel = SoundBank::effect_path(i);
        fs::copy_file(kGameData + "/" + rel, dir.path() + "/" + rel);
    }
    for (const auto& damaged : damaged_versions(good, 13)) {
        SCOPED_TRACE(damaged.what);
        write_bytes(dir.path() + "/" + SoundBank::effect_path(0), damaged.bytes);
        WaveFile wave;
        if (read_wave(reinterpret_cast<const std::uint8_t*>(damaged.bytes.data()),
                      damaged.bytes.size(), wave)) {
            EXPECT_LE(wave.data.size(), damaged.bytes.size());
            std::vector<int16_t> frames;
            convert_wave(wave, SoundBank::output_rate, frames);
        }
        SoundBank bank;
        bank.init_without_output();
        const int loaded = bank.load_effects(dir.path());
        EXPECT_GE(loaded, 11);
        for (int i = 0; i < loaded; ++i) {
            bank.play(i, true);
        }
        std::vector<int16_t> mix(2 * 4410);
        bank.render(mix.data(), 4410);
    }
}

TEST(DamagedFiles, DamagedSongsAreSkippedAndTheMusicGoesOn) {
    const std::string good = read_bytes(kGameData + "/music/001.mod");
    const std::string good_xm = read_bytes(kGameData + "/music/005.xm");
    ASSERT_FALSE(good.empty());
    ASSERT_FALSE(good_xm.empty());
    TempDir dir;
    fs::create_directories(dir.path() + "/music");
    for (int i = 1; i < MusicPlayer::track_count; ++i) {
        const std::string rel = MusicPlayer::track_path(i);
        fs::copy_file(kGameData + "/" + rel, dir.path() + "/" + rel);
    }
    std::vector<robustness::Damaged> versions = damaged_versions(good, 17);
    for (auto& d : damaged_versions(good_xm, 19)) {
        versions.push_back({"xm " + d.what, d.bytes});
    }
    for (const auto& damaged : versions) {
        SCOPED_TRACE(damaged.what);
        write_bytes(dir.path() + "/" + MusicPlayer::track_path(0), damaged.bytes);
        MusicPlayer music;
        ASSERT_TRUE(music.init(nullptr, dir.path()));
        // A few seconds of the damaged song (or of none), then on to the next good one.
        std::vector<int16_t> out(2 * 1323);
        for (int tick = 0; tick < 100; ++tick) {
            music.render(out.data(), 1323);
        }
        music.next_track();
        EXPECT_EQ(1, music.current());
        EXPECT_TRUE(music.is_playing());
    }
}

}  // namespace

namespace {

// A damaged or hand-edited "dat/param.txt" can name any number of skins; the game must not try
// to build billions of them.
TEST(DamagedFiles, AbsurdSkinCountInTheArchiveDoesNotExhaustMemory) {
    const std::vector<Member> members = members_of(kGameData + "/data.pk");
    TempDir game;
    fs::create_directory(game.path() + "/data");
    for (const char* count : {"2147483647", "99999999", "-5"}) {
        SCOPED_TRACE(count);
        PackArchive pack;
        pack.set_key(kPackKey);
        for (const Member& m : members) {
            const std::string bytes =
                m.name == "dat/param.txt" ? std::string("m_skins_count ") + count + "\n" : m.bytes;
            ASSERT_TRUE(pack.add_memory(m.name, bytes.data(), bytes.size(), m.scrambled));
        }
        ASSERT_TRUE(pack.save(game.path() + "/data/data.pk"));
        InFolder in_game(game.path());
        GameApp app;
        app.resources->load_all();
        EXPECT_LE(app.resources->skin_count(), ResourceSet::kMaxSkins);
        EXPECT_GE(app.resources->skin_count(), 0);
        app.resources->release_all();
    }
}

}  // namespace

namespace {

// What the game keeps from its settings file and score tables.
struct SettingsView {
    int width, height, music, left, right, up, down, fire, die, level, kind;
    std::vector<std::pair<std::string, int>> scores[2];
    bool operator==(const SettingsView& o) const {
        return width == o.width && height == o.height && music == o.music && left == o.left &&
               right == o.right && up == o.up && down == o.down && fire == o.fire && die == o.die &&
               level == o.level && kind == o.kind && scores[0] == o.scores[0] &&
               scores[1] == o.scores[1];
    }
};

SettingsView view_of(const GameApp& app) {
    SettingsView v{app.m_window_width,
                   app.m_window_height,
                   app.m_music_volume,
                   app.config.m_left_key,
                   app.config.m_right_key,
                   app.config.m_up_key,
                   app.config.m_down_key,
                   app.config.m_fire_key,
                   app.config.m_die_key,
                   app.config.m_custom_level_num,
                   app.config.m_custom_kind_game,
                   {}};
    for (int t = 0; t < 2; ++t) {
        for (const ScoreEntry& e : app.config.m_scores[t].entries()) {
            v.scores[t].emplace_back(e.name, e.score);
        }
    }
    return v;
}

TEST(DamagedFiles, SettingsAndScoresFallBackToUsableValuesAndSaveGoodFiles) {
    TempDir game;
    fs::create_directory(game.path() + "/data");
    InFolder in_game(game.path());
    {
        GameApp app;
        app.m_window_width = 1024;
        app.m_window_height = 768;
        app.m_music_volume = 5;
        app.config.m_left_key = 30;
        app.config.m_custom_level_num = 40;
        for (int i = 0; i < ScoreTable::kMaxEntries; ++i) {
            app.config.m_scores[0].insert("Player " + std::to_string(i), 100 * (i + 1));
            app.config.m_scores[1].insert("P" + std::to_string(i), 70 * (i + 1));
        }
        ASSERT_TRUE(app.save_settings());
        ASSERT_TRUE(app.save_scores());
    }
    const std::string good_settings = read_bytes("data/dx.cfg");
    const std::string good_scores = read_bytes("data/scores1.tab");
    const auto settings_versions = damaged_versions(good_settings, 23);
    const auto score_versions = damaged_versions(good_scores, 29);
    ASSERT_EQ(settings_versions.size(), score_versions.size());
    for (std::size_t i = 0; i < settings_versions.size(); ++i) {
        SCOPED_TRACE(settings_versions[i].what);
        write_bytes("data/dx.cfg", settings_versions[i].bytes);
        write_bytes("data/scores1.tab", score_versions[i].bytes);
        SettingsView loaded;
        {
            GameApp app;
            app.load_settings();
            EXPECT_GE(app.m_window_width, 320);
            EXPECT_GE(app.m_window_height, 240);
            EXPECT_GE(app.m_music_volume, 0);
            EXPECT_LE(app.m_music_volume, 6);
            for (int key : {app.config.m_left_key, app.config.m_right_key, app.config.m_up_key,
                            app.config.m_down_key, app.config.m_fire_key, app.config.m_die_key}) {
                EXPECT_GE(key, 0);
                EXPECT_LE(key, 255);
            }
            EXPECT_GE(app.config.m_custom_level_num, 1);
            EXPECT_LE(app.config.m_custom_level_num, 75);
            EXPECT_LE(app.config.m_scores[0].entries().size(),
                      std::size_t(ScoreTable::kMaxEntries));
            loaded = view_of(app);
            ASSERT_TRUE(app.save_settings());
            ASSERT_TRUE(app.save_scores());
        }
        // What was saved after the damage reads back the same.
        GameApp again;
        ASSERT_TRUE(again.load_settings());
        EXPECT_TRUE(loaded == view_of(again));
    }
}

}  // namespace
