// The game over dialog enters a qualifying score once, under a name the score file keeps.

#include <gtest/gtest.h>

#include <string>

#include "gfx/font.h"
#include "gfx/texture.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "storage/score_table.h"
#include "support/dialog_test_app.h"
#include "support/temp_dir.h"
#include "ui/game_over_dialog.h"
#include "ui/top7_dialog.h"

namespace {

constexpr int kClose[] = {605, 505};
constexpr int kNameBox[] = {205, 355};

void type(Screen& s, const std::string& text) {
    for (char c : text) {
        s.char_typed(c, 1);
    }
}

class GameOverDialogTest : public ::testing::Test {
  protected:
    ScoreTable& table(int i) { return test.app.config.m_scores[i]; }
    DialogTestApp test;
};

TEST_F(GameOverDialogTest, AScoreOfZeroNeverQualifiesAndChangesNothing) {
    GameOverDialog dialog(test.app, 0, 0);
    test.open(dialog);
    EXPECT_FALSE(dialog.qualifies());
    // No name box to type into.
    click(dialog, kNameBox[0], kNameBox[1]);
    type(dialog, "Zed");
    EXPECT_EQ(dialog.name_box().text(), "");
    click(dialog, kClose[0], kClose[1]);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    EXPECT_TRUE(table(0).entries().empty());
}

TEST_F(GameOverDialogTest, EscapeWithAnEmptyNameEntersAnonymousOnce) {
    GameOverDialog dialog(test.app, 1200, 1);
    test.open(dialog);
    EXPECT_TRUE(dialog.qualifies());
    dialog.key_down(vk::escape);
    dialog.key_down(vk::enter);  // within the same tick: the close is only marked again
    click(dialog, kClose[0], kClose[1]);
    test.tick();
    EXPECT_EQ(test.opener.reports, 1);
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    ASSERT_EQ(table(1).entries().size(), 1u);
    EXPECT_EQ(table(1).entries()[0].name, "Anonymous");
    EXPECT_EQ(table(1).entries()[0].score, 1200);
    EXPECT_TRUE(table(0).entries().empty());
    EXPECT_EQ(dialog.player_name(), "Anonymous");
}

// A pad cannot type: its south button takes the name typed so far, or "Anonymous".
TEST_F(GameOverDialogTest, ThePadConfirmsTheTypedNameOrAnonymous) {
    GameOverDialog typed(test.app, 900, 0);
    test.open(typed);
    click(typed, kNameBox[0], kNameBox[1]);
    type(typed, "Pad");
    typed.pad_button(gamepads::south);
    test.tick();
    GameOverDialog empty(test.app, 800, 0);
    test.open(empty);
    empty.pad_button(gamepads::south);
    test.tick();
    ASSERT_EQ(table(0).entries().size(), 2u);
    EXPECT_EQ(table(0).entries()[0].name, "Pad");
    EXPECT_EQ(table(0).entries()[1].name, "Anonymous");
}

TEST_F(GameOverDialogTest, TheNameBoxTakesFifteenCharactersAfterAClick) {
    GameOverDialog dialog(test.app, 300, 0);
    test.open(dialog);
    type(dialog, "ignored");
    EXPECT_EQ(dialog.name_box().text(), "");
    click(dialog, kNameBox[0], kNameBox[1]);
    type(dialog, "Ann Marie Berglund");
    EXPECT_EQ(dialog.name_box().text(), "Ann Marie Bergl");
    dialog.key_down(vk::enter);
    test.tick();
    ASSERT_EQ(table(0).entries().size(), 1u);
    EXPECT_EQ(table(0).entries()[0].name, "Ann Marie Bergl");
}

// Wide letters reach the box's edge before the length limit: the letter that would run past
// it is refused. In the Top 7 such a name is drawn smaller so that it ends before the scores.
TEST_F(GameOverDialogTest, LongNamesStayInsideTheNameBoxAndTheTop7Row) {
    GameOverDialog dialog(test.app, 300, 0);
    test.open(dialog);
    click(dialog, kNameBox[0], kNameBox[1]);
    const std::string wide(15, 'W');
    type(dialog, wide);
    const std::string& typed = dialog.name_box().text();
    EXPECT_GT(typed.size(), 5u);
    EXPECT_LT(typed.size(), 15u);
    const Font* font = test.app.font();
    ASSERT_NE(font, nullptr);
    EXPECT_LE(10.0f + font->text_width(typed.c_str(), 35.0f) + 10.0f,
              static_cast<float>(dialog.name_box().image()->width()));

    // Names are drawn 40 high from x 100, the scores at x 560; a score file may hold a name
    // wider than any the box lets through.
    EXPECT_FLOAT_EQ(top7_name_height(font, "Bo"), 40.0f);
    const std::string wider(25, 'W');
    const float height = top7_name_height(font, wider.c_str());
    EXPECT_LT(height, 40.0f);
    EXPECT_LT(100.0f + font->text_width(wider.c_str(), height), 560.0f);
}

TEST_F(GameOverDialogTest, AScoreTooLowForAFullTableIsNotEntered) {
    for (int i = 0; i < 7; ++i) {
        table(0).insert("P" + std::to_string(i), 1000 - 100 * i);
    }
    GameOverDialog low(test.app, 400, 0);
    EXPECT_FALSE(low.qualifies());
    test.open(low);
    low.key_down(vk::enter);
    test.tick();
    EXPECT_EQ(table(0).entries().back().score, 400);
    EXPECT_EQ(table(0).entries().back().name, "P6");

    // An equal score goes below the older one.
    GameOverDialog equal(test.app, 700, 0);
    test.open(equal);
    click(equal, kNameBox[0], kNameBox[1]);
    type(equal, "New");
    equal.key_down(vk::enter);
    test.tick();
    EXPECT_EQ(table(0).entries()[3].name, "P3");
    EXPECT_EQ(table(0).entries()[4].name, "New");
    EXPECT_EQ(table(0).entries().size(), 7u);
}

// A quote cannot be written in the score file, and "//" would start a comment there that
// swallows the rest of the line: such names are stored with those characters replaced, so
// the table reads back exactly as it was entered.
TEST_F(GameOverDialogTest, NamesTheScoreFileCannotCarryAreStoredSoTheyReadBack) {
    const std::string names[] = {"\"Q\"", "a//b c", "x///", "say \"hi", "ok/ /"};
    int score = 900;
    for (const std::string& name : names) {
        GameOverDialog dialog(test.app, score--, 0);
        test.open(dialog);
        click(dialog, kNameBox[0], kNameBox[1]);
        type(dialog, name);
        dialog.key_down(vk::enter);
        test.tick();
    }
    const auto& entries = table(0).entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, "'Q'");
    EXPECT_EQ(entries[1].name, "a/\\b c");
    EXPECT_EQ(entries[2].name, "x/\\/");
    EXPECT_EQ(entries[3].name, "say 'hi");
    EXPECT_EQ(entries[4].name, "ok/ /");

    TempDir dir;
    const std::string path = dir.path() + "/scores1.tab";
    ASSERT_TRUE(table(0).save(path));
    ScoreTable loaded;
    ASSERT_TRUE(loaded.load(path));
    ASSERT_EQ(loaded.entries().size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(loaded.entries()[i].name, entries[i].name);
        EXPECT_EQ(loaded.entries()[i].score, entries[i].score);
    }
}

TEST(Top7Dialog, ShowsTheTableOfItsLevelSetAndClosesLikeADialog) {
    DialogTestApp test;
    test.app.config.m_scores[1].insert("Bo", 50);
    Top7Dialog second(test.app, 1);
    Top7Dialog first(test.app, 0);
    EXPECT_EQ(second.table().entries().size(), 1u);
    EXPECT_TRUE(first.table().entries().empty());

    test.open(second);
    click(second, 605, 505);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
    test.open(first);
    first.key_down(vk::escape);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::cancelled);
}

}  // namespace
