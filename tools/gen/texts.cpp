// The layout file and the help pages.
#include <sstream>

#include "font_sheet.h"
#include "generate.h"
#include "layout.h"

namespace {

// Paragraphs are separated by blank lines; a line holding only "." is an empty line on screen,
// and a paragraph starting with "# " is a heading.
const char* kHelp = R"(# HOW TO PLAY QUARRIK

.

# THE GOAL

Deep in the old quarries, gold lies scattered over ledges of brick and stone. Collect every piece of gold in the level. When the last piece is taken, hidden ladders appear; climb to the very top row of the screen to finish the level and go on to the next.

Each level set has 75 levels. The guards want their gold back: keep away from them, or trap them in holes you dig.

.

# KEYS

Arrow Left and Arrow Right: run along floors and hang along ropes.

Arrow Up and Arrow Down: climb ladders. Arrow Down also lets go of a rope.

Space: dig a hole in the brick below you, on the side you are facing.

K: give up this life when you are hopelessly stuck.

Escape: leave the game and return to the main menu. The game waits there; press Continue to go on.

Enter: minimise the game window. F5: play the next music track.

All six playing keys can be changed in the Options dialog: click a key field, then press the new key.

.

# MOVING

Ladders: stand on a ladder and press up or down to climb. You can climb off the top of a ladder onto the floor beside it.

Ropes: run onto a rope and you hang from it by your hands; move left and right to travel hand over hand. Press down to drop.

Falling: with nothing under your feet you fall until you land on a floor, a ladder or a rope. A fall never hurts you, but you cannot steer while falling.

.

# DIGGING

Press the dig key to burn a hole in the brick floor diagonally in front of you. The cell beside you on that side must be free. Only bricks can be dug: solid blocks, ladders and ropes resist.

A hole stays open for a few seconds and then grows back. Anyone still inside when it closes is buried: a guard comes back near the top of the screen, and you lose a life.

Holes are your best weapon and your best bridge: dig one in a guard's path, let him fall in, then run across his head.

.

# GUARDS

Guards chase you from the moment you first move. A guard that touches you costs you a life.

A guard who falls into a hole is stuck for a while before he climbs out. Guards also pick up gold they walk over and drop it again later; a guard who falls into a hole usually leaves his gold on the edge above it. A level does not end while a guard still carries gold.

.

# GOLD, SCORE AND LIVES

Each piece of gold is worth 250 points. A guard falling into a hole gives 75 points, and 75 more when the hole closes on him. Finishing a level adds 1500 points.

Extra lives are won at fixed score steps: each time your score passes the next step, a life is added and a fanfare sounds.

When the last life is lost the game is over. A good score earns a place in the Top 7 table of its level set: type your name and press Enter.

.

# OPTIONS

In Options you choose the graphics skin with the arrows (the preview shows its bricks, blocks, ladders, ropes and gold), switch sound effects and the classic sound set on or off, set the music volume with the row of buttons, and redefine the playing keys. New keys are kept only when you leave with the Close button; Enter and Escape leave the old ones.

Autosave keeps the game in progress when you quit: the next time you start, Continue takes you back to the level you were playing.

.

# CUSTOM GAME

Custom game lets you practise: choose Custom, a level set and a level number from 1 to 75, or choose Random to be dropped into a random level of a random set.

.

# SAVING

With "Save the game automatically" on in Options, the game in progress is saved at the start of every level and when you quit, so nothing is lost. Starting a new game while one is running asks you first.

.

Good luck, and mind the holes!
)";

}  // namespace

namespace {

// A heading stands alone between two rules of tildes that fill the line, so it shows among
// the paragraphs without any help from the text panel, which draws every line alike.
std::string heading(const std::string& title, const FontSheet& font) {
    const float size = 25, room = 680;
    std::string rule;
    auto line = [&]() { return rule + "  " + title + "  " + rule; };
    while (game_text_width(font, line() + "~~", size) < room) {
        rule += "~";
    }
    return line();
}

}  // namespace

std::string help_text(const FontSheet& font) {
    // Each paragraph ends with a carriage return (the help reader's paragraph mark); a line
    // feed follows for editors and is ignored by the game.
    std::string help;
    std::istringstream in(kHelp);
    std::string line, paragraph;
    auto flush = [&]() {
        if (paragraph.rfind("# ", 0) == 0) {
            paragraph = heading(paragraph.substr(2), font);
        }
        if (!paragraph.empty()) {
            help += (paragraph == "." ? std::string() : paragraph) + "\r\n";
            paragraph.clear();
        }
    };
    while (std::getline(in, line)) {
        if (line.empty()) {
            flush();
        } else {
            paragraph += paragraph.empty() ? line : " " + line;
        }
    }
    flush();
    return help;
}

void generate_texts(OutputTree& out, const FontSheet& font) {
    out.write_text("mui/menu.txt", layout::menu_text());
    out.write_text("mui/help.txt", help_text(font));
}
