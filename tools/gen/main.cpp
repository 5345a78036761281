// quarrik-gen OUTDIR [--contact-sheet PNG]
// Draws every picture, sprite file, layout and text of the data archive except the levels and
// the game rules, and writes them into OUTDIR as the archive tree.
// quarrik-gen --icons DIR
// Draws the game's icon for the desktop: DIR/hicolor/NxN/apps/quarrik.png, N from 16 to 256.
#include <cstdio>
#include <fstream>
#include <string>

#include "contact_sheet.h"
#include "font_sheet.h"
#include "generate.h"
#include "image_io.h"
#include "preview.h"
#include "runner.h"
#include "skins.h"
#include "tools/tool_args.h"
#include "widgets.h"

namespace {

FontSheet generate_font(OutputTree& out, ContactSheet& review, Fonts& fonts) {
    FontSheet font = build_font_sheet(*fonts.regular);
    out.write("mui/font.tga", encode_tga(font.picture, true));
    // On a middle grey, so both the white letters and their dark rims show.
    Canvas shown(font.picture.width(), font.picture.height(), hex(0x8088a0));
    shown.draw(font.picture, 0, 0);
    review.add("mui/font.tga (" + std::to_string(font.lines) + " lines)", shown);
    return font;
}

void generate_skins(OutputTree& out, ContactSheet& review) {
    const std::vector<Skin>& skins = all_skins();
    for (size_t i = 0; i < skins.size(); ++i) {
        const Skin& skin = skins[i];
        std::string dir = "dat/s" + std::to_string(i + 1) + "/";
        auto emit = [&](const std::string& name, const SpriteSheet& sheet) {
            out.write(dir + name + ".tga", encode_tga(sheet.picture(), true));
            out.write_text(dir + name + ".spr", sheet.spr_text(dir + name + ".tga"));
            review.add_sheet(dir + name + ".spr", sheet.as_seen(), sheet.groups(), sheet.frames(),
                             1);
        };
        // Bricks, solid blocks and ladders are drawn without the flip switch; gold, ropes and
        // the decorations with it.
        SpriteSheet brick(1, kBrickFrames, kCellPixels, kCellPixels, false);
        for (int f = 0; f < kBrickFrames; ++f) {
            brick.set(0, f, brick_cell(skin, f));
        }
        emit("g_1", brick);
        SpriteSheet solid(1, 1, kCellPixels, kCellPixels, false);
        solid.set(0, 0, solid_cell(skin));
        emit("g_2", solid);
        SpriteSheet ladder(1, 1, kCellPixels, kCellPixels, false);
        ladder.set(0, 0, ladder_cell(skin));
        emit("g_3", ladder);
        SpriteSheet rope(1, 1, kCellPixels, kCellPixels, true);
        rope.set(0, 0, rope_cell(skin));
        emit("g_4", rope);
        SpriteSheet gold(kGoldKinds, 1, kCellPixels, kCellPixels, true);
        for (int g = 0; g < kGoldKinds; ++g) {
            gold.set(g, 0, gold_cell(g, skin.seed));
        }
        emit("g_7", gold);
        int kinds = static_cast<int>(skin.light_kinds.size());
        SpriteSheet light(kinds, kLightFrames, kCellPixels, kCellPixels, true);
        for (int g = 0; g < kinds; ++g) {
            for (int f = 0; f < kLightFrames; ++f) {
                light.set(g, f, light_cell(skin, skin.light_kinds[g], f));
            }
        }
        emit("light", light);
    }
    out.write_text("dat/param.txt", "// number of graphic skins: dat/s1 .. dat/sN\nm_skins_count " +
                                        std::to_string(skins.size()) + "\n");
}

void generate_runner(OutputTree& out, ContactSheet& review) {
    SpriteSheet sheet = build_runner_sheet();
    out.write("dat/p_1.tga", encode_tga(sheet.picture(), true));
    out.write_text("dat/p_1.spr", sheet.spr_text("dat/p_1.tga"));
    review.add_sheet("dat/p_1.spr", sheet.picture(), sheet.groups(), sheet.frames(), 2);
    // The guard look: the same sheet tinted magenta by the game.
    Canvas tinted = sheet.picture();
    for (int y = 0; y < tinted.height(); ++y) {
        for (int x = 0; x < tinted.width(); ++x) {
            tinted.at(x, y).g = 0;
        }
    }
    review.add_sheet("guards (p_1 tinted)", tinted, sheet.groups(), sheet.frames(), 2);
}

bool write_desktop_icons(const std::string& dir, Fonts& fonts) {
    OutputTree out(dir);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        out.write("hicolor/" + name + "/apps/quarrik.png", encode_png(window_icon(fonts, size)));
    }
    if (!out.ok()) {
        std::fprintf(stderr, "quarrik-gen: cannot write the icons into %s\n", dir.c_str());
    }
    return out.ok();
}

}  // namespace

int main(int argc, char** argv) {
    const ToolArgs args(argc, argv,
                        "usage: quarrik-gen OUTDIR [--contact-sheet PNG [--preview-level FILE]]\n"
                        "       quarrik-gen --icons DIR\n",
                        {{"--contact-sheet", true}, {"--preview-level", true}, {"--icons", true}});
    if (args.done()) {
        return args.exit_code();
    }
    const std::string icons_dir = args.value("--icons");
    if (icons_dir.empty() ? args.words().size() != 1 : !args.words().empty()) {
        return args.refuse();
    }
    const std::string outdir = icons_dir.empty() ? args.words()[0] : std::string();
    const std::string contact = args.value("--contact-sheet");
    const std::string level_file = args.value("--preview-level");
    Fonts fonts;
    if (!fonts.ok()) {
        std::fprintf(stderr, "quarrik-gen: the DejaVu fonts (fonts-dejavu-core) are missing\n");
        return 1;
    }
    if (!icons_dir.empty()) {
        return write_desktop_icons(icons_dir, fonts) ? 0 : 1;
    }
    OutputTree out(outdir);
    ContactSheet review;
    FontSheet font = generate_font(out, review, fonts);
    generate_skins(out, review);
    generate_runner(out, review);
    generate_backgrounds(out, review);
    generate_interface(out, review, fonts);
    generate_texts(out, font);
    if (!contact.empty()) {
        // A level file to show instead of the made-up field: 22 lines of 32 cells.
        std::vector<std::string> level;
        std::ifstream in(level_file);
        for (std::string line; level_file.size() && std::getline(in, line);) {
            level.push_back(line);
        }
        for (size_t i = 0; i < all_skins().size(); ++i) {
            review.add("skin " + std::to_string(i + 1) + " in play (review only)",
                       playfield_preview(static_cast<int>(i), level));
        }
        add_dialog_previews(review, fonts, font);
        bool changed = false;
        if (!write_if_changed(contact, encode_png(review.compose(*fonts.regular, 2200)),
                              &changed)) {
            std::fprintf(stderr, "quarrik-gen: cannot write %s\n", contact.c_str());
            return 1;
        }
    }
    std::printf("quarrik-gen: %zu files, %d rewritten, %d unchanged\n", out.files().size(),
                out.written(), out.unchanged());
    return out.ok() ? 0 : 1;
}
