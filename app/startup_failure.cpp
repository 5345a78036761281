#include "app/startup_failure.h"

#include <SDL.h>

#include <cstdio>

#include "core/game_log.h"

int report_startup_failure(const std::string& reason) {
    std::fprintf(stderr, "quarrik: %s\n", reason.c_str());
    game_log().write("Cannot start: %s", reason.c_str());
    // Without a display this fails at once, and stderr has said it already.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quarrik cannot start", reason.c_str(), nullptr);
    return 1;
}
