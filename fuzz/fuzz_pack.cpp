// The data archive as it comes off the disk: directory, then every member, plain and with a key.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "storage/data_keys.h"
#include "storage/pack_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::write_scratch("data.pk", data, size);
    for (int keyed = 0; keyed < 2; ++keyed) {
        PackArchive archive;
        if (keyed) {
            archive.set_key(kPackKey);
        }
        if (!archive.open(path)) {
            return 0;
        }
        for (std::size_t i = 0; i < archive.member_count() && i < 64; ++i) {
            const PackEntry entry = archive.read_file(archive.member_name(i));
            if (entry.size > 0 && !entry.data) {
                __builtin_trap();  // a size without bytes would send callers out of bounds
            }
            archive.find(archive.member_name(i));
        }
        // Names that are not in the archive fall back to the disk: keep that inside the
        // scratch folder.
        archive.read_file("absent/member");
    }
    return 0;
}
