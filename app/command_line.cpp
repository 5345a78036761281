#include "app/command_line.h"

#include "core/version.h"

CommandLine parse_command_line(int argc, const char* const* argv) {
    CommandLine line;
    for (int i = 1; i < argc && line.action != CommandLine::Action::bad; ++i) {
        const std::string arg = argv[i];
        // Both "--data-dir DIR" and "--data-dir=DIR".
        const auto value_of = [&](const char* option, std::string& out) {
            const std::string name = option;
            if (arg == name) {
                if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                    line.action = CommandLine::Action::bad;
                    line.error = name + " needs a folder";
                    return true;
                }
                out = argv[++i];
                return true;
            }
            if (arg.compare(0, name.size() + 1, name + "=") == 0 && arg.size() > name.size() + 1) {
                out = arg.substr(name.size() + 1);
                return true;
            }
            return false;
        };
        if (arg == "--help" || arg == "-h") {
            line.action = CommandLine::Action::help;
            return line;
        } else if (arg == "--version") {
            line.action = CommandLine::Action::version;
            return line;
        } else if (arg == "--fullscreen") {
            line.fullscreen = 1;
        } else if (arg == "--window") {
            line.fullscreen = 0;
        } else if (value_of("--data-dir", line.paths.data_dir) ||
                   value_of("--user-dir", line.paths.user_dir)) {
        } else {
            line.action = CommandLine::Action::bad;
            line.error = "unknown option " + arg;
        }
    }
    return line;
}

std::string usage_text() {
    return "Usage: quarrik [OPTION]...\n"
           "Quarrik, an arcade platform game: dig, dodge the guards, take every gold.\n"
           "\n"
           "  --fullscreen      start full screen\n"
           "  --window          start in a window (what every start does without --fullscreen)\n"
           "  --data-dir DIR    read the game's data (data.pk, sounds, music) from DIR\n"
           "  --user-dir DIR    keep settings, saved game, Top 7 tables and log in DIR\n"
           "  --help            show this help and exit\n"
           "  --version         show the version and exit\n";
}

std::string version_line() {
    return std::string("quarrik ") + game_version();
}
