#pragma once

#include <functional>
#include <memory>

#include "ui/main_menu.h"

class AppWindow;
class GameApp;

// The start of the menus: the intro is pushed and shown for one frame while `load` runs (the
// resources), then the main menu takes its place as the bottom screen and picks up any saved
// game. The caller owns the returned menu and keeps it for the whole run.
std::unique_ptr<MainMenu> show_intro_then_menu(AppWindow& window, GameApp& app, MenuPlugins plugins,
                                               const std::function<void()>& load);

// The end of the menus: the game is saved, the menu leaves the stack and is deleted.
void close_menu(AppWindow& window, std::unique_ptr<MainMenu>& menu);
