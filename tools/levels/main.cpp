// quarrik-levels: proves that level files can be finished, tabulates them and draws them.
//   quarrik-levels check [--dir DIR] [FILES]   exit 1 when any level cannot be finished
//   quarrik-levels stats [--dir DIR] [FILES]   a table per level (Markdown)
//   quarrik-levels render OUT.png [--dir DIR] [--cell N] [FILES]
//   quarrik-levels bot [--dir DIR] [--set S] [--level N] [--seeds K] [--lives L] [--retries R]
//                  [--first] [--markdown] [FILES]   plays the levels with the guards active
//                  (exit 1 when one is not finished); R goings back per life (default 20);
//                  --first stops a level at its first finished seed; --markdown prints table rows
//   quarrik-levels fair [--dir DIR] [--set S] [--level N] [--seeds K] [FILES]   the runner
//                  lets the guards go and stands still for five seconds, seeds 1..K (default 5):
//                  exit 1 when a guard catches him
// Without FILES the two level sets under DIR (default "assets/dat") are used.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "levels/fair_start.h"
#include "levels/level_bot.h"
#include "levels/level_checker.h"
#include "levels/level_variety.h"
#include "png_image.h"
#include "storage/param_file.h"
#include "tools/tool_args.h"
#include "world/game_params.h"
#include "world/rules.h"

