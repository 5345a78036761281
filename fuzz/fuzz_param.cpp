// Parameter files: plain text (".spr", layout) and the scrambled settings, saved game and score
// tables. The written form of whatever was read must read back as the same pairs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "storage/data_keys.h"
#include "storage/param_file.h"

namespace {

void check_round_trip(const ParamFile& file) {
    const std::string text = file.to_text();
    ParamFile again;
    again.load_memory(text.data(), text.size(), true);
    if (again.pairs() != file.pairs()) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* keys[] = {"", kSettingsKey, kSavedGameKey, kScoreKey};
    for (const char* key : keys) {
        ParamFile file;
        file.load_memory(data, size, true, key);
        check_round_trip(file);
        for (const auto& pair : file.pairs()) {
            ParamFile::to_int(pair.second);
            ParamFile::to_float(pair.second);
        }
    }
    return 0;
}
