// A whole game to its end through the real program and real window-system events: play, lose
// every life, enter a name, find it in the Top 7, quit; then start again and find the
// settings and the score table as they were left (and the finished game's last level offered
// again); a game left waiting is saved and continued at the start after that.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "app/game_app.h"
#include "e2e_support.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "storage/score_table.h"

namespace {

using e2e::fields;
using e2e::Picture;

using GameOverE2E = e2e::GameCopyTest;

// Reads the settings file and the score tables with the game's own loader, in the game
// directory as the program does.
struct LoadedSettings {
    bool read = false;
    int volume = -1;
    bool classic = true;
    ScoreTable scores[2];
};

LoadedSettings load_settings_in(const std::string& game_dir) {
    LoadedSettings out;
    char old_dir[PATH_MAX];
    if (!getcwd(old_dir, sizeof old_dir) || chdir(game_dir.c_str()) != 0) {
        return out;
    }
    {
        GameApp app;
        out.read = app.load_settings();
        out.volume = app.m_music_volume;
        out.classic = app.m_sound_classik;
        out.scores[0] = app.config.m_scores[0];
        out.scores[1] = app.config.m_scores[1];
    }
    EXPECT_EQ(chdir(old_dir), 0);
    return out;
}

TEST_F(GameOverE2E, LostGameEntersTheNameAndEverythingIsBackAtTheNextStart) {
    std::string script =
        "ticks 3\n"
        "seed 7\n"
        "click m_mm_top7_1_btn\n"
        "ticks 2\n"
        "state\n"  // 0: the empty Top 7 of set 1
        "shot top7_empty.png\n"
        "click m_t7d_close_btn\n"
        "ticks 2\n"
        // A setting changed on the way: music volume 1, classic sounds off.
        "click m_options_btn\n"
        "ticks 2\n"
        "click m_od_volume1\n"
        "click m_od_sound_classik_chb\n"
        "click m_od_close_btn\n"
        "ticks 2\n"
        "state\n"  // 1
        "click m_zelm1_game_btn\n"
        "ticks 150\n"
        // Level 1 of set 1 has gold along the floor to the right.
        "hold 205\n"
        "ticks 200\n"
        "release 205\n"
        "state\n"  // 2: some points, three lives
        // The give-up key held: the runner dies as soon as each restart of the level lets
        // him move, until no life is left (each round: dissolve, uncovering, the death).
        "hold 37\n"
        "ticks 600\n"
        "state\n"  // 3: on the way
        "ticks 700\n"
        "release 37\n"
        "state\n"  // 4: back on the menu with the game over dialog
        "shot game_over.png\n"
        "click m_end_edit\n"
        "type Ada Lovelace\n"
        "ticks 1\n"
        "shot game_over_named.png\n"
        "key 13\n"
        "ticks 2\n"
        "state\n"  // 5: closed, the table holds the name
        "click m_mm_top7_1_btn\n"
        "ticks 2\n"
        "state\n"  // 6
        "shot top7_named.png\n"
        "key 27\n"
        "ticks 2\n"
        "key 27\n"
        "assert_file data/scores1.tab\n";
    const e2e::DriveResult first = e2e::drive(dir, script);
    ASSERT_EQ(first.status, 0) << first.errors;
    ASSERT_EQ(first.states.size(), 7u) << first.errors;

    auto top7 = fields(first.states[0]);
    EXPECT_EQ(top7["top"], "top7");
    EXPECT_EQ(top7["top7"], "0,0");
    auto options = fields(first.states[1]);
    EXPECT_EQ(options["top"], "none");
    EXPECT_EQ(options["volume"], "1");
    EXPECT_EQ(options["classic"], "0");

    auto played = fields(first.states[2]);
    EXPECT_EQ(played["screen"], "play");
    EXPECT_EQ(played["lives"], "3");
    const int score = std::stoi(played["score"]);
    ASSERT_GT(score, 0) << "no gold taken: a score of 0 never enters the table";
    auto dying = fields(first.states[3]);
    EXPECT_EQ(dying["screen"], "play");
    EXPECT_LT(std::stoi(dying["lives"]), 3) << first.states[3];
    EXPECT_GE(std::stoi(dying["lives"]), 0) << first.states[3];
    EXPECT_EQ(dying["score"], played["score"]);
    auto over = fields(first.states[4]);
    EXPECT_EQ(over["screen"], "menu") << first.states[4];
    EXPECT_EQ(over["top"], "game_over");
    EXPECT_EQ(over["game"], "0") << "the finished game is gone";
    auto named = fields(first.states[5]);
    EXPECT_EQ(named["top"], "none");
    EXPECT_EQ(named["top7"], "1,0");
    EXPECT_EQ(fields(first.states[6])["top"], "top7");

    // The pictures: the name box shows the typed name; the Top 7 shows a row it did not
    // have (the name at x 100, the score at x 560, first row on baseline 150).
    const Picture empty = shot("top7_empty.png");
    const Picture with_name = shot("top7_named.png");
    const Picture asked = shot("game_over.png");
    const Picture typed = shot("game_over_named.png");
    if (empty.width && with_name.width) {
        EXPECT_GT(with_name.changed(empty, 100, 112, 460, 158), 300) << "no name in row 1";
        EXPECT_GT(with_name.changed(empty, 560, 112, 700, 158), 100) << "no score in row 1";
        EXPECT_LT(with_name.changed(empty, 0, 170, 800, 520), 200) << "other rows drawn";
    }
    if (asked.width && typed.width) {
        const ParamFile layout = e2e::game_layout();
        const LayoutPoint box = layout_point_float(layout, "m_end_edit");
        const int x = static_cast<int>(box.x), y = static_cast<int>(box.y);
        EXPECT_GT(typed.changed(asked, x, y, x + 300, y + 50), 200) << "the name is not shown";
        EXPECT_GT(asked.lit(200, 150, 600, 320), 10000) << "the dialog is not drawn";
    }

    // The files, read back with the game's own code.
    ScoreTable table;
    ASSERT_TRUE(table.load(game_file("data/scores1.tab")));
    ASSERT_EQ(table.entries().size(), 1u);
    EXPECT_EQ(table.entries()[0].name, "Ada Lovelace");
    EXPECT_EQ(table.entries()[0].score, score);
    // The saved game keeps the start of the finished game's last level: the next start
    // offers that level again.
    ParamFile last_level;
    ASSERT_TRUE(last_level.load_file(game_file("data/save.sav"), true, kSavedGameKey));
    EXPECT_EQ(last_level.get("m_game_kind", "?"), "0");
    EXPECT_EQ(last_level.get("gf_m_level_current", "?"), "1");
    const LoadedSettings settings = load_settings_in(game_file(""));
    EXPECT_TRUE(settings.read);
    EXPECT_EQ(settings.volume, 1);
    EXPECT_FALSE(settings.classic);
    ASSERT_EQ(settings.scores[0].entries().size(), 1u);
    EXPECT_EQ(settings.scores[0].entries()[0].name, "Ada Lovelace");
    EXPECT_TRUE(settings.scores[1].entries().empty());

    // The next start: the same settings and table, and the finished game's last level to
    // continue. A new game in set 2 replaces it and is left for the menu: it waits there and
    // is saved at exit.
    const e2e::DriveResult second = e2e::drive(dir,
                                               "ticks 3\n"
                                               "state\n"
                                               "click m_mm_top7_1_btn\n"
                                               "ticks 2\n"
                                               "shot top7_again.png\n"
                                               "key 27\n"
                                               "ticks 2\n"
                                               "click m_zelm2_game_btn\n"
                                               "ticks 2\n"
                                               "click m_ngd_ok_btn\n"  // replace the old game
                                               "ticks 20\n"
                                               "key 27\n"
                                               "ticks 2\n"
                                               "state\n"
                                               "key 27\n"
                                               "assert_file data/save.sav\n");
    ASSERT_EQ(second.status, 0) << second.errors;
    ASSERT_EQ(second.states.size(), 2u) << second.errors;
    auto again = fields(second.states[0]);
    EXPECT_EQ(again["screen"], "menu");
    EXPECT_EQ(again["game"], "1") << "the last level is not offered again";
    EXPECT_EQ(again["set"], "1");
    EXPECT_EQ(again["volume"], "1");
    EXPECT_EQ(again["classic"], "0");
    EXPECT_EQ(again["top7"], "1,0");
    auto waiting = fields(second.states[1]);
    EXPECT_EQ(waiting["screen"], "menu");
    EXPECT_EQ(waiting["game"], "1");
    EXPECT_EQ(waiting["set"], "2");
    ParamFile saved;
    ASSERT_TRUE(saved.load_file(game_file("data/save.sav"), true, kSavedGameKey));
    EXPECT_EQ(saved.get("m_game_kind", "?"), "1");
    EXPECT_EQ(saved.get("gf_m_level_current", "?"), "1");
    EXPECT_EQ(saved.get("gf_m_is_game_over", "?"), "0");

    // And the start after it continues that game.
    const e2e::DriveResult third = e2e::drive(dir,
                                              "ticks 3\n"
                                              "state\n"
                                              "click m_continue_single_game_btn\n"
                                              "ticks 5\n"
                                              "state\n"
                                              "key 27\n"
                                              "ticks 2\n"
                                              "key 27\n");
    ASSERT_EQ(third.status, 0) << third.errors;
    ASSERT_EQ(third.states.size(), 2u) << third.errors;
    EXPECT_EQ(fields(third.states[0])["game"], "1") << "the saved game was not picked up";
    EXPECT_EQ(fields(third.states[0])["top7"], "1,0");
    auto resumed = fields(third.states[1]);
    EXPECT_EQ(resumed["screen"], "play");
    EXPECT_EQ(resumed["set"], "2");
    EXPECT_EQ(resumed["level"], "1");
    EXPECT_EQ(resumed["lives"], "3");
    const Picture shown_again = shot("top7_again.png");
    if (shown_again.width && with_name.width) {
        EXPECT_LT(shown_again.changed(with_name, 0, 0, 800, 600), 200)
            << "the Top 7 looks different after the restart";
    }
}

}  // namespace
