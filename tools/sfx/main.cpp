// quarrik-sfx OUTDIR: synthesises the twelve effect files into OUTDIR.

#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/sfx/effects.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarrik-sfx OUTDIR\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[1], ec);
    std::string error;
    if (!sfx::write_effects(argv[1], &error)) {
        std::fprintf(stderr, "quarrik-sfx: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
