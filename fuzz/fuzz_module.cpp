// Tracker modules loaded and played the way the game does: the file is put where the playlist
// looks for the next track, the player moves to it and mixes a second of it. libmikmod itself
// is a system library without coverage instrumentation, so the search is guided only by the
// game's side; AddressSanitizer still checks the library's heap use through its interceptors.
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sound/music_player.h"

namespace {

MusicPlayer& player() {
    // The library stays up for the whole run; starting it per input would dominate the time.
    static MusicPlayer music;
    static const bool started = [] {
        mkdir((fuzz::scratch_dir() + "/music").c_str(), 0700);
        const bool ok = music.init(nullptr, fuzz::scratch_dir());
        music.stop();
        return ok;
    }();
    if (!started) {
        __builtin_trap();  // no player at all: nothing would be tested
    }
    return music;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MusicPlayer& music = player();
    const int next = (music.current() + 1) % MusicPlayer::track_count;
    fuzz::write_scratch(MusicPlayer::track_path(next), data, size);
    music.next_track();
    std::vector<int16_t> out(2 * 441);
    for (int slice = 0; slice < 100 && music.is_playing(); ++slice) {
        music.render(out.data(), 441);
    }
    music.stop();
    return 0;
}
