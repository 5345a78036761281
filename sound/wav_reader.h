#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The format block of a WAVE file: its first 16 bytes, plus any extra bytes that non-PCM
// formats carry after them.
struct WaveFormat {
    uint16_t format_tag = 0;  // 1 = integer PCM, 3 = IEEE float, 0xFFFE = extensible
    uint16_t channels = 0;
    uint32_t sample_rate = 0;
    uint32_t avg_bytes_per_sec = 0;
    uint16_t block_align = 0;
    uint16_t bits_per_sample = 0;
    std::vector<uint8_t> extra;  // always empty for PCM
};

// One RIFF WAVE file read whole: its format and the bytes of its "data" chunk, unchanged.
struct WaveFile {
    WaveFormat format;
    std::vector<uint8_t> data;
};

// Reads a RIFF file of form "WAVE" that has a "fmt " chunk of at least 16 bytes and a "data"
// chunk, in any order, other chunks skipped. Chunk sizes are checked against the end of the
// file; odd-sized chunks are followed by a pad byte. Anything else, including a file cut short,
// is rejected. The format is not judged here: whether it can be played is the mixer's call.
bool read_wave(const uint8_t* bytes, size_t size, WaveFile& out);
bool read_wave_file(const std::string& path, WaveFile& out);
