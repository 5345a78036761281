#include "storage/scrambler.h"

#include <cstdlib>
#include <ctime>

namespace {

// An empty key would leave no key byte to mix in; it then only chains.
std::uint8_t key_byte(std::string_view key, std::size_t i) {
    return key.empty() ? 0 : static_cast<std::uint8_t>(key[i % key.size()]);
}

}  // namespace

Scrambler::Bytes Scrambler::scramble(const void* data, std::size_t n, std::string_view key) {
    if (n == 0) {
        return Bytes{0};
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    std::size_t rotation = static_cast<std::size_t>(std::rand()) % rotation_limit(n);
    return scramble_with_rotation(data, n, key, rotation);
}

Scrambler::Bytes Scrambler::scramble_with_rotation(const void* data, std::size_t n,
                                                   std::string_view key, std::size_t rotation) {
    if (n == 0) {
        return Bytes{0};
    }
    if (rotation >= rotation_limit(n)) {
        rotation %= rotation_limit(n);
    }
    const auto* in = static_cast<const std::uint8_t*>(data);
    Bytes out(n + 1);
    out[0] = static_cast<std::uint8_t>(rotation);
    for (std::size_t i = 0; i < n; ++i) {
        out[1 + i] = in[(i + rotation) % n];
    }
    for (std::size_t i = 1; i <= n; ++i) {
        std::uint8_t prev = out[i - 1];
        std::uint8_t v = out[i] ^ prev;
        v ^= key_byte(key, i);
        out[i] = static_cast<std::uint8_t>(v + prev);
    }
    return out;
}

Scrambler::Bytes Scrambler::unscramble(const void* block, std::size_t m, std::string_view key) {
    const auto* b = static_cast<const std::uint8_t*>(block);
    if (m < 2 || b[0] >= m) {
        return Bytes{};
    }
    std::size_t n = m - 1;
    std::size_t rotation = b[0];
    Bytes data(n);
    for (std::size_t i = 1; i <= n; ++i) {
        auto t = static_cast<std::uint8_t>(b[i] - b[i - 1]);
        t ^= b[i - 1];
        t ^= key_byte(key, i);
        // t is position i - 1 of the rotated data, which came from (i - 1 + r) mod n.
        data[(i - 1 + rotation) % n] = t;
    }
    return data;
}
