#pragma once

#include <string>
#include <vector>

// One line of a driver script.
enum class StepKind {
    ticks,         // ticks N
    key,           // key VK: a window key pressed and released
    hold,          // hold DIK: a polled game key goes down
    release,       // release DIK
    type,          // type TEXT: characters typed
    move,          // move X Y (logical 800x600 coordinates)
    click,         // click X Y, or click NAME (a main menu button by its layout name)
    seed,          // seed N
    shot,          // shot FILE.png
    state,         // state: one line about the screens and the game on standard output
    assert_file,   // assert_file PATH
    assert_pixel,  // assert_pixel X Y R G B TOL
    signal,        // signal N: the driver sends itself signal N (9 kills it on the spot)
    pad,           // pad attach|detach|press B|hold B|release B|stick X Y
};

struct Step {
    StepKind kind = StepKind::ticks;
    int line = 0;
    std::vector<long> numbers;
    std::string text;  // the text to type, a file or a button name
};

// Reads a script: one step per line; blank lines and lines starting with '#' are skipped.
// On a malformed line returns false with `error` naming the line.
bool parse_script(const std::string& source, std::vector<Step>& steps, std::string& error);
