// Whole games on the play screen's referee, with levels written as text in the tests.

#include "game/game_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "game/play_screen.h"
#include "platform/key_codes.h"
#include "storage/param_file.h"
#include "support/fake_keyboard.h"
#include "support/level_rows.h"
#include "world/cell.h"

namespace {

using test_levels::level_bytes;

// The runner stands in the top row beside the only gold: one step right finishes the level.
const std::vector<std::string> kQuickLevel = {
    "! *", "TTTT", "", "", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
};

// A level with a hidden ladder and a guard far away, for the reveal.
const std::vector<std::string> kRevealLevel = {
    "",
    "  #       *",
    "  #  !   TTT",
    "TTHTTTTTTTTTTTTTTTTTT",
    "",
    "                         $",
    "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
};

class GameFieldTest : public ::testing::Test {
  protected:
    GameFieldTest() {
        app.keyboard.create(std::make_unique<FakeKeyboardDevice>(keys));
        app.config.m_lives_per_score = 10000;
        app.config.m_player_dead_time = 900;
        app.config.m_time_exploded = 3000;
        app.config.m_time_in_hole = 2000;
        app.config.m_time_keep_gold_min = 1000;
        app.config.m_time_keep_gold_max = 2000;
        app.config.m_prob_take_gold = 0;
        app.config.m_light_dist = 5;
        app.config.m_game_kind = 0;
        app.world.sound = nullptr;
        app.m_sound_classik = false;
        app.world.sound_log = &sounds;
        app.world.read_file = [this](const std::string& name, std::vector<uint8_t>& out) {
            auto it = levels.find(name);
            out = it != levels.end() ? it->second : level_bytes(kQuickLevel);
            return true;
        };
        std::srand(7);
    }

    // Runs the reveal to its end (141 ticks).
    void finish_reveal(GameField& field) {
        for (int i = 0; i < 141 && field.reveal(); ++i)
            field.tick(30);
        ASSERT_EQ(field.reveal(), nullptr);
    }
    // Ticks until the message is gone (or a limit).
    void run_message(GameField& field) {
        for (int i = 0; i < 400 && field.message(); ++i)
            field.tick(30);
    }

