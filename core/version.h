#pragma once

// The game's version ("1.54.0"), set once in the build's project version; the menu, --version
// and the installed metadata all carry it.
const char* game_version();
