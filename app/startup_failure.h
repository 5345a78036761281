#pragma once

#include <string>

// Why the game cannot start, said where a player will see it: one line on stderr, the log
// (when it is open), and a message box where a display exists. Returns the exit status to
// leave with.
int report_startup_failure(const std::string& reason);
