// quarrik-sim: plays one level headless and prints the state after every tick as JSON.
//
//   quarrik-sim [options] LEVEL_FILE
//   quarrik-sim [options] --set S --level N      level N of set S (1 or 2) from the archive
//
// Options:
//   --seed N       seeds the random generator before the level is loaded (default 1)
//   --ticks T      number of world ticks to run (default 100)
//   --keys FILE    key script: lines "TICK KEY KEY ...", the scan codes held from that tick on
//   --rules FILE   game rules (default "dat/zelm.txt" from the archive or the disk)
//   --archive PK   the data archive (default "data/data.pk"; loose files are used without it)
//   --game DIR     plays a whole game session (reveal, deaths, dissolves, level changes) from
//                  the game directory DIR with its archive, from --set S (--level N, default 1)
//
// One JSON object per line and tick: the runner's position, state, group and death, the score
// so far, the gold left, the exit row, whether the exit was reached, and each guard's position,
// move, target cell and whether it carries gold. The output depends only on the arguments.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/keyboard_state.h"
#include "core/user_paths.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"
#include "tools/sim/game_mode.h"
#include "tools/tool_args.h"
#include "world/game_params.h"
#include "world/playfield.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

constexpr char kUsage[] =
    "usage: quarrik-sim [--seed N] [--ticks T] [--keys FILE] [--rules FILE]\n"
    "                   [--archive PK] (LEVEL_FILE | --set S --level N)\n"
    "       quarrik-sim --game DIR --set S [--level N] [--seed N] [--ticks T] [--keys FILE]\n";

bool read_disk(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool parse_int(const char* text, long lo, long hi, long& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < lo || v > hi) {
        return false;
    }
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    long seed = 1;
    long ticks = 100;
    long set = 0;
    long level = 0;
    std::string keys_path;
    std::string rules_path;
    std::string archive_path = data_file("data.pk");
    std::string level_path;
    std::string game_dir;
    bool game_mode = false;
    const ToolArgs args(argc, argv, kUsage,
                        {{"--seed", true},
                         {"--ticks", true},
                         {"--set", true},
                         {"--level", true},
                         {"--keys", true},
                         {"--rules", true},
                         {"--game", true},
                         {"--archive", true}});
    if (args.done())
        return args.exit_code();
    auto usage = [&args](const char* why) {
        return args.refuse(std::string("quarrik-sim: ") + why);
    };
    for (const ToolArg& option : args.options()) {
        const std::string& arg = option.name;
        const char* value = option.value.c_str();
        if (arg == "--seed") {
            if (!parse_int(value, 0, 4294967295L, seed))
                return usage("bad --seed");
        } else if (arg == "--ticks") {
            if (!parse_int(value, 0, 100000000L, ticks))
                return usage("bad --ticks");
        } else if (arg == "--set") {
            if (!parse_int(value, 1, 2, set))
                return usage("--set is 1 or 2");
        } else if (arg == "--level") {
            if (!parse_int(value, 1, kLevelsPerSet, level))
                return usage("--level is 1..75");
        } else if (arg == "--keys") {
            keys_path = value;
        } else if (arg == "--rules") {
            rules_path = value;
        } else if (arg == "--game") {
            game_mode = true;
            game_dir = value;
        } else if (arg == "--archive") {
            archive_path = value;
        }
    }
    if (args.words().size() > 1)
        return usage("one level file at most");
    if (!args.words().empty())
        level_path = args.words()[0];
    if (game_mode) {
        if (set == 0) {
            return usage("--game needs --set");
        }
        KeyScript game_script;
        std::string text;
        if (!keys_path.empty() && (!read_disk(keys_path, text) || !game_script.parse(text))) {
            std::fprintf(stderr, "quarrik-sim: bad key script %s\n", keys_path.c_str());
            return 1;
        }
        return run_game_mode(game_dir, static_cast<int>(set),
                             level == 0 ? 1 : static_cast<int>(level), static_cast<unsigned>(seed),
                             ticks, game_script);
    }
    if (level_path.empty() == (set == 0 || level == 0)) {
        return usage("give a level file or --set and --level");
    }

    PackArchive archive;
    archive.set_key(kPackKey);
    archive.open(archive_path);  // without it every name is read from the disk

    GameParams params;
    std::string rules_text;
    if (!rules_path.empty()) {
        if (!read_disk(rules_path, rules_text)) {
            std::fprintf(stderr, "quarrik-sim: cannot read rules %s\n", rules_path.c_str());
            return 1;
        }
    } else {
        const PackEntry entry = archive.read_file("dat/zelm.txt");
        if (entry.empty()) {
            std::fprintf(stderr, "quarrik-sim: cannot read dat/zelm.txt\n");
            return 1;
        }
        rules_text.assign(entry.text());
    }
    ParamFile rules;
    rules.load_memory(rules_text.data(), rules_text.size(), true);
    params.load_rules(rules);

    KeyScript script;
    if (!keys_path.empty()) {
        std::string text;
        std::string error;
        if (!read_disk(keys_path, text)) {
            std::fprintf(stderr, "quarrik-sim: cannot read key script %s\n", keys_path.c_str());
            return 1;
        }
        if (!script.parse(text, &error)) {
            std::fprintf(stderr, "quarrik-sim: %s: %s\n", keys_path.c_str(), error.c_str());
            return 1;
        }
    }

    auto device = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard* keys = device.get();
    KeyboardState keyboard;
    keyboard.create(std::move(device));

    WorldContext ctx(params, keyboard);
    WorldRun run(ctx);
    std::srand(static_cast<unsigned>(seed));
    if (!level_path.empty()) {
        std::string bytes;
        if (!read_disk(level_path, bytes)) {
            std::fprintf(stderr, "quarrik-sim: cannot read level %s\n", level_path.c_str());
            return 1;
        }
        run.start(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    } else {
        params.m_game_kind = static_cast<int32_t>(set - 1);
        ctx.read_file = [&archive](const std::string& name, std::vector<uint8_t>& out) {
            const PackEntry entry = archive.read_file(name);
            if (!entry.data) {
                return false;
            }
            out.assign(entry.data.get(), entry.data.get() + entry.size);
            return true;
        };
        if (!run.start_level(static_cast<int>(level))) {
            std::fprintf(
                stderr, "quarrik-sim: cannot read %s\n",
                Playfield::level_path(params.m_game_kind, static_cast<int>(level)).c_str());
            return 1;
        }
    }

    for (int tick = 1; tick <= ticks; ++tick) {
        keys->hold(script.held_at(tick));
        keyboard.poll();
        run.tick();
        std::printf("%s\n", tick_json(tick, run).c_str());
    }
    return 0;
}
