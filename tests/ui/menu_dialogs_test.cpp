// The main menu opens the game's own dialogs and takes their results.

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "storage/score_table.h"
#include "support/dialog_test_app.h"
#include "ui/game_over_dialog.h"
#include "ui/help_dialog.h"
#include "ui/main_menu.h"
#include "ui/options_dialog.h"
#include "ui/top7_dialog.h"

namespace {

TEST(MenuDialogs, TheMenuOpensEachDialogAndAGameOverEntersTheScoreOfItsLevelSet) {
    DialogTestApp test;
    MenuPlugins plugins;
    add_game_dialogs(plugins, test.app);
    MainMenu menu(test.app, plugins);
    test.window.push_screen(&menu);

    menu.open_help_dialog();
    ASSERT_NE(dynamic_cast<HelpDialog*>(menu.help_dialog()), nullptr);
    EXPECT_EQ(test.window.top_dialog(), menu.help_dialog());
    menu.help_dialog()->key_down(vk::escape);
    test.tick();
    EXPECT_EQ(menu.help_dialog(), nullptr);

    menu.open_top7_dialog(1);
    auto* top7 = dynamic_cast<Top7Dialog*>(menu.top7_dialog());
    ASSERT_NE(top7, nullptr);
    EXPECT_EQ(&top7->table(), &test.app.config.m_scores[1]);
    top7->key_down(vk::enter);
    test.tick();

    menu.open_options_dialog();
    ASSERT_NE(dynamic_cast<OptionsDialog*>(menu.options_dialog()), nullptr);
    menu.options_dialog()->key_down(vk::escape);
    test.tick();
    EXPECT_EQ(menu.options_dialog(), nullptr);

    // The menu's level set is 0 until a game of set 2 is played.
    menu.open_game_over_dialog(640);
    auto* over = dynamic_cast<GameOverDialog*>(menu.game_over_dialog());
    ASSERT_NE(over, nullptr);
    EXPECT_TRUE(over->qualifies());
    over->key_down(vk::enter);
    test.tick();
    EXPECT_EQ(menu.game_over_dialog(), nullptr);
    ASSERT_EQ(test.app.config.m_scores[0].entries().size(), 1u);
    EXPECT_EQ(test.app.config.m_scores[0].entries()[0].score, 640);
    EXPECT_TRUE(test.app.config.m_scores[1].entries().empty());
    test.window.remove_screen(&menu);
}

}  // namespace
