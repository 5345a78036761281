#pragma once

// Writes 16-bit PCM RIFF WAVE files. Header-only so the music tool's renderer can share it.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wav {

inline void put_u16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void put_u32(std::vector<uint8_t>& out, uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

inline void put_tag(std::vector<uint8_t>& out, const char* tag) {
    // Byte by byte: GCC 12 at -O3 warns, wrongly, that inserting the four bytes overflows (the
    // release check builds with -Werror).
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

// The whole file image for interleaved samples.
inline std::vector<uint8_t> encode_pcm16(const std::vector<int16_t>& samples, int channels,
                                         int rate) {
    const uint32_t data_bytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + data_bytes);
    put_tag(out, "RIFF");
    put_u32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);  // PCM
    put_u16(out, static_cast<uint32_t>(channels));
    put_u32(out, static_cast<uint32_t>(rate));
    put_u32(out, static_cast<uint32_t>(rate * channels * 2));
    put_u16(out, static_cast<uint32_t>(channels * 2));
    put_u16(out, 16);
    put_tag(out, "data");
    put_u32(out, data_bytes);
    for (int16_t s : samples)
        put_u16(out, static_cast<uint16_t>(s));
    return out;
}

inline bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    return std::fflush(file.get()) == 0;
}

inline bool write_pcm16(const std::string& path, const std::vector<int16_t>& samples, int channels,
                        int rate) {
    return write_file(path, encode_pcm16(samples, channels, rate));
}

}  // namespace wav
