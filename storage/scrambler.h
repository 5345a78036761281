#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Keyed, chained byte transform that keeps the files the game writes from being edited by hand.
// It is not encryption and carries no check value: a wrong key just gives garbage.
//
// Scrambled form of n input bytes: n + 1 bytes, the rotation count in clear first, then the
// data rotated left by that count and chained with the key.
class Scrambler {
  public:
    using Bytes = std::vector<std::uint8_t>;

    // Draws the rotation from the C runtime generator after reseeding it from the clock in
    // seconds (the game's later random draws change with it). Empty input scrambles to {0}.
    static Bytes scramble(const void* data, std::size_t n, std::string_view key);
    // The same with a chosen rotation; `rotation` must be below n (or 0 for empty input).
    static Bytes scramble_with_rotation(const void* data, std::size_t n, std::string_view key,
                                        std::size_t rotation);
    // Blocks of fewer than two bytes, and damaged blocks whose rotation count is not below
    // their length, give empty data.
    static Bytes unscramble(const void* block, std::size_t m, std::string_view key);

    // The rotation range for n bytes: r is drawn from [0, rotation_limit(n)).
    static std::size_t rotation_limit(std::size_t n) { return n > 100 ? 100 : n; }
};
