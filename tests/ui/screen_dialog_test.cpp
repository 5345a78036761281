// How screens hand events to their controls, and how the dialog frame ends a dialog.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/game_app.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "ui/control.h"
#include "ui/dialog.h"
#include "ui/screen.h"

namespace {

// A control that claims what it is told to and records what reaches it.
class ProbeControl : public Control {
  public:
    ProbeControl(std::string name, std::vector<std::string>& journal)
        : m_name(std::move(name)), m_journal(journal) {}
    bool mouse_move(int x, int y, int) override {
        note("move" + std::to_string(x) + "," + std::to_string(y));
        return claim_move;
    }
    bool left_button_down(int x, int y, int) override {
        note("down" + std::to_string(x) + "," + std::to_string(y));
        return claim_down;
    }
    bool left_button_up(int, int, int) override {
        note("up");
        return false;
    }
    void key_down(int key) override { note("key" + std::to_string(key)); }
    void reset() override { note("reset"); }
    bool claim_move = false;
    bool claim_down = false;

  private:
    void note(const std::string& s) { m_journal.push_back(m_name + "." + s); }
    std::string m_name;
    std::vector<std::string>& m_journal;
};

class TestDialog : public Dialog {
  public:
    void on_control(Control*) override {}
};

class ScreenEvents : public ::testing::Test {
  protected:
    ScreenEvents() : window("Quarrik", app), a("a", journal), b("b", journal) {
        window.set_active(true);
    }
    GameApp app;
    AppWindow window;
    std::vector<std::string> journal;
    ProbeControl a;
    ProbeControl b;
};

using Journal = std::vector<std::string>;

TEST_F(ScreenEvents, AHoverClaimHidesTheMoveFromLaterControls) {
    Screen screen;
    screen.add_control(&a);
    screen.add_control(&b);
    a.claim_move = true;
    screen.mouse_move(3, 4, 0);
    EXPECT_EQ(journal, (Journal{"a.move3,4"}));
}

// A press claimed by a control is no drag of the window; a press on free space is, until the
// button comes up.
TEST_F(ScreenEvents, PressesOnControlsDoNotStartADrag) {
    Screen screen;
    screen.add_control(&a);
    screen.add_control(&b);
    a.claim_down = true;
    screen.left_button_down(1, 1, 1);
    EXPECT_FALSE(screen.mouse_down());
    EXPECT_EQ(journal, (Journal{"a.down1,1", "b.down1,1"}));  // the loop goes on

    a.claim_down = false;
    screen.left_button_down(1, 1, 1);
    EXPECT_TRUE(screen.mouse_down());
    screen.left_button_up(1, 1, 0);
    EXPECT_FALSE(screen.mouse_down());
}

TEST_F(ScreenEvents, ActivationResetsControlsAndEndsAPress) {
    Screen screen;
    screen.add_control(&a);
    screen.left_button_down(1, 1, 1);
    journal.clear();
    screen.activate();
    EXPECT_FALSE(screen.mouse_down());
    EXPECT_EQ(journal, (Journal{"a.reset"}));
}

// Escape cancels and Enter accepts, the close waits for the next tick, and the key
// still reaches the dialog's controls.
TEST_F(ScreenEvents, DialogKeysSetTheResultAndCloseAtTheNextTick) {
    struct Opener : Screen {
        void on_dialog_closed(DialogResult result, Screen*) override { results.push_back(result); }
        std::vector<DialogResult> results;
    } opener;
    TestDialog dialog;
    dialog.add_control(&a);
    window.push_screen(&opener);
    window.open_dialog(&dialog);
    journal.clear();

    window.key_down(vk::escape);
    EXPECT_EQ(journal, (Journal{"a.key27"}));
    EXPECT_EQ(window.dialog_count(), 1u);
    window.tick(30);
    EXPECT_EQ(opener.results, (std::vector<DialogResult>{DialogResult::cancelled}));

    window.open_dialog(&dialog);
    window.key_down(vk::enter);
    window.key_down(vk::escape);  // a second key in the same tick only marks the close again
    window.tick(30);
    window.tick(30);
    EXPECT_EQ(opener.results,
              (std::vector<DialogResult>{DialogResult::cancelled, DialogResult::cancelled}));

    window.open_dialog(&dialog);
    window.key_down(vk::enter);
    window.tick(30);
    EXPECT_EQ(opener.results,
              (std::vector<DialogResult>{DialogResult::cancelled, DialogResult::cancelled,
                                         DialogResult::accepted}));
}

TEST_F(ScreenEvents, DialogWithoutAWindowSizeOnlyShiftsPoints) {
    TestDialog dialog;
    dialog.set_position(50, 20);
    dialog.add_control(&a);
    dialog.left_button_down(200, 100, 1);
    EXPECT_EQ(journal, (Journal{"a.down150,80"}));
}

}  // namespace

