#pragma once

#include <cstdint>
#include <string>

#include "game/world_sounds.h"
#include "ui/app_context.h"

// The single application object: what the game owns for the whole run, handed to what needs
// it (the screens and the game as their AppContext). The window and its stacks live in
// AppWindow.
class AppWindow;

class GameApp final : public AppContext {
  public:
    GameApp();
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Window geometry used when the window is created (settings keys of the same names; "x",
    // "y"; 0, 0 means centre on the desktop).
    int32_t m_window_width = 800;
    int32_t m_window_height = 600;
    int32_t x = 0;
    int32_t y = 0;

    // The world's sound events, played from the bank.
    WorldSounds world_sounds{sound};
    // The program's window while one exists: the settings keep where it is.
    const AppWindow* window = nullptr;

    // dx.cfg among the player's files: read before the window exists, written whenever a setting
    // changes and at shutdown. Loading also reads the score tables, whether or not the settings
    // file was there. False when there was no settings file to read or it could not be written.
    bool load_settings();
    bool save_settings() override;
    // Both score tables, written as soon as an entry is made and at shutdown.
    bool save_scores() override;
    bool report_save(const char* what, bool saved) override;
    const std::string& save_notice() const override { return m_save_notice; }
    // Loads every picture (and points the world at the current skin's sprites).
    void load_resources();
    void use_current_skin() override;

  private:
    std::string m_save_notice;
    std::string m_failed_save;  // what the notice is about
};
