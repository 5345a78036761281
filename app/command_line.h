#pragma once

#include <string>

#include "core/user_paths.h"

// What the player asked for on the command line.
struct CommandLine {
    enum class Action { play, help, version, bad };
    Action action = Action::play;
    // -1 as the settings say, 0 in a window (--window), 1 full screen (--fullscreen).
    int fullscreen = -1;
    PathChoices paths;
    std::string error;  // what was wrong, for Action::bad
};

CommandLine parse_command_line(int argc, const char* const* argv);

// The help text (ends with a line feed) and the one-line version ("quarrik 1.2.3").
std::string usage_text();
std::string version_line();
