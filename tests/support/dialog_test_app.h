#pragma once

// An application object for dialog tests: the generated test resources (three skins, plain
// control pictures, the test font) loaded without a window, a layout with dialog positions
// merged over them, and a window object with an opener screen that records how a dialog closed.

#include <memory>
#include <optional>
#include <string>

#include "app/app_window.h"
#include "app/game_app.h"
#include "gfx/resource_set.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "support/test_resources.h"
#include "ui/control.h"
#include "ui/dialog.h"
#include "ui/screen.h"

// The screen a dialog under test is opened over.
struct OpenerScreen : Screen {
    void on_dialog_closed(DialogResult result, Screen* dialog) override {
        ++reports;
        closed_result = result;
        closed = dialog;
    }
    int reports = 0;
    std::optional<DialogResult> closed_result;
    Screen* closed = nullptr;
};

// Control positions in dialog coordinates, far enough apart for the controls' sizes.
inline const char* const kDialogTestLayout = R"(
m_ngd_ok_btnx 20 m_ngd_ok_btny 200 m_ngd_cancel_btnx 200 m_ngd_cancel_btny 200
m_cgd_ok_btnx 20 m_cgd_ok_btny 300 m_cgd_cancel_btnx 200 m_cgd_cancel_btny 300
m_cgd_level_numx 300 m_cgd_level_numy 100
m_cgd_game_type1_radiox 20 m_cgd_game_type1_radioy 100
m_cgd_game_type2_radiox 20 m_cgd_game_type2_radioy 160
m_cgd_game_kind1_radiox 150 m_cgd_game_kind1_radioy 100
m_cgd_game_kind2_radiox 150 m_cgd_game_kind2_radioy 160
m_od_close_btnx 600 m_od_close_btny 400 m_od_autosave_chbx 20 m_od_autosave_chby 100
m_od_skin_up_btnx 250 m_od_skin_up_btny 100 m_od_skin_down_btnx 250 m_od_skin_down_btny 200
m_od_sound_chbx 20 m_od_sound_chby 200 m_od_sound_classik_chbx 20 m_od_sound_classik_chby 300
m_od_left_key_x 450 m_od_left_key_y 20 m_od_right_key_x 450 m_od_right_key_y 90
m_od_up_key_x 450 m_od_up_key_y 160 m_od_down_key_x 450 m_od_down_key_y 230
m_od_fire_key_x 450 m_od_fire_key_y 300 m_od_die_key_x 450 m_od_die_key_y 370
m_od_skin_x 100 m_od_skin_y 420
m_hd_close_btnx 600 m_hd_close_btny 400 m_hd_up_btnx 600 m_hd_up_btny 100
m_hd_down_btnx 600 m_hd_down_btny 250
m_end_close_btnx 600 m_end_close_btny 500 m_end_editx 200.5 m_end_edity 350
m_t7d_close_btnx 600 m_t7d_close_btny 500
)";

class DialogTestApp {
  public:
    explicit DialogTestApp(int skins = 3, const std::string& help_text = "")
        : window("Quarrik", app) {
        app.archive.clear();
        const std::uint8_t colour[3] = {40, 160, 90};
        add_resource_files(app.archive, skins, colour);
        if (!help_text.empty()) {
            app.archive.add_memory("mui/help.txt", help_text.data(), help_text.size(), false);
        }
        app.m_skins_count = skins;
        app.resources = std::make_unique<ResourceSet>(app.archive, app.layout, skins);
        app.resources->load_all();
        const std::string layout = kDialogTestLayout;
        app.layout.load_memory(layout.data(), layout.size(), false);
        window.set_active(true);
        window.push_screen(&opener);
    }

    // Opens the dialog over the opener, as the main menu does.
    void open(Dialog& dialog) { window.open_dialog(&dialog); }
    // One timer tick: a pending close happens and is reported.
    void tick() { window.tick(30); }

    GameApp app;
    AppWindow window;
    OpenerScreen opener;
};

// A click as the mouse makes it: the pointer comes from free space (the window's corner, where
// the test layouts put nothing) over the point, then the press and the release.
inline void click(Screen& screen, int x, int y) {
    screen.mouse_move(0, 0, 0);
    screen.mouse_move(x, y, 0);
    screen.left_button_down(x, y, 1);
    screen.left_button_up(x, y, 0);
}
