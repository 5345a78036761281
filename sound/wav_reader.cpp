#include "sound/wav_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

uint16_t get16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t get32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool read_format(const uint8_t* p, uint32_t size, WaveFormat& fmt) {
    if (size < 16) {
        return false;
    }
    fmt.format_tag = get16(p);
    fmt.channels = get16(p + 2);
    fmt.sample_rate = get32(p + 4);
    fmt.avg_bytes_per_sec = get32(p + 8);
    fmt.block_align = get16(p + 12);
    fmt.bits_per_sample = get16(p + 14);
    fmt.extra.clear();
    if (fmt.format_tag == 1) {
        // PCM has no extra bytes, whatever else the chunk may hold.
        return true;
    }
    if (size < 18) {
        return false;
    }
    const uint32_t extra = get16(p + 16);
    if (extra > size - 18) {
        return false;
    }
    fmt.extra.assign(p + 18, p + 18 + extra);
    return true;
}

}  // namespace

bool read_wave(const uint8_t* bytes, size_t size, WaveFile& out) {
    if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return false;
    }
    const uint64_t riff_end = 8 + static_cast<uint64_t>(get32(bytes + 4));
    if (riff_end > size) {
        return false;  // cut short
    }
    bool have_format = false;
    bool have_data = false;
    WaveFile result;
    uint64_t pos = 12;
    while (pos + 8 <= riff_end) {
        const uint8_t* head = bytes + pos;
        const uint32_t chunk_size = get32(head + 4);
        const uint64_t body = pos + 8;
        if (body + chunk_size > riff_end) {
            return false;
        }
        if (!have_format && std::memcmp(head, "fmt ", 4) == 0) {
            if (!read_format(bytes + body, chunk_size, result.format)) {
                return false;
            }
            have_format = true;
        } else if (!have_data && std::memcmp(head, "data", 4) == 0) {
            result.data.assign(bytes + body, bytes + body + chunk_size);
            have_data = true;
        }
        // Odd chunks are padded to an even size; a missing pad at the very end is tolerated.
        pos = body + chunk_size + (chunk_size & 1u);
    }
    if (!have_format || !have_data) {
        return false;
    }
    out = std::move(result);
    return true;
}

bool read_wave_file(const std::string& path, WaveFile& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    return read_wave(bytes.data(), bytes.size(), out);
}
