#include "app/game_app.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/game_log.h"
#include "core/user_paths.h"
#include "game/world_skin.h"
#include "platform/clock.h"
#include "storage/data_keys.h"

GameApp::GameApp() {
    std::srand(static_cast<unsigned>(platform::milliseconds_since_boot()));

    // A missing archive is no error: every file is then looked up on disk.
    archive.set_key(kPackKey);
    archive.open(data_file("data.pk"));

    ParamFile params;
    PackEntry param_text = archive.read_file("dat/param.txt");
    params.load_memory(param_text.data.get(), param_text.size, true);
    PackEntry layout_text = archive.read_file("mui/menu.txt");
    layout.load_memory(layout_text.data.get(), layout_text.size, true);
    m_skins_count = ParamFile::to_int(params.get("m_skins_count", "0"));
    resources = std::make_unique<ResourceSet>(archive, layout, m_skins_count);

    ParamFile rules;
    PackEntry rules_text = archive.read_file("dat/zelm.txt");
    rules.load_memory(rules_text.data.get(), rules_text.size, true);
    config.load_rules(rules);

    world.sound = &world_sounds;
    world.sound_classic = m_sound_classik;
    world.read_file = [this](const std::string& name, std::vector<uint8_t>& out) {
        PackEntry entry = archive.read_file(name);
        if (!entry.data) {
            return false;
        }
        out.assign(entry.data.get(), entry.data.get() + entry.size);
        return true;
    };
}

GameApp::~GameApp() = default;

void GameApp::load_resources() {
    resources->load_all();
    use_current_skin();
}

void GameApp::use_current_skin() {
    ::use_current_skin(world, *resources);
}

namespace {

// What the player is told about a failed save: the common causes in his words.
std::string save_failure_reason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return "disk full";
        case EACCES:
        case EPERM:
        case EROFS:
            return "no permission";
        default:
            return std::strerror(error);
    }
}

}  // namespace

bool GameApp::report_save(const char* what, bool saved) {
    if (saved) {
        if (m_failed_save == what) {
            m_failed_save.clear();
            m_save_notice.clear();
        }
        return true;
    }
    const int error = errno;
    m_failed_save = what;
    m_save_notice = std::string("Could not save ") + what + ": " + save_failure_reason(error);
    game_log().write("%s (%s)", m_save_notice.c_str(), std::strerror(error));
    return false;
}
