#pragma once

#include "sprite_sheet.h"

// The runner's sheet: eight animations in the order of the runner's states' groups (standing,
// run right, run left, falling, climb up, climb down, rope right, rope left), each a full
// cycle. Pale colours, because the guards are the same pictures tinted magenta.
constexpr int kRunnerFrames = 16;
constexpr int kRunnerGroups = 8;
constexpr int kRunnerPixels = 32;

SpriteSheet build_runner_sheet();
// One picture of the sheet at four times its resolution (128 x 128), for the menu art.
Canvas runner_picture(int group, int frame);
