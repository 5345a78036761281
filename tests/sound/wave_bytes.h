#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builders for small WAVE files in memory.
namespace wave_bytes {

inline std::string le16(unsigned v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
inline std::string le32(uint32_t v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

inline std::string chunk(const std::string& id, const std::string& body, bool pad = true) {
    std::string c = id + le32(static_cast<uint32_t>(body.size())) + body;
    if (pad && (body.size() & 1)) {
        c += '\0';
    }
    return c;
}

inline std::string riff(const std::string& chunks) {
    return "RIFF" + le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

inline std::string fmt_body(unsigned tag, unsigned channels, uint32_t rate, unsigned bits) {
    const unsigned align = channels * bits / 8;
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

inline std::string pcm16(const std::vector<int16_t>& samples) {
    std::string s;
    for (int16_t v : samples) {
        s += le16(static_cast<uint16_t>(v));
    }
    return s;
}

// A whole 16-bit PCM file.
inline std::string pcm16_file(const std::vector<int16_t>& samples, unsigned channels = 1,
                              uint32_t rate = 44100) {
    return riff(chunk("fmt ", fmt_body(1, channels, rate, 16)) + chunk("data", pcm16(samples)));
}

}  // namespace wave_bytes
