#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/keyboard_state.h"
#include "gfx/resource_set.h"
#include "gfx/view.h"
#include "sound/sound_bank.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "world/game_params.h"
#include "world/world_context.h"

// What the screens, the dialogs and the game use of the application: the pictures and the
// layout, the rules and keys, the sound, and the saving of the settings and the score tables.
// GameApp is the one there is; it adds the window's place, the world's sound events and the
// settings file itself.
class AppContext {
  public:
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

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
    bool m_sound = true;
    bool m_sound_classik = true;
    // The game rules, key bindings, custom-game choices, level set and score tables.
    GameParams config;
    // What the game world uses of the application: rules, keys, skin sprites, sound, files.
    WorldContext world{config, keyboard};
    int32_t m_music_volume = 3;  // 0..6; the player volume is the step x 17

    // dx.cfg among the player's files, written whenever a setting changes. False when it could
    // not be written.
    virtual bool save_settings() = 0;
    // Both score tables, written as soon as an entry is made.
    virtual bool save_scores() = 0;
    // Notes the outcome of a save of `what` ("the Top 7"): a failure is logged and becomes the
    // notice shown to the player (errno says why); a later success of the same save clears it.
    // Returns `saved`.
    virtual bool report_save(const char* what, bool saved) = 0;
    // The latest failed save, for the main menu to show; empty when every save went well.
    virtual const std::string& save_notice() const = 0;
    // Gives the world the current skin's sheet grids (after the skin changed).
    virtual void use_current_skin() = 0;

    // The game's font (empty until the resources are loaded).
    const Font* font() const { return resources ? &resources->font() : nullptr; }

  protected:
    AppContext() = default;
    ~AppContext() = default;
};