    std::shared_ptr<FakeKeyboardKeys> keys = std::make_shared<FakeKeyboardKeys>();
    GameApp app;
    std::map<std::string, std::vector<uint8_t>> levels;
    std::vector<int> sounds;
};

TEST_F(GameFieldTest, RevealUncoversFiveCellsPerTickIn141TicksAndKeepsHiddenLaddersHidden) {
    levels["dat/levels1_full/01.txt"] = level_bytes(kRevealLevel);
    GameField field(app);
    Playfield& pf = *field.playfield();
    EXPECT_FALSE(pf.cell_at(3, 3)->animation().m_visible);
    const Pos start = field.runner()->pos();
    keys->press(dik::right);

    int ticks = 0;
    while (field.reveal()) {
        field.tick(30);
        ++ticks;
        if (ticks == 1) {
            // Reading order: row 0 first; row 3 is still hidden after one tick.
            EXPECT_TRUE(field.reveal()->hidden(2, 3) || !field.reveal());
            EXPECT_FALSE(pf.cell_at(3, 3)->animation().m_visible);
        }
        ASSERT_LE(ticks, 200);
    }
    EXPECT_EQ(ticks, 141);
    EXPECT_TRUE(pf.cell_at(3, 3)->animation().m_visible);   // the ladder under the hidden ones
    EXPECT_FALSE(pf.cell_at(3, 1)->animation().m_visible);  // hidden ladder
    EXPECT_EQ(field.runner()->pos().x, start.x);            // the world was frozen meanwhile
}

// Every level start, the replay after a death too, calls the field's callback (the program
// saves the game from there).
TEST_F(GameFieldTest, DeathWaitsThenRestartsTheSameLevelWithOneLifeLess) {
    levels["dat/levels1_full/04.txt"] = level_bytes(kRevealLevel);
    int starts = 0;
    GameField field(app, [&starts] { ++starts; });
    field.start_level(4);
    finish_reveal(field);
    const int lives = field.lives();
    keys->press(app.config.m_die_key);
    field.tick(30);
    keys->lift_all();
    EXPECT_TRUE(field.dying());
    int pause_ticks = 0;
    while (field.dying()) {
        field.tick(30);
        ++pause_ticks;
        ASSERT_LE(pause_ticks, 100);
    }
    // 900 ms: the tick of the death already counts the first 30.
    EXPECT_EQ(pause_ticks, 29);
    ASSERT_NE(field.message(), nullptr);
    EXPECT_EQ(field.message()->text(), "");
    EXPECT_EQ(field.lives(), lives - 1);
    EXPECT_EQ(starts, 2);  // level 1 when made, then level 4
    run_message(field);
    EXPECT_EQ(field.level(), 4);
    EXPECT_EQ(starts, 3);
    EXPECT_NE(field.reveal(), nullptr);
    EXPECT_FALSE(field.is_game_over());
}

TEST_F(GameFieldTest, LosingTheLastLifeShowsGameOverThenEndsTheGame) {
    levels["dat/levels1_full/01.txt"] = level_bytes(kRevealLevel);
    GameField field(app);
    finish_reveal(field);
    field.set_lives(0);
    field.runner()->die();
    for (int i = 0; i < 31 && !field.message(); ++i)
        field.tick(30);
    ASSERT_NE(field.message(), nullptr);
    EXPECT_EQ(field.message()->text(), "Game Over");
    EXPECT_EQ(field.message()->duration(), 6000);
    // Nothing dissolves while the text shows.
    for (int i = 0; i < 100; ++i)
        field.tick(30);
    EXPECT_EQ(field.message()->black_cells(), 0);
    run_message(field);
    EXPECT_TRUE(field.is_game_over());
}

TEST_F(GameFieldTest, FinishingTheLastLevelAddsTheBonusAndEndsTheGame) {
    GameField field(app);
    field.start_level(75);
    finish_reveal(field);
    keys->press(dik::right);
    for (int i = 0; i < 40 && !field.message(); ++i)
        field.tick(30);
    keys->lift_all();
    ASSERT_NE(field.message(), nullptr);
    EXPECT_EQ(field.message()->text(), "Game Over");
    EXPECT_GE(field.score(), GameField::kLevelBonus);
    run_message(field);
    EXPECT_TRUE(field.is_game_over());
}

TEST_F(GameFieldTest, CustomGameEndsAfterItsOneLevel) {
    app.config.m_custom_type_game = 0;
    app.config.m_custom_kind_game = 1;
    app.config.m_custom_level_num = 12;
    GameField field(app);
    field.start_custom();
    EXPECT_EQ(field.level(), 12);
    EXPECT_EQ(field.last_level(), 12);
    EXPECT_EQ(app.config.m_game_kind, 1);
    finish_reveal(field);
    keys->press(dik::right);
    for (int i = 0; i < 40 && !field.message(); ++i)
        field.tick(30);
    ASSERT_NE(field.message(), nullptr);
    EXPECT_EQ(field.message()->text(), "Game Over");
    run_message(field);
    EXPECT_TRUE(field.is_game_over());
}

// Bonus lives compare the quotients before and after a tick: 990 -> 2490 is one life.
TEST_F(GameFieldTest, BonusLifeCountsQuotientsNotThresholdsCrossed) {
    app.config.m_lives_per_score = 1000;
    GameField field(app);
    finish_reveal(field);
    field.set_score(990);
    const int lives = field.lives();
    keys->press(dik::right);
    for (int i = 0; i < 40 && !field.message(); ++i)
        field.tick(30);
    ASSERT_NE(field.message(), nullptr);
    EXPECT_GE(field.score(), 2490);
    EXPECT_LT(field.score(), 3000);
    EXPECT_EQ(field.lives(), lives + 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 1);
}

// Gold alone wins a life (with its fanfare), and so do a guard's points alone.
TEST_F(GameFieldTest, ExtraLivesFromGoldAloneAndFromGuardPointsAlone) {
    app.config.m_lives_per_score = 10000;
    {
        levels["dat/levels1_full/01.txt"] =
            level_bytes({"", " ! *   *", "TTTTTTTTTT", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"});
        GameField field(app);
        finish_reveal(field);
        field.set_score(9900);
        const int lives = field.lives();
        keys->press(dik::right);
        for (int i = 0; i < 40 && field.score() < 10000; ++i)
            field.tick(30);
        keys->lift_all();
        field.tick(30);
        EXPECT_EQ(field.score(), 10150);
        EXPECT_EQ(field.message(), nullptr);
        EXPECT_EQ(field.lives(), lives + 1);
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 1);
    }
    sounds.clear();
    {
        // The guard walks right into an open hole; the runner pushes against stone.
        levels["dat/levels1_full/01.txt"] =
            level_bytes({" $   M!", "TTTTTTT", "", "     *", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"});
        GameField field(app);
        finish_reveal(field);
        field.playfield()->cell_at(3, 1)->activate();
        field.set_score(9950);
        const int lives = field.lives();
        keys->press(dik::left);
        for (int i = 0; i < 100 && field.score() < 10000; ++i)
            field.tick(30);
        EXPECT_EQ(field.score(), 10025);
        EXPECT_EQ(field.lives(), lives + 1);
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 1);
    }
}

// The last gold, taken in the top row, finishes the level in the tick it is taken: its points
// arrive while the level's message shows, and still win a life.
TEST_F(GameFieldTest, PointsArrivingDuringTheLevelMessageWinALife) {
    app.config.m_lives_per_score = 10000;
    GameField field(app);
    finish_reveal(field);
    field.set_score(10000 - GameField::kLevelBonus - 100);
    const int lives = field.lives();
    keys->press(dik::right);
    for (int i = 0; i < 40 && field.score() < 10000; ++i)
        field.tick(30);
    ASSERT_NE(field.message(), nullptr);
    EXPECT_GE(field.score(), 10000);
    EXPECT_EQ(field.lives(), lives + 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 5), 1);
}

// Dying in the tick the level is finished: the level counts as finished, and the next one
// starts without a death pending.
TEST_F(GameFieldTest, DyingInTheTickTheLevelIsFinishedCostsNoLife) {
    auto ticks_to_finish = [&] {
        std::srand(7);
        GameField probe(app);
        finish_reveal(probe);
        keys->press(dik::right);
        int ticks = 0;
        for (; ticks < 40 && !probe.message(); ++ticks)
            probe.tick(30);
        keys->lift_all();
        return ticks;
    };
    const int ticks = ticks_to_finish();
    ASSERT_LT(ticks, 40);
    std::srand(7);
    GameField field(app);
    finish_reveal(field);
    const int lives = field.lives();
    keys->press(dik::right);
    for (int i = 1; i < ticks; ++i)
        field.tick(30);
    ASSERT_EQ(field.message(), nullptr);
    keys->press(app.config.m_die_key);
    field.tick(30);
    keys->lift_all();
    ASSERT_NE(field.message(), nullptr);
    EXPECT_GE(field.score(), GameField::kLevelBonus);
    EXPECT_FALSE(field.dying());
    run_message(field);
    EXPECT_EQ(field.level(), 2);
    finish_reveal(field);
    for (int i = 0; i < 60; ++i)
        field.tick(30);
    EXPECT_EQ(field.lives(), lives);
    EXPECT_EQ(field.message(), nullptr);
    EXPECT_EQ(field.level(), 2);
}

// Leaving during the dissolve after a death and quitting must keep the level being played.
TEST_F(GameFieldTest, SaveDuringTheDeathDissolveKeepsTheLevelThatWillBeReplayed) {
    GameField field(app);
    field.start_level(7);
    finish_reveal(field);
    field.set_score(750);
    field.runner()->die();
    for (int i = 0; i < 40 && !field.message(); ++i)
        field.tick(30);
    ASSERT_NE(field.message(), nullptr);
    ParamFile file;
    field.save(file);
    EXPECT_EQ(file.get("gf_m_level_current", ""), "7");
    EXPECT_EQ(file.get("gf_m_lifes_count_at_level_begin", ""), "2");
    EXPECT_EQ(file.get("gf_m_score_at_level_begin", ""), "750");

    GameField restored(app);
    restored.restore(file);
    EXPECT_EQ(restored.level(), 7);
    EXPECT_EQ(restored.lives(), 2);
    EXPECT_EQ(restored.score(), 750);
}

TEST_F(GameFieldTest, SaveAndRestoreTheStartOfTheLevel) {
    GameField field(app);
    field.set_score(750);
    field.start_level(7);
    field.set_score(900);  // points within the level are not kept
    ParamFile file;
    field.save(file);
    EXPECT_EQ(file.get("gf_m_level_current", ""), "7");
    EXPECT_EQ(file.get("gf_m_lifes_count_at_level_begin", ""), "3");
    EXPECT_EQ(file.get("gf_m_score_at_level_begin", ""), "750");
    EXPECT_EQ(file.get("gf_m_alpha", ""), "0.000000");

    file.set("gf_m_level_current", "99");  // out of range falls back to level 1
    file.set("gf_m_is_game_over", "1");
    GameField restored(app);
    restored.restore(file);
    EXPECT_EQ(restored.level(), 1);
    EXPECT_TRUE(restored.is_game_over());
    EXPECT_EQ(restored.last_level(), 75);
}

// A hand-edited or damaged saved game: every value comes back in range, the score stops at its
// top instead of overflowing, and what is saved next is in range too.
TEST_F(GameFieldTest, RestoredExtremesAreMendedAndTheScoreSaturates) {
    ParamFile file;
    file.set("gf_m_level_current", "3");
    file.set("gf_m_lifes_count_at_level_begin", "-5");
    file.set("gf_m_score_at_level_begin", "2147483647");
    file.set("gf_m_alpha", "nan");
    GameField field(app);
    field.restore(file);
    EXPECT_EQ(field.lives(), 0);
    EXPECT_EQ(field.score(), GameField::kMaxScore);
    EXPECT_EQ(field.alpha(), 0.0f);
    finish_reveal(field);
    keys->press(dik::right);  // the gold and the level bonus on top of the highest score
    for (int i = 0; i < 40 && !field.message(); ++i)
        field.tick(30);
    keys->lift_all();
    ASSERT_NE(field.message(), nullptr);
    EXPECT_EQ(field.score(), GameField::kMaxScore);
    run_message(field);
    ParamFile saved;
    field.save(saved);
    EXPECT_EQ(saved.get("gf_m_score_at_level_begin", ""), std::to_string(GameField::kMaxScore));
    EXPECT_EQ(saved.get("gf_m_lifes_count_at_level_begin", ""), "0");
    EXPECT_EQ(saved.get("gf_m_alpha", ""), "0.000000");

    for (const char* alpha : {"inf", "-1e38", "725"}) {
        file.set("gf_m_alpha", alpha);
        file.set("gf_m_lifes_count_at_level_begin", "2000000000");
        GameField again(app);
        again.restore(file);
        EXPECT_LE(std::abs(again.alpha()), 180.0f) << alpha;
        EXPECT_EQ(again.lives(), GameField::kMaxLives);
    }
    file.set("gf_m_alpha", "725");
    GameField turned(app);
    turned.restore(file);
    EXPECT_FLOAT_EQ(turned.alpha(), 5.0f);  // the same tilt, one turn less
}

TEST_F(GameFieldTest, ViewKeysTurnThePlayfieldEvenDuringTheReveal) {
    GameField field(app);
    keys->press(dik::z);
    field.tick(30);
    field.tick(30);
    EXPECT_FLOAT_EQ(app.view.m_rot_z, -2.0f);
    keys->lift_all();
    keys->press(dik::c);
    field.tick(30);
    EXPECT_FLOAT_EQ(app.view.m_rot_z, -1.0f);
}

// Escape leaves at the next tick; coming back waits 100 ms before the game moves again.
TEST_F(GameFieldTest, PlayScreenEscapeAndResumeDelay) {
    AppWindow window("Quarrik", app);
    window.set_active(true);
    struct Menu : Screen {
    } menu;
    window.push_screen(&menu);
    PlayScreen play(app);
    window.push_screen(&play);
    EXPECT_EQ(play.resume_delay(), 100);
    window.key_down(27);
    EXPECT_EQ(window.top_screen(), &play);
    window.tick(30);
    EXPECT_EQ(window.top_screen(), &menu);

    window.push_screen(&play);
    const int revealed_before = play.field().reveal() ? 1 : 0;
    for (int i = 0; i < 4; ++i)
        window.tick(30);  // 100 ms of waiting
    EXPECT_EQ(play.resume_delay(), -20);
    EXPECT_EQ(revealed_before, 1);
}

}  // namespace
