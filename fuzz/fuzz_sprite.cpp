// ".spr" files with the sheets they name read from an in-memory archive. The input carries the
// ".spr" text, a TGA sheet, a JPEG sheet and a JPEG alpha partner, in that order.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "gfx/sprite.h"
#include "storage/pack_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Splitter split(data, size);
    const std::vector<std::uint8_t> spr = split.take();
    const std::vector<std::uint8_t> tga = split.take();
    const std::vector<std::uint8_t> jpeg = split.take();
    const std::vector<std::uint8_t> alpha = split.rest();

    PackArchive archive;
    archive.add_memory("s.spr", spr.data(), spr.size(), false);
    archive.add_memory("sheet.tga", tga.data(), tga.size(), false);
    archive.add_memory("sheet.jpg", jpeg.data(), jpeg.size(), true);
    archive.add_memory("alpha.jpg", alpha.data(), alpha.size(), false);

    Sprite sprite;
    sprite.load_file(archive, "s.spr", false, false);
    Sprite copy = sprite;
    for (int i = 0; i < 8; ++i) {
        copy.set_group(i * 3 - 4);
        copy.set_frame(i * 5 - 7);
        copy.advance(37u * static_cast<std::uint32_t>(i));
        copy.m_reverse = !copy.m_reverse;
        if (copy.m_frame < 0 || copy.m_frame >= copy.m_frames || copy.m_group < 0 ||
            copy.m_group >= copy.m_groups) {
            __builtin_trap();
        }
    }
    sprite.load(archive, spr.data(), spr.size(), true, true);
    return 0;
}
