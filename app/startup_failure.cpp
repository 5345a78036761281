#include "app/startup_failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/game_log.h"
#include "platform/process_end.h"
#include "storage/pack_archive.h"

int report_startup_failure(const std::string& reason) {
    std::fprintf(stderr, "quarrik: %s\n", reason.c_str());
    game_log().write("Cannot start: %s", reason.c_str());
    // Without a display this does nothing, and stderr has said it already.
    platform::show_error_box("Quarrik cannot start", reason.c_str());
    return 1;
}

std::string game_data_fault(const PackArchive& archive, const std::string& path) {
    if (archive.archive_path().empty()) {
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            return "the game data " + path + " is missing; reinstall the game";
        }
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const std::string why = f ? "it is not a Quarrik data archive" : std::strerror(errno);
        if (f) {
            std::fclose(f);
        }
        return "cannot read the game data " + path + ": " + why;
    }
    if (!archive.complete()) {
        return "the game data " + path +
               " is damaged (cut short or overwritten); reinstall the game";
    }
    // Without these two nothing can be shown: every screen is placed by the layout and
    // every word is drawn in the font.
    for (const char* name : {"mui/menu.txt", "mui/font.tga"}) {
        if (archive.find(name) < 0 && !std::filesystem::exists(name)) {
            return std::string("the file ") + name + " is missing from the game data " + path;
        }
    }
    return std::string();
}
