#pragma once

#include <cstdint>
#include <string>

// Builds a tiny four-channel tracker module in memory: one pattern, one looped square-wave
// instrument playing a note on the first row at the fastest speed, so the song lasts 64 ticks of
// 20 ms (silent without `tone`). With `jump_back` the last row jumps to the first position, which
// would repeat the song forever if looping were allowed.
namespace mod_bytes {

inline std::string be16(unsigned v) {
    return std::string{static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

inline std::string note(unsigned sample, unsigned period, unsigned effect, unsigned param) {
    std::string n(4, '\0');
    n[0] = static_cast<char>((sample & 0xF0) | ((period >> 8) & 0x0F));
    n[1] = static_cast<char>(period & 0xFF);
    n[2] = static_cast<char>(((sample & 0x0F) << 4) | (effect & 0x0F));
    n[3] = static_cast<char>(param);
    return n;
}

inline std::string module(bool jump_back = false, bool tone = true) {
    constexpr int positions = 1;
    constexpr int wave_bytes = 64;
    std::string m = std::string("test song").append(11, '\0');  // 20-byte title
    // Instrument 1: a looped square wave at full volume; the other 30 are empty.
    m += std::string("square").append(16, '\0');
    m += be16(wave_bytes / 2) + std::string(1, '\0') + std::string(1, '\x40') + be16(0) +
         be16(wave_bytes / 2);
    for (int i = 1; i < 31; ++i) {
        m += std::string(22, '\0') + be16(0) + std::string(2, '\0') + be16(0) + be16(1);
    }
    m += std::string(1, static_cast<char>(positions)) + std::string(1, '\x7F');
    m += std::string(128, '\0');  // every position plays pattern 0
    m += "M.K.";
    for (int row = 0; row < 64; ++row) {
        for (int ch = 0; ch < 4; ++ch) {
            if (row == 0 && ch == 0 && tone) {
                m += note(1, 428, 0, 0);  // C-2 on instrument 1
            } else if (row == 0 && ch == 1) {
                m += note(0, 0, 0xF, 1);  // speed 1: one tick per row
            } else if (row == 63 && ch == 2 && jump_back) {
                m += note(0, 0, 0xB, 0);  // jump to position 0
            } else {
                m += note(0, 0, 0, 0);
            }
        }
    }
    for (int i = 0; i < wave_bytes; ++i) {
        m += static_cast<char>(i % 16 < 8 ? 100 : -100);
    }
    return m;
}

}  // namespace mod_bytes
