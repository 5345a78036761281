// The player's settings file dx.cfg and, beside it, the two score tables.

#include <cerrno>
#include <cstdio>

#include "app/app_window.h"
#include "app/game_app.h"
#include "core/game_log.h"
#include "core/user_paths.h"
#include "platform/key_translation.h"
#include "storage/data_keys.h"
#include "storage/param_file.h"
#include "world/rules.h"

namespace {

constexpr char kSettingsName[] = "dx.cfg";
constexpr char kOldSettingsName[] = "d.cfg";
constexpr char kScoreName1[] = "scores1.tab";
constexpr char kScoreName2[] = "scores2.tab";

int read_int(const ParamFile& file, const char* key, const char* fallback) {
    return ParamFile::to_int(file.get(key, fallback));
}

// A switch reads 0 or 1; anything else (absent, damaged) takes the first-start value.
bool read_switch(const ParamFile& file, const char* key, bool first_start) {
    if (!file.contains(key)) {
        return first_start;
    }
    const int value = read_int(file, key, "0");
    return value == 0 || value == 1 ? value == 1 : first_start;
}

// A key the keyboard can send: a scan code the window system has a key for.
bool usable_scan_code(int code) {
    return code > 0 && code <= 255 && sdl_scancode_from_dik(code) != 0;
}

}  // namespace

bool GameApp::load_settings() {
    // The tables are the player's own records: they are read whatever became of the settings.
    config.m_scores[0].load(user_file(kScoreName1));
    config.m_scores[1].load(user_file(kScoreName2));

    ParamFile file;
    if (!file.load_file(user_file(kSettingsName), true, kSettingsKey)) {
        return false;
    }
    std::remove(user_file(kOldSettingsName).c_str());

    constexpr int kMaxWindowSide = 8192;
    m_window_width = read_int(file, "m_window_width", "0");
    m_window_height = read_int(file, "m_window_height", "0");
    m_music_volume = read_int(file, "m_music_volume", "3");
    x = read_int(file, "x", "0");
    y = read_int(file, "y", "0");
    config.load_keys(file);
    m_autosave = read_switch(file, "m_autosave", true);
    m_sound = read_switch(file, "m_sound", true);
    m_sound_classik = read_switch(file, "m_sound_classik", true);
    const int skin = read_int(file, "m_current_skin", "0");

    // A damaged or hand-edited file must not leave the game unusable: every value missing or
    // out of range takes what a first start would have.
    // Past 8192 the window system and the GL driver refuse (or try to allocate gigabytes).
    if (m_window_width < 320 || m_window_height < 240 || m_window_width > kMaxWindowSide ||
        m_window_height > kMaxWindowSide) {
        m_window_width = 800;
        m_window_height = 600;
    }
    if (m_music_volume < 0)
        m_music_volume = 0;
    if (m_music_volume > 6)
        m_music_volume = 6;
    if (config.m_custom_type_game != 0 && config.m_custom_type_game != 1) {
        config.m_custom_type_game = 0;
    }
    if (config.m_custom_kind_game != 0 && config.m_custom_kind_game != 1) {
        config.m_custom_kind_game = 0;
    }
    if (config.m_custom_level_num < 1 || config.m_custom_level_num > kLevelsPerSet) {
        config.m_custom_level_num = 1;
    }
    // Each playing key on its own: one lost binding must not cost the others.
    GameParams defaults;
    defaults.set_default_keys();
    const struct {
        const char* key;
        int32_t GameParams::*member;
    } keys[] = {{"m_left_key", &GameParams::m_left_key}, {"m_right_key", &GameParams::m_right_key},
                {"m_up_key", &GameParams::m_up_key},     {"m_down_key", &GameParams::m_down_key},
                {"m_fire_key", &GameParams::m_fire_key}, {"m_die_key", &GameParams::m_die_key}};
    for (const auto& k : keys) {
        if (!file.contains(k.key) || !usable_scan_code(config.*k.member)) {
            config.*k.member = defaults.*k.member;
        }
    }
    const int skins = resources ? resources->skin_count() : m_skins_count;
    if (resources) {
        resources->set_current_skin(skin >= 0 && skin < skins ? skin : 0);
    }
    return true;
}

bool GameApp::save_settings() {
    ParamFile file;
    file.set_int("m_window_width", m_window_width);
    file.set_int("m_window_height", m_window_height);
    file.set_int("m_music_volume", m_music_volume);
    int left = x, top = y;
    if (window && window->has_window()) {
        window->window_position(left, top);
    }
    file.set_int("x", left);
    file.set_int("y", top);
    file.set_int("m_autosave", m_autosave ? 1 : 0);
    file.set_int("m_sound", m_sound ? 1 : 0);
    file.set_int("m_sound_classik", m_sound_classik ? 1 : 0);
    file.set_int("m_current_skin", resources ? resources->current_skin() : 0);
    config.save_keys(file);
    return report_save("the settings", file.save(user_file(kSettingsName), kSettingsKey));
}

bool GameApp::save_scores() {
    const bool first = config.m_scores[0].save(user_file(kScoreName1));
    const int first_error = errno;
    const bool second = config.m_scores[1].save(user_file(kScoreName2));
    if (!first) {
        errno = first_error;
    }
    return report_save("the Top 7", first && second);
}
