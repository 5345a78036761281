// The settings file "data/dx.cfg" and the score tables that travel with it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <string>

#include "app/game_app.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "storage/score_table.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// Runs each test in a fresh game directory of its own.
class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(getcwd(old_dir, sizeof old_dir), nullptr);
        fs::create_directories(fs::path(dir.path()) / "data");
        ASSERT_EQ(chdir(dir.path().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(old_dir), 0); }

    void write_settings(const std::string& text) {
        ParamFile file;
        file.load_memory(text.data(), text.size(), true);
        ASSERT_TRUE(file.save("data/dx.cfg", kSettingsKey));
    }

    TempDir dir;
    char old_dir[PATH_MAX] = {};
};

TEST_F(Settings, FirstRunKeepsTheDefaultsAndLeavesTheOldFileAlone) {
    dir.write("data/d.cfg", "old");
    dir.write("data/scores1.tab", "never read without settings");
    GameApp app;
    EXPECT_FALSE(app.load_settings());
    EXPECT_EQ(app.m_window_width, 800);
    EXPECT_EQ(app.m_window_height, 600);
    EXPECT_EQ(app.x, 0);
    EXPECT_EQ(app.y, 0);
    EXPECT_EQ(app.m_music_volume, 3);
    EXPECT_TRUE(app.m_sound);
    EXPECT_TRUE(app.m_sound_classik);
    EXPECT_TRUE(app.m_autosave);
    EXPECT_EQ(app.config.m_left_key, 203);
    EXPECT_EQ(app.config.m_right_key, 205);
    EXPECT_EQ(app.config.m_up_key, 200);
    EXPECT_EQ(app.config.m_down_key, 208);
    EXPECT_EQ(app.config.m_fire_key, 57);
    EXPECT_EQ(app.config.m_die_key, 37);
    EXPECT_TRUE(fs::exists("data/d.cfg"));
    EXPECT_TRUE(app.config.m_scores[0].entries().empty());
}

TEST_F(Settings, SavedSettingsReadBackAndTheOldFileGoes) {
    dir.write("data/d.cfg", "old");
    {
        GameApp app;
        app.m_window_width = 1024;
        app.m_window_height = 768;
        app.x = 40;
        app.y = 30;
        app.m_music_volume = 5;
        app.m_sound = false;
        app.m_sound_classik = false;
        app.m_autosave = false;
        app.config.m_fire_key = 44;
        app.config.m_custom_type_game = 1;
        app.config.m_custom_kind_game = 1;
        app.config.m_custom_level_num = 42;
        app.config.m_scores[1].insert("Ada Lovelace", 1200);
        ASSERT_TRUE(app.save_settings());
        ASSERT_TRUE(app.save_scores());
    }
    ASSERT_TRUE(fs::exists("data/scores2.tab"));
    GameApp app;
    ASSERT_TRUE(app.load_settings());
    EXPECT_FALSE(fs::exists("data/d.cfg"));
    EXPECT_EQ(app.m_window_width, 1024);
    EXPECT_EQ(app.m_window_height, 768);
    EXPECT_EQ(app.x, 40);
    EXPECT_EQ(app.y, 30);
    EXPECT_EQ(app.m_music_volume, 5);
    EXPECT_FALSE(app.m_sound);
    EXPECT_FALSE(app.m_sound_classik);
    EXPECT_FALSE(app.m_autosave);
    EXPECT_EQ(app.config.m_fire_key, 44);
    EXPECT_EQ(app.config.m_custom_type_game, 1);
    EXPECT_EQ(app.config.m_custom_kind_game, 1);
    EXPECT_EQ(app.config.m_custom_level_num, 42);
    ASSERT_EQ(app.config.m_scores[1].entries().size(), 1u);
    EXPECT_EQ(app.config.m_scores[1].entries()[0].name, "Ada Lovelace");
}

TEST_F(Settings, LeftKeyZeroRestoresAllSixKeysAndSwitchesOutOfRangeTakeTheirFirstStartValue) {
    write_settings(
        "m_left_key 0\nm_right_key 30\nm_up_key 31\nm_fire_key 32\nm_sound 2\nm_autosave 2\n"
        "m_sound_classik 0\nm_window_width 800\nm_window_height 600\n");
    GameApp app;
    ASSERT_TRUE(app.load_settings());
    EXPECT_EQ(app.config.m_left_key, 203);
    EXPECT_EQ(app.config.m_right_key, 205);
    EXPECT_EQ(app.config.m_fire_key, 57);
    EXPECT_TRUE(app.m_sound);
    EXPECT_TRUE(app.m_autosave);
    EXPECT_FALSE(app.m_sound_classik);
}

// A partial or damaged file: what it lacks is what a first start has, key by key, and the
// score tables are read even without it.
TEST_F(Settings, MissingKeysTakeFirstStartValuesAndTheTablesLoadWithoutTheFile) {
    write_settings("m_left_key 30\nm_up_key 0\nm_down_key 84\n");  // 84: no such key
    GameApp app;
    ASSERT_TRUE(app.load_settings());
    EXPECT_TRUE(app.m_autosave);
    EXPECT_EQ(app.config.m_left_key, 30);
    EXPECT_EQ(app.config.m_right_key, 205);
    EXPECT_EQ(app.config.m_up_key, 200);
    EXPECT_EQ(app.config.m_down_key, 208);
    EXPECT_EQ(app.config.m_fire_key, 57);
    EXPECT_EQ(app.config.m_die_key, 37);

    fs::remove("data/dx.cfg");
    ScoreTable table;
    table.insert("Ada", 300);
    ASSERT_TRUE(table.save("data/scores1.tab"));
    GameApp fresh;
    EXPECT_FALSE(fresh.load_settings());
    ASSERT_EQ(fresh.config.m_scores[0].entries().size(), 1u);
    EXPECT_EQ(fresh.config.m_scores[0].entries()[0].name, "Ada");
}

// A damaged or hand-edited file never leaves the game unusable.
TEST_F(Settings, OutOfRangeValuesAreBroughtBackIntoRange) {
    write_settings(
        "m_left_key 300\nm_right_key 205\nm_up_key 200\nm_down_key 208\nm_fire_key 57\n"
        "m_die_key 37\nm_music_volume 9\nm_custom_kind_game 7\nm_custom_level_num 500\n"
        "m_current_skin 99\nm_window_width 100\nm_window_height 50\n");
    GameApp app;
    ASSERT_TRUE(app.load_settings());
    EXPECT_EQ(app.config.m_left_key, 203);
    EXPECT_EQ(app.m_music_volume, 6);
    EXPECT_EQ(app.config.m_custom_kind_game, 0);
    EXPECT_EQ(app.config.m_custom_level_num, 1);
    EXPECT_EQ(app.resources->current_skin(), 0);
    EXPECT_EQ(app.m_window_width, 800);
    EXPECT_EQ(app.m_window_height, 600);

    write_settings("m_music_volume -4\nm_window_width 640\nm_window_height 480\n");
    GameApp again;
    ASSERT_TRUE(again.load_settings());
    EXPECT_EQ(again.m_music_volume, 0);
    EXPECT_EQ(again.m_window_width, 640);

    write_settings("m_window_width 1000000\nm_window_height 480\n");
    GameApp huge;
    ASSERT_TRUE(huge.load_settings());
    EXPECT_EQ(huge.m_window_width, 800);
    EXPECT_EQ(huge.m_window_height, 600);
}

}  // namespace
