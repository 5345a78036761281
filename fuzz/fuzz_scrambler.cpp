// The record scrambler on any block: unscrambling never reads or writes outside it, and
// scrambling what came out gives a block that unscrambles to the same bytes.
#include <cstddef>
#include <cstdint>

#include "storage/data_keys.h"
#include "storage/scrambler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* keys[] = {kSettingsKey, kSavedGameKey, kScoreKey, kPackKey, ""};
    for (const char* key : keys) {
        const Scrambler::Bytes plain = Scrambler::unscramble(data, size, key);
        if (plain.empty()) {
            continue;
        }
        const std::size_t rotation = size % Scrambler::rotation_limit(plain.size());
        const Scrambler::Bytes again =
            Scrambler::scramble_with_rotation(plain.data(), plain.size(), key, rotation);
        if (Scrambler::unscramble(again.data(), again.size(), key) != plain) {
            __builtin_trap();
        }
    }
    return 0;
}
