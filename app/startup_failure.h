#pragma once

#include <string>

class PackArchive;

// Why the game cannot start, said where a player will see it: one line on stderr, the log
// (when it is open), and a message box where a display exists. Returns the exit status to
// leave with.
int report_startup_failure(const std::string& reason);

// What keeps the opened data archive at `path` from running the game (missing, unreadable,
// not an archive, cut short, without the layout or font file), or empty when nothing does.
std::string game_data_fault(const PackArchive& archive, const std::string& path);
