#pragma once

// Reads back the PCM WAV files the tools write: just enough of RIFF to check them.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct WavProbe {
    bool ok = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;

    double seconds() const {
        return channels && rate ? static_cast<double>(samples.size()) / channels / rate : 0.0;
    }
};

inline uint32_t wav_le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

inline WavProbe probe_wav_bytes(const std::vector<uint8_t>& b) {
    WavProbe w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    bool have_format = false;
    size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at),
                             b.begin() + static_cast<long>(at) + 4);
        const size_t size = wav_le(b, at + 4, 4);
        const size_t body = at + 8;
        if (body + size > b.size())
            return w;
        if (id == "fmt " && size >= 16) {
            w.format = static_cast<int>(wav_le(b, body, 2));
            w.channels = static_cast<int>(wav_le(b, body + 2, 2));
            w.rate = static_cast<int>(wav_le(b, body + 4, 4));
            w.bits = static_cast<int>(wav_le(b, body + 14, 2));
            have_format = true;
        } else if (id == "data" && have_format && w.bits == 16) {
            for (size_t i = 0; i + 1 < size; i += 2)
                w.samples.push_back(static_cast<int16_t>(wav_le(b, body + i, 2)));
            w.ok = true;
        }
        at = body + size + (size & 1);
    }
    return w;
}

inline std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline WavProbe probe_wav(const std::string& path) {
    return probe_wav_bytes(read_bytes(path));
}
