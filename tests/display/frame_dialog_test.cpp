// Mouse points reach a dialog in its own coordinates whatever the window's size.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/app_window.h"
#include "app/game_app.h"
#include "platform/platform.h"
#include "ui/control.h"
#include "ui/dialog.h"

namespace {

struct PointProbe : Control {
    bool left_button_down(int x, int y, int) override {
        px = x;
        py = y;
        return true;
    }
    int px = -1, py = -1;
};

struct ProbeDialog : Dialog {
    void on_control(Control*) override {}
};

TEST(FrameDialog, ClickInADoubleSizeWindowIsScaledIntoTheDialog) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "display tests run under xvfb-run";
    ASSERT_TRUE(platform::init());
    {
        GameApp app;
        AppWindow window("Quarrik", app);
        window.create_window("Quarrik", 10, 10, 1600, 1200);
        ProbeDialog dialog;
        PointProbe probe;
        dialog.add_control(&probe);
        dialog.set_screen_size(800, 600);
        dialog.set_position(50, 20);
        window.open_dialog(&dialog);
        dialog.left_button_down(200, 100, 1);
        EXPECT_EQ(probe.px, 50);
        EXPECT_EQ(probe.py, 30);
        window.destroy_window();
    }
    platform::shutdown();
}

}  // namespace
