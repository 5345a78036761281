#pragma once

#include <memory>

#include "ui/main_menu.h"

class AppWindow;
class GameApp;

// The start-up and shutdown steps the program shares with the tools that drive it, so both run
// the same game.

// The window where the settings put it (kept on the desktop), with its display-switch hooks.
std::unique_ptr<AppWindow> open_program_window(GameApp& app);
// Every level start saves the game through the main menu, once there is one.
void install_level_start_save();
// The game and dialogs the main menu creates.
MenuPlugins make_menu_plugins(GameApp& app);
// What is loaded while the intro shows: pictures, then the sound effects.
void load_game_resources(GameApp& app);
// After the message loop: the game and the settings are saved, the desktop gets its display
// mode back and the window goes.
void close_program(AppWindow& window, GameApp& app, std::unique_ptr<MainMenu>& menu);
