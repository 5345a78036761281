// The help dialog: its text from the archive, the scroll buttons and the ways out.

#include <gtest/gtest.h>

#include <string>

#include "platform/key_codes.h"
#include "support/dialog_test_app.h"
#include "ui/help_dialog.h"

namespace {

std::string numbered_paragraphs(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += "Line " + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST(HelpDialog, ArrowButtonsScrollTheTextAndCloseEndsWithZero) {
    DialogTestApp test(3, numbered_paragraphs(39));
    HelpDialog dialog(test.app);
    test.open(dialog);
    // 39 paragraphs and the blank line the closing return leaves.
    ASSERT_EQ(dialog.text().lines().size(), 40u);
    EXPECT_EQ(dialog.text().lines()[0], "Line 0 ");

    click(dialog, 605, 255);  // down
    click(dialog, 605, 255);
    EXPECT_EQ(dialog.text().top(), 4);
    click(dialog, 605, 105);  // up
    EXPECT_EQ(dialog.text().top(), 2);

    click(dialog, 605, 405);  // close
    test.tick();
    EXPECT_EQ(test.opener.reports, 1);
    EXPECT_EQ(test.opener.closed, &dialog);
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
}

TEST(HelpDialog, EscapeCancelsAndEnterAccepts) {
    DialogTestApp test(3, "Some help.");
    {
        HelpDialog dialog(test.app);
        test.open(dialog);
        dialog.key_down(vk::escape);
        test.tick();
        EXPECT_EQ(test.opener.closed_result, DialogResult::cancelled);
    }
    HelpDialog dialog(test.app);
    test.open(dialog);
    dialog.key_down(vk::enter);
    test.tick();
    EXPECT_EQ(test.opener.closed_result, DialogResult::accepted);
}

TEST(HelpDialog, AMissingHelpFileShowsOneBlankLine) {
    DialogTestApp test;
    HelpDialog dialog(test.app);
    EXPECT_EQ(dialog.text().lines(), std::vector<std::string>{" "});
}

}  // namespace
