#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/keyboard_state.h"
#include "game/world_sounds.h"
#include "gfx/resource_set.h"
#include "gfx/view.h"
#include "sound/sound_bank.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "world/game_params.h"
#include "world/world_context.h"

// The single application object: what the game owns for the whole run, handed to what needs
// it. The window and its stacks live in AppWindow.
class AppWindow;

class GameApp {
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

    View view;
    PackArchive archive;
    ParamFile layout;  // positions and images of screens and dialogs ("mui/menu.txt")
    int32_t m_skins_count = 0;
    std::unique_ptr<ResourceSet> resources;
    KeyboardState keyboard;

    int32_t back_key = 27;  // leaves the play screen for the main menu
    int32_t hide_key = 13;  // minimises the game
    bool m_autosave = true;
    SoundBank sound;
    // The world's sound events, played from the bank.
    WorldSounds world_sounds{sound};
    bool m_sound = true;
    bool m_sound_classik = true;
    // The game rules, key bindings, custom-game choices, level set and score tables.
    GameParams config;
    // What the game world uses of the application: rules, keys, skin sprites, sound, files.
    WorldContext world{config, keyboard};
    int32_t m_music_volume = 3;  // 0..6; the player volume is the step x 17
    // The program's window while one exists: the settings keep where it is.
    const AppWindow* window = nullptr;

    // dx.cfg among the player's files: read before the window exists, written whenever a setting
    // changes and at shutdown. Loading also reads the score tables, whether or not the settings
    // file was there. False when there was no settings file to read or it could not be written.
    bool load_settings();
    bool save_settings();
    // Both score tables, written as soon as an entry is made and at shutdown.
    bool save_scores();
    // Notes the outcome of a save of `what` ("the Top 7"): a failure is logged and becomes the
    // notice shown to the player (errno says why); a later success of the same save clears it.
    // Returns `saved`.
    bool report_save(const char* what, bool saved);
    // The latest failed save, for the main menu to show; empty when every save went well.
    const std::string& save_notice() const { return m_save_notice; }
    // Loads every picture (and points the world at the current skin's sprites).
    void load_resources();
    // Gives the world the current skin's sheet grids (after the skin changed).
    void use_current_skin();

    // The game's font (empty until the resources are loaded).
    const Font* font() const { return resources ? &resources->font() : nullptr; }

  private:
    std::string m_save_notice;
    std::string m_failed_save;  // what the notice is about
};