// The keyboard and pad focus: Tab walks the controls in order, the d-pad goes to the nearest
// control that way, Space and the south button click the middle of the focused one, and a
// control that keeps the keys (typing) gets Tab and Space itself.
class FocusProbe : public ProbeControl {
  public:
    FocusProbe(std::string name, Journal& journal, float x, float y, bool focusable = true)
        : ProbeControl(std::move(name), journal), m_x(x), m_y(y), m_focusable(focusable) {}
    bool focus_box(float& x, float& y, float& w, float& h) const override {
        x = m_x, y = m_y, w = 100, h = 50;
        return m_focusable;
    }
    bool takes_keys() const override { return typing; }
    bool typing = false;

  private:
    float m_x, m_y;
    bool m_focusable;
};

TEST_F(ScreenEvents, FocusMovesByTabAndDirectionAndPressesTheFocusedControl) {
    FocusProbe left("L", journal, 0, 0), right("R", journal, 200, 0),
        hidden("H", journal, 0, 300, false), below("B", journal, 0, 100);
    TestDialog dialog;
    for (Control* c : std::initializer_list<Control*>{&left, &hidden, &right, &below}) {
        dialog.add_control(c);
    }
    window.open_dialog(&dialog);
    journal.clear();
    EXPECT_EQ(dialog.focus(), -1);
    dialog.key_down(vk::space);  // nothing focused: Space goes to the controls
    EXPECT_EQ(journal.size(), 4u);
    journal.clear();

    dialog.key_down(vk::tab);
    EXPECT_EQ(dialog.focus(), 0);
    dialog.key_down(vk::tab);  // the hidden control is passed by
    EXPECT_EQ(dialog.focus(), 2);
    dialog.pad_button(gamepads::down);
    EXPECT_EQ(dialog.focus(), 3);
    dialog.pad_button(gamepads::down);  // nothing further down: the focus stays
    EXPECT_EQ(dialog.focus(), 3);
    dialog.pad_button(gamepads::up);  // straight above before the one up and aside
    EXPECT_EQ(dialog.focus(), 0);
    dialog.pad_button(gamepads::right);
    EXPECT_EQ(dialog.focus(), 2);
    EXPECT_TRUE(journal.empty()) << "focus moves reached a control";

    // A click on the middle of the focused control; every control hit-tests it as usual.
    dialog.key_down(vk::space);
    ASSERT_EQ(journal.size(), 8u);
    EXPECT_EQ(journal[2], "R.down250,25");
    journal.clear();
    dialog.pad_button(gamepads::south);
    EXPECT_EQ(journal.size(), 8u);

    // Typing keeps Tab and Space for the control.
    right.typing = true;
    journal.clear();
    dialog.key_down(vk::tab);
    EXPECT_EQ(dialog.focus(), 2);
    EXPECT_EQ(journal.size(), 4u);

    // East is Escape: cancelled at the next tick.
    dialog.pad_button(gamepads::east);
    window.tick(30);
    EXPECT_EQ(dialog.result(), DialogResult::cancelled);
    EXPECT_EQ(window.dialog_count(), 0u);
}
