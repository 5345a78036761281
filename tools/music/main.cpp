// quarrik-music DATADIR                      composes every track into DATADIR/music
// quarrik-music render FILE OUT.wav [SECONDS] plays a module into a 16-bit stereo WAV file

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/music/render.h"
#include "tools/music/tracks.h"
#include "tools/sfx/wav_write.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: quarrik-music DATADIR\n"
                 "       quarrik-music render FILE OUT.wav [SECONDS]\n");
    return 2;
}

int render(int argc, char** argv) {
    if (argc < 4 || argc > 5)
        return usage();
    const double seconds = argc == 5 ? std::atof(argv[4]) : 600.0;
    if (seconds <= 0.0)
        return usage();
    music::Rendering r;
    std::string error;
    if (!music::render_module(argv[2], seconds, &r, &error)) {
        std::fprintf(stderr, "quarrik-music: %s\n", error.c_str());
        return 1;
    }
    if (!wav::write_pcm16(argv[3], r.samples, 2, music::Rendering::kRate)) {
        std::fprintf(stderr, "quarrik-music: cannot write %s\n", argv[3]);
        return 1;
    }
    const music::Levels l = music::measure(r);
    std::printf("%s: %d patterns, %d positions, %.1f s%s, peak %.3f, rms %.3f, clipped %.5f%%\n",
                argv[2], r.patterns, r.positions, l.seconds, r.ended ? " (ended)" : "", l.peak,
                l.rms, 100.0 * l.clipped);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "render")
        return render(argc, argv);
    if (argc != 2)
        return usage();
    const std::string dir = std::string(argv[1]) + "/music";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    std::string error;
    if (!music::write_all_tracks(dir, &error)) {
        std::fprintf(stderr, "quarrik-music: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
