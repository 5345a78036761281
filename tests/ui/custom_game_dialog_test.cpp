// The custom game dialog: the radio choices stored at once, the level number only by OK.

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/dialog_test_app.h"
#include "ui/custom_game_dialog.h"

namespace {

// Points inside the controls of the test layout.
constexpr int kOk[] = {25, 305};
constexpr int kCancel[] = {205, 305};
constexpr int kLevelBox[] = {305, 105};
constexpr int kCustom[] = {25, 105};
constexpr int kRandom[] = {25, 165};
constexpr int kSet1[] = {155, 105};
constexpr int kSet2[] = {155, 165};

void click_at(Screen& s, const int (&p)[2]) {
    click(s, p[0], p[1]);
}

void type(Screen& s, const char* text) {
    for (const char* c = text; *c; ++c) {
        s.char_typed(*c, 1);
    }
}

class CustomGameDialogTest : public ::testing::Test {
  protected:
    GameParams& config() { return test.app.config; }
    DialogTestApp test;
};

TEST_F(CustomGameDialogTest, OpensWithTheStoredChoices) {
    config().m_custom_type_game = 0;
    config().m_custom_kind_game = 1;
    config().m_custom_level_num = 42;
    CustomGameDialog dialog(test.app);
    EXPECT_TRUE(dialog.custom_radio().is_checked());
    EXPECT_FALSE(dialog.random_radio().is_checked());
    EXPECT_FALSE(dialog.set1_radio().is_checked());
    EXPECT_TRUE(dialog.set2_radio().is_checked());
    EXPECT_TRUE(dialog.set1_radio().visible());
    EXPECT_EQ(dialog.level_box().text(), "42");

    config().m_custom_type_game = 1;
    CustomGameDialog random(test.app);
    EXPECT_TRUE(random.random_radio().is_checked());
    EXPECT_FALSE(random.set1_radio().visible());
    EXPECT_FALSE(random.set2_radio().visible());
}

TEST_F(CustomGameDialogTest, RandomHidesTheLevelChoiceAndEnterClosesWithoutReadingTheBox) {
    config().m_custom_level_num = 9;
    CustomGameDialog dialog(test.app);
    test.open(dialog);
    click_at(dialog, kLevelBox);
    dialog.key_down(vk::backspace);  // "9" -> "", which OK would refuse under Custom
    click_at(dialog, kRandom);
    EXPECT_TRUE(dialog.random_radio().is_checked());
    EXPECT_FALSE(dialog.custom_radio().is_checked());
    EXPECT_FALSE(dialog.set1_radio().visible());
    EXPECT_FALSE(dialog.set2_radio().visible());
    // Hidden controls take no clicks.
    click_at(dialog, kSet2);
    EXPECT_FALSE(dialog.set2_radio().is_checked());

    dialog.key_down(vk::enter);
    test.tick();
    EXPECT_EQ(test.opener.reports, 1);
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    EXPECT_EQ(config().m_custom_type_game, 1);
    EXPECT_EQ(config().m_custom_level_num, 9);
}

TEST_F(CustomGameDialogTest, AnEmptiedLevelBoxMakesOkAndEnterDoNothing) {
    config().m_custom_level_num = 12;
    CustomGameDialog dialog(test.app);
    test.open(dialog);
    click_at(dialog, kLevelBox);
    dialog.key_down(vk::backspace);
    dialog.key_down(vk::backspace);
    ASSERT_EQ(dialog.level_box().text(), "");
    click_at(dialog, kOk);
    dialog.key_down(vk::enter);
    test.tick();
    EXPECT_EQ(test.opener.reports, 0);
    EXPECT_EQ(config().m_custom_level_num, 12);

    // A valid number then goes through.
    click_at(dialog, kLevelBox);
    type(dialog, "75");
    click_at(dialog, kOk);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    EXPECT_EQ(config().m_custom_level_num, 75);
}

TEST_F(CustomGameDialogTest, TheLevelBoxTakesTwoDigitsInsideOneToSeventyFive) {
    CustomGameDialog dialog(test.app);
    test.open(dialog);
    click_at(dialog, kLevelBox);
    dialog.key_down(vk::backspace);
    type(dialog, "80");
    EXPECT_EQ(dialog.level_box().text(), "8");
    type(dialog, "x5");
    EXPECT_EQ(dialog.level_box().text(), "8");
    dialog.key_down(vk::backspace);
    type(dialog, "0");  // leading zero reads as 0: below the range
    EXPECT_EQ(dialog.level_box().text(), "");
    type(dialog, "7512");
    EXPECT_EQ(dialog.level_box().text(), "75");
}

TEST_F(CustomGameDialogTest, RadioChoicesAreStoredAtOnceEvenWhenCancelled) {
    config().m_custom_type_game = 0;
    config().m_custom_kind_game = 0;
    config().m_custom_level_num = 3;
    CustomGameDialog dialog(test.app);
    test.open(dialog);
    click_at(dialog, kSet2);
    EXPECT_EQ(config().m_custom_kind_game, 1);
    EXPECT_FALSE(dialog.set1_radio().is_checked());
    click_at(dialog, kLevelBox);
    type(dialog, "0");  // "30"
    click_at(dialog, kRandom);
    EXPECT_EQ(config().m_custom_type_game, 1);
    click_at(dialog, kCancel);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::cancelled);
    EXPECT_EQ(config().m_custom_type_game, 1);
    EXPECT_EQ(config().m_custom_kind_game, 1);
    // The number waits for OK.
    EXPECT_EQ(config().m_custom_level_num, 3);
}

TEST_F(CustomGameDialogTest, EscapeCancelsAndCustomAgainShowsTheChoice) {
    config().m_custom_type_game = 1;
    CustomGameDialog dialog(test.app);
    test.open(dialog);
    click_at(dialog, kCustom);
    EXPECT_EQ(config().m_custom_type_game, 0);
    EXPECT_TRUE(dialog.set1_radio().visible());
    click_at(dialog, kSet1);
    EXPECT_EQ(config().m_custom_kind_game, 0);
    dialog.key_down(vk::escape);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::cancelled);
}

}  // namespace
