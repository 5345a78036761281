#include "app/game_app.h"

#include <cstdlib>

#include "platform/clock.h"

namespace {

GameApp* g_app = nullptr;

}  // namespace

GameApp::GameApp() {
    std::srand(static_cast<unsigned>(platform::milliseconds_since_boot()));
    g_app = this;
}

GameApp::~GameApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

GameApp& game_app() {
    return *g_app;
}
bool has_game_app() {
    return g_app != nullptr;
}
