// The font scan over any 32-bit TGA: the glyph boxes it finds stay inside the picture.
#include <cstddef>
#include <cstdint>

#include "gfx/font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Font font;
    font.load(data, size, nullptr);
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        const Font::Glyph& g = font.glyph(i);
        if (g.u_left < 0.0f || g.u_right > 1.0f || g.t_bottom < 0.0f || g.t_top > 1.0f) {
            __builtin_trap();
        }
    }
    font.text_width("Quarrik 0123 ~!", 16.0f);
    return 0;
}