namespace {

struct Options {
    std::string dir = "assets/dat";
    int cell = 4;
    int set = 0;    // 0: both sets
    int level = 0;  // 0: every level
    int seeds = 3;
    bool seeds_given = false;
    int lives = 4;
    int retries = 20;
    bool markdown = false;  // bot: table rows instead of lines
    bool first = false;     // bot: no seeds played after the first that finishes
    std::vector<std::string> files;
    std::vector<std::string> rest;
};

const std::vector<ToolOption> kOptions = {
    {"--markdown", false}, {"--first", false}, {"--dir", true},
    {"--cell", true},      {"--set", true},    {"--level", true},
    {"--seeds", true},     {"--lives", true},  {"--retries", true}};

bool parse_options(const ToolArgs& args, Options& options) {
    for (const ToolArg& option : args.options()) {
        const std::string& arg = option.name;
        if (arg == "--markdown" || arg == "--first") {
            (arg == "--markdown" ? options.markdown : options.first) = true;
        } else if (arg == "--dir" || arg == "--cell") {
            if (arg == "--dir")
                options.dir = option.value;
            else
                options.cell = std::max(1, std::atoi(option.value.c_str()));
        } else {
            const int value = std::atoi(option.value.c_str());
            const bool ok = arg == "--set"     ? value >= 1 && value <= 2
                            : arg == "--level" ? value >= 1 && value <= kLevelsPerSet
                                               : value >= 1 && value <= 1000;
            if (!ok) {
                std::fprintf(stderr, "bad value for %s\n", arg.c_str());
                return false;
            }
            options.seeds_given |= arg == "--seeds";
            (arg == "--set"     ? options.set
             : arg == "--level" ? options.level
             : arg == "--seeds" ? options.seeds
             : arg == "--lives" ? options.lives
                                : options.retries) = value;
        }
    }
    // The first word is the command.
    options.files.assign(args.words().begin() + (args.words().empty() ? 0 : 1), args.words().end());
    return true;
}

std::string level_path(const std::string& dir, int set, int level) {
    char name[64];
    std::snprintf(name, sizeof name, "/levels%d_full/%02d.txt", set, level);
    return dir + name;
}

std::vector<std::string> level_files(const Options& options) {
    if (!options.files.empty())
        return options.files;
    std::vector<std::string> files;
    for (int set = 1; set <= 2; ++set)
        for (int level = 1; level <= kLevelsPerSet; ++level)
            if ((options.set == 0 || options.set == set) &&
                (options.level == 0 || options.level == level))
                files.push_back(level_path(options.dir, set, level));
    return files;
}

// "levels1_full/07.txt" reads as "1-07"; other names are shown as given.
std::string short_name(const std::string& path) {
    const size_t at = path.rfind("levels");
    if (at != std::string::npos && path.size() >= at + 19 && path.compare(at + 7, 6, "_full/") == 0)
        return std::string(1, path[at + 6]) + "-" + path.substr(at + 13, 2);
    return path;
}

// One number that grows with what the player has to do: the walk, the digging, the guards in the
// way and the gold to gather.
int difficulty(const LevelReport& r) {
    return r.route_length / 10 + 3 * std::max(0, r.route_digs) + 4 * r.guards + r.gold;
}

int run_check(const Options& options) {
    int failed = 0;
    const std::vector<std::string> files = level_files(options);
    for (const std::string& path : files) {
        const LevelReport report = check_level_file(path);
        if (report.finishable) {
            std::printf("%s: ok\n", path.c_str());
            continue;
        }
        ++failed;
        for (const std::string& problem : report.problems)
            std::printf("%s: FAIL: %s\n", path.c_str(), problem.c_str());
    }
    std::printf("%zu of %zu levels can be finished\n", files.size() - failed, files.size());
    return failed == 0 ? 0 : 1;
}

// The level's grid, or an empty one when the file cannot be read or parsed (the checker's
// columns already say why).
LevelGrid read_grid(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    LevelGrid grid;
    std::string error;
    if (!grid.parse(bytes.str(), error))
        grid.clear();
    return grid;
}

// One row per level: what the checker counts, and the columns that show how the levels differ
// (each level is compared with every level of both sets under DIR and with the files given).
int run_stats(const Options& options) {
    std::printf(
        "| level | gold | guards | ladders | hidden | ropes | digs | route | difficulty | "
        "bottom row | start row | mirror | most like |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    const std::vector<std::string> files = level_files(options);
    Options every = options;
    every.files.clear();
    every.set = every.level = 0;
    std::vector<std::string> others = level_files(every);
    std::vector<LevelGrid> other_grids;
    for (const std::string& path : others)
        other_grids.push_back(read_grid(path));
    int failed = 0;
    for (const std::string& path : files) {
        const LevelReport r = check_level_file(path);
        if (!r.finishable)
            ++failed;
        const LevelGrid grid = read_grid(path);
        const LevelVariety v = level_variety(grid);
        const std::string name = short_name(path);
        std::string like = "-";
        int best = -1;
        for (size_t i = 0; i < others.size(); ++i) {
            if (short_name(others[i]) == name || other_grids[i].runner_count() == 0)
                continue;
            const int similar = level_similarity(grid, other_grids[i]);
            if (similar > best) {
                best = similar;
                like = short_name(others[i]) + " (" + std::to_string(similar) + "%)";
            }
        }
        std::printf("| %s | %d | %d | %d | %d | %d | %s | %s | %s | %s | %d | %d%% | %s |\n",
                    name.c_str(), r.gold, r.guards, r.ladders, r.hidden_ladders, r.ropes,
                    r.route_digs < 0 ? "-" : std::to_string(r.route_digs).c_str(),
                    r.route_length < 0 ? "-" : std::to_string(r.route_length).c_str(),
                    r.finishable ? std::to_string(difficulty(r)).c_str() : "FAIL", v.bottom.c_str(),
                    v.start_row, v.mirror_percent, like.c_str());
    }
    return failed == 0 ? 0 : 1;
}

uint32_t cell_colour(char c) {
    switch (c) {
        case 'T':
            return 0xA84A2A;
        case 'M':
            return 0x7C7C88;
        case 'U':
            return 0xD08040;
        case 'H':
            return 0xE0C850;
        case '#':
            return 0x50D8D8;
        case '-':
            return 0xC8C8C8;
        case '*':
            return 0xFFD700;
        case '!':
            return 0x40FF40;
        case '$':
            return 0xFF40FF;
        default:
            return 0x141428;
    }
}

// One cell: bricks and blocks fill it, ladders are two rails and a rung, ropes a line, gold and
// actors a smaller square; false bricks carry a dark dot so they stand out from real ones.
void draw_cell(RgbImage& image, int x, int y, int s, char c) {
    const uint32_t colour = cell_colour(c);
    switch (c) {
        case 'T':
        case 'M':
        case 'U':
            image.fill(x, y, s, s, colour);
            if (c == 'U')
                image.fill(x + s / 3, y + s / 3, std::max(1, s / 3), std::max(1, s / 3), 0);
            if (c == 'T' && s >= 4)
                image.fill(x, y + s - 1, s, 1, 0x602010);
            break;
        case 'H':
        case '#':
            image.fill(x, y, 1, s, colour);
            image.fill(x + s - 1, y, 1, s, colour);
            image.fill(x, y + s / 2, s, 1, colour);
            break;
        case '-':
            image.fill(x, y + s / 4, s, std::max(1, s / 6), colour);
            break;
        case '*':
        case '!':
        case '$':
            image.fill(x + s / 5, y + s / 5, s - 2 * (s / 5), s - 2 * (s / 5), colour);
            break;
        default:
            break;
    }
}

bool read_file(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::stringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

int run_render(const Options& options) {
    if (options.files.empty()) {
        std::fprintf(stderr, "render needs the output file name\n");
        return 2;
    }
    Options sources = options;
    const std::string out = sources.files.front();
    sources.files.erase(sources.files.begin());
    const std::vector<std::string> files = level_files(sources);
    const int s = options.cell;
    const int per_row = 10;
    const int label = 5 * 2 + 4;
    const int tile_w = 32 * s + 8, tile_h = 22 * s + label + 6;
    const int rows = static_cast<int>((files.size() + per_row - 1) / per_row);
    RgbImage image(per_row * tile_w + 8, rows * tile_h + 8, 0x303040);
    for (size_t i = 0; i < files.size(); ++i) {
        const int x0 = 8 + static_cast<int>(i % per_row) * tile_w;
        const int y0 = 4 + static_cast<int>(i / per_row) * tile_h;
        const LevelReport report = check_level_file(files[i]);
        std::string name = short_name(files[i]);
        std::string number;
        for (char c : name)
            if (c >= '0' && c <= '9')
                number += c;
        image.digits(x0, y0, number, 2, report.finishable ? 0xFFFFFF : 0xFF3030);
        std::string text;
        if (!read_file(files[i], text))
            continue;
        const int top = y0 + label;
        image.fill(x0 - 1, top - 1, 32 * s + 2, 22 * s + 2,
                   report.finishable ? 0x000000 : 0xFF0000);
        for (int r = 0; r < 22; ++r) {
            for (int c = 0; c < 32; ++c) {
                const size_t at = static_cast<size_t>(r) * 33 + c;
                image.fill(x0 + c * s, top + r * s, s, s, cell_colour(' '));
                if (at < text.size())
                    draw_cell(image, x0 + c * s, top + r * s, s, text[at]);
            }
        }
    }
    if (!image.write_png(out)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("%s: %zu levels\n", out.c_str(), files.size());
    return 0;
}

// Loads the game's rules (speeds, probabilities, keys) from DIR/zelm.txt.
bool load_rules(const Options& options, GameParams& rules) {
    ParamFile file;
    const std::string rules_path = options.dir + "/zelm.txt";
    if (!file.load_file(rules_path, true)) {
        std::fprintf(stderr, "cannot read %s\n", rules_path.c_str());
        return false;
    }
    rules.load_rules(file);
    return true;
}

// Plays each level with the guards active for seeds 1..K and prints one line per level: the
// first seed that finished it (ticks, lives lost) and how many seeds did, or else the most gold
// one life took and how the lives of that seed ended.
int run_bot(const Options& options) {
    GameParams rules;
    if (!load_rules(options, rules))
        return 2;
    BotLimits limits;
    limits.lives = options.lives;
    // More goings back get more ticks to play them in.
    limits.retries = options.retries;
    limits.ticks_played = std::max(limits.ticks_played, 2000L * options.retries);
    limits.trace = std::getenv("BOT_TRACE") != nullptr;
    const std::vector<std::string> files = level_files(options);
    std::vector<std::string> missed;
    int all_seeds = 0;
    for (const std::string& path : files) {
        const std::string name = short_name(path);
        std::string text;
        if (!read_file(path, text)) {
            std::printf("%s: cannot read the file\n", name.c_str());
            missed.push_back(name);
            continue;
        }
        BotResult first, best;
        int wins = 0, second_games = 0;
        int played = 0;
        for (int seed = 1; seed <= options.seeds && !(options.first && wins > 0); ++seed) {
            const BotResult r = play_level_bot(rules, text, static_cast<unsigned>(seed), limits);
            ++played;
            second_games += r.finished && r.second_game;
            if (r.finished && wins++ == 0)
                first = r;
            if (!r.finished && (best.seed == 0 || r.best_gold > best.best_gold))
                best = r;
        }
        // Stopped early, the count is a lower bound: "1+ of 5" counts as finished, not as most.
        const std::string won = std::to_string(wins) + (played < options.seeds ? "+" : "");
        // Seeds finished only in their second game are told apart.
        const std::string seconds =
            second_games == 0 ? "" : " (" + std::to_string(second_games) + " in a second game)";
        const char* first_second = first.second_game ? " (second game)" : "";
        if (options.markdown) {
            if (wins > 0)
                std::printf("| %s | %s of %d%s | %u%s | %ld (%.0f s) | %d | %d | |\n", name.c_str(),
                            won.c_str(), options.seeds, seconds.c_str(), first.seed, first_second,
                            first.ticks, first.ticks * 0.03, first.lives_lost, first.retries);
            else
                std::printf("| %s | **0** of %d | | | | | %d of %d gold; seed %u: %s |\n",
                            name.c_str(), options.seeds, best.best_gold, best.gold_total, best.seed,
                            best.cause.c_str());
            all_seeds += wins == options.seeds;
            if (wins == 0)
                missed.push_back(name);
        } else if (wins > 0) {
            std::printf(
                "%s: finished with seed %u%s in %ld ticks (%.0f s), %d lives lost, %d goings "
                "back; %s of %d seeds%s\n",
                name.c_str(), first.seed, first_second, first.ticks, first.ticks * 0.03,
                first.lives_lost, first.retries, won.c_str(), options.seeds, seconds.c_str());
            all_seeds += wins == options.seeds;
        } else {
            std::printf("%s: NOT finished: at best %d of %d gold; seed %u: %s\n", name.c_str(),
                        best.best_gold, best.gold_total, best.seed, best.cause.c_str());
            missed.push_back(name);
        }
        std::fflush(stdout);
    }
    if (options.markdown)
        std::printf("\n");
    std::printf(
        "finished %zu of %zu levels (seeds 1..%d, %d lives each), %d of them with every "
        "seed",
        files.size() - missed.size(), files.size(), options.seeds, options.lives, all_seeds);
    if (!missed.empty()) {
        std::printf("; not finished:");
        for (const std::string& name : missed)
            std::printf(" %s", name.c_str());
    }
    std::printf("\n");
    return missed.empty() ? 0 : 1;
}

int run_fair(const Options& options) {
    GameParams rules;
    if (!load_rules(options, rules))
        return 2;
    const int seeds = options.seeds_given ? options.seeds : 5;
    const std::vector<std::string> files = level_files(options);
    int unfair = 0;
    for (const std::string& path : files) {
        std::string text;
        if (!read_file(path, text)) {
            std::printf("%s: cannot read the file\n", path.c_str());
            ++unfair;
            continue;
        }
        std::string caught;
        for (int seed = 1; seed <= seeds; ++seed) {
            const FairStartResult r = check_fair_start(rules, text, static_cast<unsigned>(seed));
            if (!r.fair)
                caught += " seed " + std::to_string(seed) + " after " +
                          std::to_string(r.caught_tick * 30) + " ms at column " +
                          std::to_string(r.column) + ", row " + std::to_string(r.row) + ";";
        }
        if (caught.empty()) {
            std::printf("%s: fair\n", path.c_str());
        } else {
            ++unfair;
            caught.pop_back();
            std::printf("%s: UNFAIR: caught standing still:%s\n", path.c_str(), caught.c_str());
        }
    }
    std::printf("%zu of %zu levels give the runner five seconds (seeds 1..%d)\n",
                files.size() - unfair, files.size(), seeds);
    return unfair == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv,
                        "usage: quarrik-levels check|stats [--dir DIR] [FILES]\n"
                        "       quarrik-levels render OUT.png [--dir DIR] [--cell N] [FILES]\n"
                        "       quarrik-levels bot [--dir DIR] [--set S] [--level N] [--seeds K] "
                        "[--lives L] [--retries R] [--first] [--markdown] [FILES]\n"
                        "       quarrik-levels fair [--dir DIR] [--set S] [--level N] [--seeds K] "
                        "[FILES]\n",
                        kOptions);
    if (args.done())
        return args.exit_code();
    Options options;
    if (args.words().empty() || !parse_options(args, options))
        return args.refuse();
    const std::string command = args.words()[0];
    if (command == "check")
        return run_check(options);
    if (command == "stats")
        return run_stats(options);
    if (command == "render")
        return run_render(options);
    if (command == "bot")
        return run_bot(options);
    if (command == "fair")
        return run_fair(options);
    return args.refuse("unknown command " + command);
}
