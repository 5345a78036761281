// quarrik-sfx OUTDIR          synthesises the twelve effect files into OUTDIR
// quarrik-sfx levels GAMEDIR  prints offset, peak and loudness of the game's effects and music
//                             (exit status 1 when an effect has an offset or the effect sets
//                             and the music lie too far apart)

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/sfx/effects.h"
#include "tools/sfx/levels.h"
#include "tools/tool_args.h"

namespace {

int report_levels(const char* game_dir) {
    levels::Report report;
    std::string error;
    if (!levels::measure_game_audio(game_dir, &report, &error)) {
        std::fprintf(stderr, "quarrik-sfx: %s\n", error.c_str());
        return 2;
    }
    std::fputs(levels::format_report(report).c_str(), stdout);
    return report.ok() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv,
                        "usage: quarrik-sfx OUTDIR\n       quarrik-sfx levels GAMEDIR\n", {});
    if (args.done())
        return args.exit_code();
    const std::vector<std::string>& words = args.words();
    if (words.size() == 2 && words[0] == "levels")
        return report_levels(words[1].c_str());
    if (words.size() != 1)
        return args.refuse();
    const std::string& outdir = words[0];
    std::error_code ec;
    std::filesystem::create_directories(outdir, ec);
    std::string error;
    if (!sfx::write_effects(outdir, &error)) {
        std::fprintf(stderr, "quarrik-sfx: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
