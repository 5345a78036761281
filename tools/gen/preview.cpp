// Review pictures of a made-up playfield in every skin, at the game's scale (25-unit cells,
// 30-unit actors), so the art can be judged as the player will see it.
#include "preview.h"

#include <map>

#include "runner.h"
#include "screens.h"
#include "skins.h"

namespace {

const char* kField[22] = {
    "                                ", "  *         H          *        ",
    "TTTTTTTT    H    TTTTTTTTTTT    ", "       H----H----H         H  * ",
    "       H         H         HTTTT", "  *    H    $    H    *    H    ",
    "TTTTTTTTTTTTTTTTTTTTTTTTMMMMH   ", "      H                     H   ",
    "      H     *      ---------H   ", "      H  TTTTTT    H        H * ",
    "  *   H            H   TTTTTTTTT", "TTTTTTTTT    H     H        H   ",
    "        TT   H     H        H   ", "         T   H---------  *  H   ",
    "  !   *  T   H         TTTTTTTTT", "TTTTTTTTTTTTTH               H  ",
    "MMMMM        H    $     *    H  ", "     H       TTTTTTTTTTTTTTTTTT ",
    "  *  H-------H                  ", "TTTTTTT      H        $   *     ",
    "       TTTTTTTTTTTTTTTTTTTTTTTTT", "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM",
};

Canvas tinted(Canvas c) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            c.at(x, y).g = 0;
        }
    }
    return c;
}

}  // namespace

Canvas playfield_preview(int skin_index) {
    const Skin& skin = all_skins()[skin_index];
    Canvas c = background_design(skin_index % 6);
    std::map<char, Canvas> cells = {
        {'T', brick_cell(skin, 0).resized(25, 25)},
        {'M', solid_cell(skin).resized(25, 25)},
        {'H', ladder_cell(skin).resized(25, 25)},
        {'-', rope_cell(skin).resized(25, 25)},
    };
    Canvas hole = brick_cell(skin, kBrickFrames - 1).resized(25, 25);
    Canvas runner = runner_picture(1, 3).resized(30, 30);
    Canvas guard = tinted(runner_picture(2, 9).resized(30, 30));
    int gold = 0;
    for (int r = 0; r < 22; ++r) {
        for (int col = 0; col < 32; ++col) {
            char ch = kField[r][col];
            int x = col * 25, y = r * 25;
            if (ch == 'T' && r == 11 && col == 3) {
                c.draw(hole, x, y);
            } else if (cells.count(ch)) {
                c.draw(cells[ch], x, y);
            } else if (ch == '*') {
                c.draw(gold_cell(gold++ % kGoldKinds, skin.seed).resized(25, 25), x, y);
            } else if (ch == '!') {
                c.draw(runner, x - 2, y - 5 + 2);
            } else if (ch == '$') {
                c.draw(guard, x - 2, y - 5 + 2);
            } else if (ch == ' ' && r + 1 < 22 && kField[r + 1][col] == 'T' &&
                       (col * 7 + r) % 11 == 0) {
                c.draw(light_cell(skin, skin.light_kinds[col % skin.light_kinds.size()], 2)
                           .resized(25, 25),
                       x, y);
            }
        }
    }
    return c;
}
