#include "assets/asset_files.h"

#include "gfx/tga_texture.h"
#include "storage/data_keys.h"

const PackArchive& game_archive() {
    static PackArchive archive = [] {
        PackArchive a;
        a.set_key(kPackKey);
        a.open(std::string(QUARRIK_GAME_DIR) + "/data/data.pk");
        return a;
    }();
    return archive;
}

std::string generated_dir() {
    return std::string(QUARRIK_GAME_DIR) + "/../generated/pack";
}

ParamFile archive_params(const std::string& name) {
    ParamFile file;
    PackEntry entry = game_archive().read_file(name);
    if (!entry.empty()) {
        file.load_memory(entry.data.get(), entry.size, true);
    }
    return file;
}

bool archive_tga(const std::string& name, DecodedImage& image) {
    PackEntry entry = game_archive().read_file(name);
    return !entry.empty() && decode_tga(entry.data.get(), entry.size, image);
}

long cell_alpha(const DecodedImage& sheet, int frames, int groups, int f, int g, int row_from,
                int row_to) {
    int cw = sheet.width / frames;
    int ch = sheet.height / groups;
    if (row_to < 0) {
        row_to = ch;
    }
    long sum = 0;
    for (int y = row_from; y < row_to; ++y) {
        for (int x = 0; x < cw; ++x) {
            sum += alpha_at(sheet, f * cw + x, g * ch + y);
        }
    }
    return sum;
}

bool is_power_of_two(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}
