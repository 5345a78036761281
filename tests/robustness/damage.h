#pragma once
// Damaged copies of a good file: what a full disk, a bad sector or a hand edit leaves behind.

#include <cstddef>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace robustness {

struct Damaged {
    std::string what;
    std::string bytes;
};

// The file empty, cut short at several points (in the header, in the middle, one byte short)
// and with bytes flipped near the start, at random places and in a run.
inline std::vector<Damaged> damaged_versions(const std::string& good, unsigned seed = 1) {
    std::vector<Damaged> out;
    out.push_back({"empty", ""});
    const std::size_t n = good.size();
    for (std::size_t keep :
         {std::size_t(1), std::size_t(7), std::size_t(20), n / 3, n / 2, n - 1}) {
        if (keep > 0 && keep < n) {
            out.push_back({"cut to " + std::to_string(keep), good.substr(0, keep)});
        }
    }
    if (n == 0) {
        return out;
    }
    std::mt19937 rng(seed);
    for (std::size_t at : {std::size_t(0), std::size_t(1), std::size_t(4), std::size_t(9)}) {
        if (at < n) {
            std::string b = good;
            b[at] = static_cast<char>(b[at] ^ 0xFF);
            out.push_back({"byte " + std::to_string(at) + " flipped", b});
        }
    }
    for (int round = 0; round < 6; ++round) {
        std::string b = good;
        for (int i = 0; i < 1 + round * 3; ++i) {
            const std::size_t at = rng() % n;
            b[at] = static_cast<char>(b[at] ^ (1u << (rng() % 8)));
        }
        out.push_back({"random bits flipped, round " + std::to_string(round), b});
    }
    std::string run = good;
    for (std::size_t i = n / 2; i < n && i < n / 2 + 64; ++i) {
        run[i] = static_cast<char>(0xFF);
    }
    out.push_back({"run of 0xFF in the middle", run});
    return out;
}

// A handful of the above, one of each kind, for checks that are slow per version.
inline std::vector<Damaged> few_damaged_versions(const std::string& good, unsigned seed = 1) {
    std::vector<Damaged> all = damaged_versions(good, seed);
    std::vector<Damaged> out;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string& w = all[i].what;
        if (w == "empty" || w.rfind("cut to 20", 0) == 0 ||
            w == "cut to " + std::to_string(good.size() / 2) || w == "byte 9 flipped" ||
            w.find("round 4") != std::string::npos || w.rfind("run", 0) == 0) {
            out.push_back(all[i]);
        }
    }
    return out;
}

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace robustness
