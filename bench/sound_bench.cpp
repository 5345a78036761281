// Costs of the audio work done every 30 ms tick: mixing the effects with the queued music (on
// the device's thread) and mixing one tick of tracker music (on the window thread). Both must
// stay a small fraction of a tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "sound/mixer.h"
#include "sound/music_player.h"
#include "sound/sound_bank.h"
#include "tests/sound/mod_bytes.h"

namespace {

constexpr int tick_frames = 44100 * 30 / 1000;

void BM_MixerRenderTick(benchmark::State& state) {
    Mixer mixer;
    const int voices = static_cast<int>(state.range(0));
    for (int i = 0; i < voices; ++i) {
        mixer.add_sound(std::vector<int16_t>(2 * 44100, static_cast<int16_t>(1000 + i)));
        mixer.play(i, true, true);
    }
    std::vector<int16_t> music(2 * tick_frames, 500);
    std::vector<int16_t> out(2 * tick_frames);
    for (auto _ : state) {
        mixer.queue_music(music.data(), tick_frames);
        mixer.render(out.data(), tick_frames);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_MixerRenderTick)->Arg(1)->Arg(12);

// One tick of upkeep with a song playing: the player mixes what the output has used up.
void BM_MusicTick(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "quarrik-sound-bench";
    fs::create_directories(dir / "music");
    for (int i = 0; i < MusicPlayer::track_count; ++i) {
        std::ofstream(dir / MusicPlayer::track_path(i), std::ios::binary) << mod_bytes::module();
    }
    SoundBank bank;
    bank.init_without_output();
    MusicPlayer music;
    music.init(&bank, dir.string());
    std::vector<int16_t> out(2 * tick_frames);
    for (auto _ : state) {
        music.tick(false, 6);
        bank.render(out.data(), tick_frames);
        benchmark::DoNotOptimize(out.data());
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_MusicTick);

}  // namespace
