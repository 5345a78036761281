#include "layout.h"

namespace layout {

namespace {

void pos(std::vector<Entry>& e, const std::string& key, int x, int y,
         const std::string& x_suffix = "x", const std::string& y_suffix = "y") {
    e.push_back({key + x_suffix, std::to_string(x)});
    e.push_back({key + y_suffix, std::to_string(y)});
}

void rect(std::vector<Entry>& e, const std::string& prefix, const Rect& r) {
    e.push_back({prefix + "x", std::to_string(r.x)});
    e.push_back({prefix + "y", std::to_string(r.y)});
    e.push_back({prefix + "width", std::to_string(r.w)});
    e.push_back({prefix + "height", std::to_string(r.h)});
}

int row(int n) {
    return kRow0 + n * kRowStep;
}

}  // namespace

std::vector<Entry> entries() {
    std::vector<Entry> e;
    // Pictures of the controls.
    e.push_back({"m_zelm1_game_btn", "mui/new_game1_btn.tga"});
    e.push_back({"m_zelm2_game_btn", "mui/new_game2_btn.tga"});
    e.push_back({"m_continue_single_game_btn", "mui/continue_btn.tga"});
    e.push_back({"m_quit_game_btn", "mui/quit_btn.tga"});
    e.push_back({"m_help_btn", "mui/help_btn.tga"});
    e.push_back({"m_top7_btn", "mui/top7_1_btn.tga"});
    e.push_back({"m_top7_btn2", "mui/top7_2_btn.tga"});
    e.push_back({"m_options_btn", "mui/options_btn.tga"});
    e.push_back({"m_play_custom_btn", "mui/custom_btn.tga"});
    e.push_back({"m_mini_btn", "mui/mini_btn.tga"});
    e.push_back({"m_fullscreen_btn", "mui/fullscreen_btn.tga"});
    e.push_back({"m_ok_btn", "mui/ok_btn.tga"});
    e.push_back({"m_cancel_btn", "mui/cancel_btn.tga"});
    e.push_back({"m_close_btn", "mui/close_btn.tga"});
    e.push_back({"m_radio_btn", "mui/radio.tga"});
    e.push_back({"m_enter_name_editbox", "mui/name_editbox.tga"});
    e.push_back({"m_enter_level_num_editbox", "mui/level_editbox.tga"});

    // Main menu: two columns of game buttons, quit below them, window buttons top right.
    pos(e, "m_zelm1_game_btn", kColumn1, row(0));
    pos(e, "m_zelm2_game_btn", kColumn1, row(1));
    pos(e, "m_play_custom_btn", kColumn1, row(2));
    pos(e, "m_continue_single_game_btn", kColumn1, row(3));
    pos(e, "m_mm_top7_1_btn", kColumn2, row(0));
    pos(e, "m_mm_top7_2_btn", kColumn2, row(1));
    pos(e, "m_options_btn", kColumn2, row(2));
    pos(e, "m_help_btn", kColumn2, row(3));
    pos(e, "m_quit_game_btn", (kColumn1 + kColumn2) / 2, row(4));
    pos(e, "m_mm_fullscreen_btn", 800 - 12 - 2 * kSmallButton.w - 8, 12);
    pos(e, "m_mini_btn", 800 - 12 - kSmallButton.w, 12);

    // Dialog rectangles.
    rect(e, "m_nd_", kNewGame);
    rect(e, "m_hd_", kHelp);
    rect(e, "m_od_", kOptions);
    rect(e, "m_cgd_", kCustom);

    // New game: OK and Cancel under the question.
    pos(e, "m_ngd_ok_btn", 56, 140);
    pos(e, "m_ngd_cancel_btn", kNewGame.w - 56 - kDialogButton.w, 140);

    // Custom game.
    pos(e, "m_cgd_game_type1_radio", 30, 96);
    pos(e, "m_cgd_game_type2_radio", 262, 96);
    pos(e, "m_cgd_game_kind1_radio", 30, 148);
    pos(e, "m_cgd_game_kind2_radio", 262, 148);
    pos(e, "m_cgd_level_num", 30, 238);
    pos(e, "m_cgd_ok_btn", 56, 312);
    pos(e, "m_cgd_cancel_btn", kCustom.w - 56 - kDialogButton.w, 312);

    // Options.
    pos(e, "m_od_autosave_chb", kOptTickX, kOptAutosaveY);
    pos(e, "m_od_sound_chb", kOptTickX, kOptSoundY);
    pos(e, "m_od_sound_classik_chb", kOptTickX, kOptClassicY);
    pos(e, "m_od_skin_down_btn", kOptSkinDownX, kOptSkinY);
    pos(e, "m_od_skin_up_btn", kOptSkinUpX, kOptSkinY);
    pos(e, "m_od_skin_", kOptPreviewX, kOptSkinY + kSkinArrow.h / 2);
    const char* keys[] = {"left", "right", "up", "down", "fire", "die"};
    for (int i = 0; i < 6; ++i) {
        pos(e, std::string("m_od_") + keys[i] + "_key_", kOptKeysX, kOptKeysY + i * kOptKeyStep);
    }
    pos(e, "m_od_close_btn", kOptions.w - 30 - kDialogButton.w, kOptions.h - 10 - kDialogButton.h);

    // Help: close in the middle at the bottom, the page arrows to its right.
    pos(e, "m_hd_close_btn", (kHelp.w - kDialogButton.w) / 2, kHelp.h - 60);
    pos(e, "m_hd_up_btn", kHelp.w - 150, kHelp.h - 64);
    pos(e, "m_hd_down_btn", kHelp.w - 90, kHelp.h - 64);

    // Game over and Top 7 cover the whole screen.
    pos(e, "m_end_edit", (800 - kNameBox.w) / 2, 320);
    pos(e, "m_end_close_btn", (800 - kDialogButton.w) / 2, 500);
    pos(e, "m_t7d_close_btn", (800 - kDialogButton.w) / 2, 538);
    return e;
}

std::string menu_text() {
    std::string text =
        "// Layout of the menus and dialogs: pictures of the controls, positions (top-left\n"
        "// corners; inside a dialog relative to the dialog) and dialog rectangles.\n";
    for (const Entry& e : entries()) {
        text += e.key + " " + e.value + "\n";
    }
    return text;
}

}  // namespace layout
