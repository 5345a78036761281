#pragma once

#include <memory>

#include "ui/main_menu.h"

class AppWindow;
class GameApp;
class InstanceLock;

// The start-up and shutdown steps the program shares with the tools that drive it, so both run
// the same game.

// Before anything reads or writes the player's files: takes the lock that keeps a second copy
// of the game off them, then removes what saves killed half-way left behind. False when
// another copy holds the lock; it has then been said on stderr and, with `message_box`, in a
// message box.
bool claim_user_files(InstanceLock& lock, bool message_box);
// A signal or a lost display ends the program through its shutdown, with everything saved.
// `end_on_signals` goes before the window system starts, `save_when_display_lost` after.
void end_on_signals();
void save_when_display_lost(GameApp& app);

// The window where the settings put it (kept on the desktop).
std::unique_ptr<AppWindow> open_program_window(GameApp& app);
// Saves the game through the window's main menu, if it has one (every level start, a lost
// display).
void save_through_menu(const AppWindow& window);
// The game and dialogs the main menu creates; every level start saves the game.
MenuPlugins make_menu_plugins(GameApp& app, AppWindow& window);
// What is loaded while the intro shows: pictures, then the sound effects.
void load_game_resources(GameApp& app);
// After the message loop: the game and the settings are saved, the desktop gets its display
// mode back and the window goes.
void close_program(AppWindow& window, GameApp& app, std::unique_ptr<MainMenu>& menu);
