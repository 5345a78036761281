// Costs of reading the game's data: whole files out of the archive (each read opens, seeks,
// reads and closes; nothing is cached) and the font picture's glyph scan. These run at start-up,
// at a level start and after a display switch, never per frame.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/user_paths.h"
#include "gfx/font.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"

namespace {

bool open_game_archive(PackArchive& archive, benchmark::State& state) {
    archive.set_key(kPackKey);
    if (!bench::enter_game_dir() || !archive.open(data_file("data.pk"))) {
        state.SkipWithError("no data/data.pk in the game directory");
        return false;
    }
    return true;
}

// Every member of the archive in directory order, as a whole reload reads them.
void BM_ArchiveReadAll(benchmark::State& state) {
    PackArchive archive;
    if (!open_game_archive(archive, state)) {
        return;
    }
    int64_t bytes = 0;
    int64_t files = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < archive.member_count(); ++i) {
            const PackEntry entry = archive.read_file(archive.member_name(i));
            benchmark::DoNotOptimize(entry.data.get());
            bytes += entry.size;
            ++files;
        }
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(files);
    state.counters["members"] = static_cast<double>(archive.member_count());
}
BENCHMARK(BM_ArchiveReadAll)->Unit(benchmark::kMillisecond);

// One small file, where the per-read overhead (open, seek, close, name look-up) dominates.
void BM_ArchiveReadSmall(benchmark::State& state) {
    PackArchive archive;
    if (!open_game_archive(archive, state)) {
        return;
    }
    const std::string name = "dat/levels1_full/01.txt";
    if (archive.find(name) < 0) {
        state.SkipWithError("no level file in the archive");
        return;
    }
    int64_t bytes = 0;
    for (auto _ : state) {
        const PackEntry entry = archive.read_file(name);
        benchmark::DoNotOptimize(entry.data.get());
        bytes += entry.size;
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArchiveReadSmall)->Unit(benchmark::kMicrosecond);

// Opening the archive: reading its whole directory.
void BM_ArchiveOpen(benchmark::State& state) {
    PackArchive probe;
    if (!open_game_archive(probe, state)) {
        return;
    }
    for (auto _ : state) {
        PackArchive archive;
        archive.set_key(kPackKey);
        benchmark::DoNotOptimize(archive.open(data_file("data.pk")));
    }
}
BENCHMARK(BM_ArchiveOpen)->Unit(benchmark::kMicrosecond);

// The glyph scan of the game's font picture, without the texture upload.
void BM_FontScan(benchmark::State& state) {
    PackArchive archive;
    if (!open_game_archive(archive, state)) {
        return;
    }
    const PackEntry file = archive.read_file("mui/font.tga");
    if (file.empty()) {
        state.SkipWithError("no mui/font.tga");
        return;
    }
    Font font;
    for (auto _ : state) {
        benchmark::DoNotOptimize(font.load(file.data.get(), file.size, nullptr));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size));
    state.counters["glyphs"] = font.glyphs_found();
}
BENCHMARK(BM_FontScan)->Unit(benchmark::kMicrosecond);

}  // namespace
