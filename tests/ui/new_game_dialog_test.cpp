// "Start New Game?": OK and Enter accept, Cancel and Escape keep the running game.

#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/dialog_test_app.h"
#include "ui/new_game_dialog.h"

namespace {

TEST(NewGameDialog, EachWayOutGivesItsResultAtTheNextTick) {
    struct Case {
        const char* how;
        int x, y, key;
        DialogResult result;
    } const cases[] = {{"ok", 25, 205, 0, DialogResult::accepted},
                       {"cancel", 205, 205, 0, DialogResult::cancelled},
                       {"enter", 0, 0, vk::enter, DialogResult::accepted},
                       {"escape", 0, 0, vk::escape, DialogResult::cancelled}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        DialogTestApp test;
        NewGameDialog dialog(test.app);
        dialog.set_position(100, 150);
        test.open(dialog);
        if (c.key) {
            dialog.key_down(c.key);
        } else {
            click(dialog, c.x + 100, c.y + 150);
        }
        EXPECT_EQ(test.opener.reports, 0);
        test.tick();
        EXPECT_EQ(test.opener.reports, 1);
        EXPECT_EQ(test.opener.closed_result, c.result);
    }
}

}  // namespace
