// quarrik-music DATADIR                      composes every track into DATADIR/music
// quarrik-music render FILE OUT.wav [SECONDS] plays a module into a 16-bit stereo WAV file

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/music/render.h"
#include "tools/music/tracks.h"
#include "tools/sfx/wav_write.h"
#include "tools/tool_args.h"

namespace {

constexpr char kUsage[] =
    "usage: quarrik-music DATADIR\n"
    "       quarrik-music render FILE OUT.wav [SECONDS]\n";

int render(const ToolArgs& args) {
    const std::vector<std::string>& words = args.words();
    if (words.size() < 3 || words.size() > 4)
        return args.refuse();
    const double seconds = words.size() == 4 ? std::atof(words[3].c_str()) : 600.0;
    if (seconds <= 0.0)
        return args.refuse("SECONDS must be above 0");
    const char* module = words[1].c_str();
    const char* out = words[2].c_str();
    music::Rendering r;
    std::string error;
    if (!music::render_module(module, seconds, &r, &error)) {
        std::fprintf(stderr, "quarrik-music: %s\n", error.c_str());
        return 1;
    }
    if (!wav::write_pcm16(out, r.samples, 2, music::Rendering::kRate)) {
        std::fprintf(stderr, "quarrik-music: cannot write %s\n", out);
        return 1;
    }
    const music::Levels l = music::measure(r);
    std::printf("%s: %d patterns, %d positions, %.1f s%s, peak %.3f, rms %.3f, clipped %.5f%%\n",
                module, r.patterns, r.positions, l.seconds, r.ended ? " (ended)" : "", l.peak,
                l.rms, 100.0 * l.clipped);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv, kUsage, {});
    if (args.done())
        return args.exit_code();
    if (!args.words().empty() && args.words()[0] == "render")
        return render(args);
    if (args.words().size() != 1)
        return args.refuse();
    const std::string dir = args.words()[0] + "/music";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::string error;
    if (!music::write_all_tracks(dir, &error)) {
        std::fprintf(stderr, "quarrik-music: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
