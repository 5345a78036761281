// The screen and dialog stacks of the window, driven tick by tick without a real window.

#include "app/app_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_app.h"
#include "platform/key_codes.h"
#include "ui/screen.h"

namespace {

// Records what the window did to it into a shared journal.
class RecordingScreen : public Screen {
  public:
    RecordingScreen(std::string name, std::vector<std::string>& journal)
        : m_name(std::move(name)), m_journal(journal) {}

    void tick(int elapsed_ms) override { note("tick" + std::to_string(elapsed_ms)); }
    void draw() override { note("draw"); }
    void activate() override { note("activate"); }
    void key_down(int key) override { note("key" + std::to_string(key)); }
    void char_typed(int code, int) override { note("char" + std::to_string(code)); }
    void mouse_move(int x, int y, int) override {
        note("move" + std::to_string(x) + "," + std::to_string(y));
    }
    void left_button_down(int, int, int) override { note("ldown"); }
    void on_dialog_closed(DialogResult result, Screen* dialog) override {
        note("closed" + std::to_string(static_cast<int>(result)) + ":" +
             static_cast<RecordingScreen*>(dialog)->m_name);
    }
    void on_close_request() override { note("close_request"); }

  private:
    void note(const std::string& what) { m_journal.push_back(m_name + "." + what); }
    std::string m_name;
    std::vector<std::string>& m_journal;
};

class AppWindowStacks : public ::testing::Test {
  protected:
    AppWindowStacks() : window("Quarrik", app) { window.set_active(true); }

    RecordingScreen make(const std::string& name) { return RecordingScreen(name, journal); }
    std::vector<std::string> take() {
        std::vector<std::string> out;
        out.swap(journal);
        return out;
    }

    GameApp app;
    AppWindow window;
    std::vector<std::string> journal;
};

using Journal = std::vector<std::string>;

TEST_F(AppWindowStacks, PushAndOpenActivateInOrder) {
    RecordingScreen menu = make("menu");
    RecordingScreen dialog = make("dlg");
    window.push_screen(&menu);
    EXPECT_EQ(take(), (Journal{"menu.activate"}));
    window.open_dialog(&dialog);
    EXPECT_EQ(take(), (Journal{"dlg.activate", "menu.activate"}));
    EXPECT_EQ(window.top_dialog(), &dialog);
}

// A deferred close waits for the next tick; asking twice in one tick closes once; the opener
// hears about it exactly once, at the start of the tick after.
TEST_F(AppWindowStacks, DeferredDialogCloseIsReportedOnceAtTheNextTick) {
    RecordingScreen menu = make("menu");
    RecordingScreen older = make("older");
    RecordingScreen newer = make("newer");
    window.push_screen(&menu);
    window.open_dialog(&older);
    window.open_dialog(&newer);
    take();

    newer.set_result(DialogResult::cancelled);
    window.close_top(false);
    window.close_top(false);
    EXPECT_EQ(window.dialog_count(), 2u);  // still open until the next tick
    EXPECT_TRUE(take().empty());

    window.tick(30);
    // Closing the newer dialog reports to the older one, which then gets the tick.
    EXPECT_EQ(take(), (Journal{"older.closed1:newer", "older.tick30"}));
    EXPECT_EQ(window.dialog_count(), 1u);

    window.tick(30);
    EXPECT_EQ(take(), (Journal{"older.tick30"}));  // no second report, no second close
}

TEST_F(AppWindowStacks, ImmediateCloseReportsAtTheFollowingTick) {
    RecordingScreen menu = make("menu");
    RecordingScreen dialog = make("dlg");
    window.push_screen(&menu);
    window.open_dialog(&dialog);
    take();
    window.close_top(true);
    EXPECT_EQ(window.dialog_count(), 0u);
    EXPECT_TRUE(take().empty());
    window.tick(30);
    EXPECT_EQ(take(), (Journal{"menu.closed0:dlg", "menu.tick30"}));
}

TEST_F(AppWindowStacks, BottomScreenIsNeverPoppedAndScreensBelowAreReactivated) {
    RecordingScreen menu = make("menu");
    RecordingScreen play = make("play");
    window.push_screen(&menu);
    window.close_top(true);
    window.close_top(false);
    window.tick(30);
    EXPECT_EQ(window.screen_count(), 1u);
    take();

    window.push_screen(&play);
    window.close_top(false);
    window.tick(30);
    EXPECT_EQ(take(), (Journal{"play.activate", "menu.activate", "menu.tick30"}));
    EXPECT_EQ(window.top_screen(), &menu);
}

// The frame is the one place that asks for a GL context: headless, no screen is drawn (the
// order of drawing is checked on a real window).
TEST_F(AppWindowStacks, WithoutAGlContextTheFrameDrawsNothing) {
    RecordingScreen menu = make("menu");
    RecordingScreen dialog = make("dlg");
    window.push_screen(&menu);
    window.open_dialog(&dialog);
    take();
    window.draw();
    EXPECT_TRUE(take().empty());
}

// While a dialog is open the screen under it gets neither ticks nor input.
TEST_F(AppWindowStacks, InputAndTicksGoOnlyToTheTopDialog) {
    RecordingScreen menu = make("menu");
    RecordingScreen dialog = make("dlg");
    window.push_screen(&menu);
    window.open_dialog(&dialog);
    take();
    window.tick(30);
    window.key_down(vk::enter);
    window.char_typed('a', 1);
    window.mouse_move(5, 6, 0);
    window.left_button_down(5, 6, 1);
    EXPECT_EQ(take(),
              (Journal{"dlg.tick30", "dlg.key13", "dlg.char97", "dlg.move5,6", "dlg.ldown"}));
}

TEST_F(AppWindowStacks, InactiveWindowDoesNotTick) {
    RecordingScreen menu = make("menu");
    window.push_screen(&menu);
    take();
    window.set_active(false);
    window.tick(30);
    EXPECT_TRUE(take().empty());
    window.set_active(true);
    window.tick(30);
    EXPECT_EQ(take(), (Journal{"menu.tick30"}));
}

TEST_F(AppWindowStacks, CloseRequestDropsDialogsAndAsksTheTopScreen) {
    RecordingScreen menu = make("menu");
    RecordingScreen dialog = make("dlg");
    window.push_screen(&menu);
    window.open_dialog(&dialog);
    take();
    window.on_close(true);  // F4 held: Alt+F4
    EXPECT_EQ(window.dialog_count(), 0u);
    EXPECT_EQ(take(), (Journal{"menu.close_request"}));
    EXPECT_FALSE(window.quit_posted());
    window.on_close(false);
    EXPECT_TRUE(window.quit_posted());
}

TEST_F(AppWindowStacks, F5ChangesTheTrackAndStillReachesTheScreen) {
    RecordingScreen menu = make("menu");
    window.push_screen(&menu);
    take();
    const int before = window.music().current();
    window.key_down(vk::f5);
    EXPECT_EQ(window.music().current(), (before + 1) % MusicPlayer::track_count);
    EXPECT_EQ(take(), (Journal{"menu.key116"}));
}

// The music is looked after in every tick, also while the game is paused: with the volume
// at 0 nothing plays, and raising it starts the next track.
TEST_F(AppWindowStacks, MusicUpkeepRunsInEveryTickEvenWhenInactive) {
    window.set_active(false);
    app.m_music_volume = 0;
    window.tick(30);
    EXPECT_EQ(window.music().volume(), 0);
    app.m_music_volume = 2;
    window.tick(30);
    EXPECT_EQ(window.music().volume(), 2 * MusicPlayer::volume_per_step);
}

}  // namespace
