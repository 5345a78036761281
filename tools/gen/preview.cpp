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

Canvas playfield_preview(int skin_index, const std::vector<std::string>& level) {
    const Skin& skin = all_skins()[skin_index];
    std::vector<std::string> field;
    for (int r = 0; r < 22; ++r) {
        std::string row =
            level.empty() ? kField[r] : (r < static_cast<int>(level.size()) ? level[r] : "");
        row.resize(32, ' ');
        field.push_back(row);
    }
    Canvas c = background_design(skin_index % 6);
    std::map<char, Canvas> cells = {
        {'T', brick_cell(skin, 0).resized(25, 25)}, {'U', brick_cell(skin, 0).resized(25, 25)},
        {'M', solid_cell(skin).resized(25, 25)},    {'H', ladder_cell(skin).resized(25, 25)},
        {'-', rope_cell(skin).resized(25, 25)},
    };
    Canvas hole = brick_cell(skin, kBrickFrames - 1).resized(25, 25);
    Canvas runner = runner_picture(1, 3).resized(30, 30);
    Canvas guard = tinted(runner_picture(2, 9).resized(30, 30));
    int gold = 0;
    bool dug = false;
    for (int r = 0; r < 22; ++r) {
        for (int col = 0; col < 32; ++col) {
            char ch = field[r][col];
            int x = col * 25, y = r * 25;
            bool on_floor = r + 1 < 22 && (field[r + 1][col] == 'T' || field[r + 1][col] == 'M');
            if (ch == 'T' && !dug && r > 8 && r < 20 && col > 2) {
                c.draw(hole, x, y);  // one open hole, to show what a dig leaves
                dug = true;
            } else if (cells.count(ch)) {
                c.draw(cells[ch], x, y);
            } else if (ch == '#') {
                c.draw(cells['H'], x, y, 0.35f);  // hidden ladders, shown faintly for review
            } else if (ch == '*') {
                c.draw(gold_cell(gold++ % kGoldKinds, skin.seed).resized(25, 25), x, y);
            } else if (ch == '!') {
                c.draw(runner, x - 2, y - 5 + 2);
            } else if (ch == '$') {
                c.draw(guard, x - 2, y - 5 + 2);
            } else if (ch == ' ' && on_floor && (col * 7 + r) % 11 == 0) {
                c.draw(light_cell(skin, skin.light_kinds[col % skin.light_kinds.size()], 2)
                           .resized(25, 25),
                       x, y);
            }
        }
    }
    return c;
}
