#pragma once

#include <string>

class AppWindow;
class MainMenu;

// Where the script's named things are: a control of the dialog on top by the layout name of
// its position ("m_od_close_btn", "m_end_edit", "m_t7d_close_btn"; the options dialog's
// volume boxes are "m_od_volume0" ... "m_od_volume6"), else a main menu button by its layout
// name ("m_zelm1_game_btn"). Gives the control's centre in 800x600 coordinates;
// false when nothing of that name is on the screen.
bool find_target(const AppWindow& window, MainMenu& menu, const std::string& name, long& x,
                 long& y);

// The kind of the dialog on top ("options", "game_over", "top7", "help", "new_game",
// "custom_game"), "none" without one, "other" for one the menu did not open.
std::string top_dialog_name(const AppWindow& window, const MainMenu& menu);
