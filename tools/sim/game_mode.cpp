// quarrik-sim --game: a whole game session headless (level reveal, play, deaths, the dissolve
// between levels, level changes and the end of the game), one JSON line per tick.

#include "tools/sim/game_mode.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/game_app.h"
#include "game/game_field.h"
#include "world/sim_support.h"

namespace {

const char* phase_of(const GameField& field) {
    if (field.is_game_over())
        return "over";
    if (field.reveal())
        return "reveal";
    if (field.message())
        return "message";
    if (field.dying())
        return "dying";
    return "play";
}

}  // namespace

int run_game_mode(const std::string& game_dir, int set, int level, unsigned seed, long ticks,
                  const KeyScript& script) {
    // The application reads its archive and the rules relative to the game directory.
    if (!game_dir.empty() && chdir(game_dir.c_str()) != 0) {
        std::fprintf(stderr, "quarrik-sim: cannot enter %s\n", game_dir.c_str());
        return 1;
    }
    GameApp app;
    auto device = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard* keys = device.get();
    app.keyboard.create(std::move(device));
    app.config.m_game_kind = set - 1;

    std::srand(seed);
    GameField field(app);
    if (level != 1) {
        field.start_level(level);
    }
    for (long tick = 1; tick <= ticks; ++tick) {
        keys->hold(script.held_at(static_cast<int>(tick)));
        field.tick(30);
        const Runner* runner = field.runner();
        std::printf(
            "{\"tick\":%ld,\"phase\":\"%s\",\"level\":%d,\"lives\":%d,\"score\":%d,"
            "\"runner\":[%.2f,%.2f],\"dead\":%s,\"gold_left\":%d,\"guards\":%zu}\n",
            tick, phase_of(field), field.level(), field.lives(), field.score(),
            runner ? runner->pos().x : 0.0f, runner ? runner->pos().y : 0.0f,
            runner && runner->dead() ? "true" : "false",
            field.playfield() ? field.playfield()->gold_left() : 0, field.guards().size());
        if (field.is_game_over()) {
            break;
        }
    }
    return 0;
}
