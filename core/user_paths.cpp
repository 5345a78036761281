#include "core/user_paths.h"

#include <SDL.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

GamePaths& current_paths() {
    static GamePaths paths;
    return paths;
}

std::string absolute(const std::string& path) {
    std::error_code error;
    const fs::path made = fs::absolute(path, error);
    return error ? path : made.lexically_normal().string();
}

std::string without_final_slash(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

bool present(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

}  // namespace

GamePaths decide_paths(const std::string& exe_dir, const PathChoices& choices,
                       const std::function<std::string()>& pref_dir) {
    const fs::path exe = exe_dir;
    const fs::path portable_data = exe / "data";
    const fs::path installed_data = (exe / ".." / "share" / "quarrik").lexically_normal();

    GamePaths paths;
    paths.layout = !present(portable_data / "data.pk") && present(installed_data)
                       ? FileLayout::installed
                       : FileLayout::portable;
    const bool installed = paths.layout == FileLayout::installed;

    paths.data_dir = !choices.data_dir.empty() ? absolute(without_final_slash(choices.data_dir))
                     : installed               ? installed_data.string()
                                               : portable_data.string();
    if (!choices.user_dir.empty()) {
        paths.user_dir = absolute(without_final_slash(choices.user_dir));
    } else if (installed) {
        paths.user_dir = without_final_slash(pref_dir ? pref_dir() : std::string());
    } else {
        paths.user_dir = portable_data.string();
    }
    // The portable game keeps its log beside the executable; elsewhere it is one of the
    // player's files.
    const bool log_beside_game = !installed && choices.user_dir.empty();
    paths.log_path = log_beside_game          ? (exe / "game.log").string()
                     : paths.user_dir.empty() ? std::string()
                                              : paths.user_dir + "/game.log";
    return paths;
}

const GamePaths& game_paths() {
    return current_paths();
}

void set_game_paths(const GamePaths& paths) {
    current_paths() = paths;
}

std::string data_file(const std::string& name) {
    return game_paths().data_dir + "/" + name;
}

std::string user_file(const std::string& name) {
    return game_paths().user_dir + "/" + name;
}

std::string executable_dir() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return std::string();
    }
    path[n] = '\0';
    return fs::path(path).parent_path().string();
}

std::string per_user_dir() {
    char* pref = SDL_GetPrefPath("", "quarrik");
    if (!pref) {
        return std::string();
    }
    std::string dir = without_final_slash(pref);
    SDL_free(pref);
    return dir;
}
