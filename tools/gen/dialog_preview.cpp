// Review pictures of the menus and dialogs composed the way the game draws them: backgrounds,
// controls at their layout places in their normal look, and the game's texts in the game font.
#include <map>
#include <string>

#include "core/version.h"

#include "generate.h"
#include "layout.h"
#include "preview.h"
#include "screens.h"
#include "skins.h"
#include "widgets.h"

namespace {

using namespace layout;

class Composer {
  public:
    Composer(Fonts& fonts, const FontSheet& font) : m_fonts(fonts), m_font(font) {
        for (const Entry& e : entries()) {
            m_layout[e.key] = e.value;
        }
    }

    float num(const std::string& key) { return std::stof(m_layout.at(key)); }

    // A dialog title or label: black copy two units down and right, then yellow.
    void title(Canvas& c, const std::string& text, float size, float x, float y) {
        draw_game_text(c, m_font, text, size, x + 2, y + 2, hex(0x000000));
        draw_game_text(c, m_font, text, size, x, y, hex(0xffff00));
    }

    void text(Canvas& c, const std::string& s, float size, float x, float y, const Rgba& colour) {
        draw_game_text(c, m_font, s, size, x, y, colour);
    }

    void button(Canvas& c, const std::vector<Canvas>& states, float x, float y, int state = 0) {
        c.draw(states[state], static_cast<int>(x), static_cast<int>(y));
    }

    std::vector<Canvas> captioned(const std::string& caption, Size size, ButtonTone tone) {
        return button_states(*m_fonts.bold, caption, size, tone);
    }

    // The main menu as it looks without a game in progress.
    Canvas menu() {
        Canvas c = main_menu_picture(m_fonts);
        struct B {
            const char* key;
            const char* caption;
        };
        const B buttons[] = {{"m_zelm1_game_btn", "New game set 1"},
                             {"m_zelm2_game_btn", "New game set 2"},
                             {"m_quit_game_btn", "Quit"},
                             {"m_help_btn", "Help"},
                             {"m_mm_top7_1_btn", "Top 7 set 1"},
                             {"m_mm_top7_2_btn", "Top 7 set 2"},
                             {"m_options_btn", "Options"},
                             {"m_play_custom_btn", "Custom game"}};
        for (const B& b : buttons) {
            button(c, captioned(b.caption, kMainButton, ButtonTone::main),
                   num(std::string(b.key) + "x"), num(std::string(b.key) + "y"));
        }
        button(c, captioned("Full screen", kSmallButton, ButtonTone::small),
               num("m_mm_fullscreen_btnx"), num("m_mm_fullscreen_btny"));
        button(c, captioned("Minimise", kSmallButton, ButtonTone::small), num("m_mini_btnx"),
               num("m_mini_btny"));
        button(c, logo_states(m_fonts, kLogo), kLogoX, kLogoY);
        // The menu's own line, from the one version the build sets.
        text(c, std::string("version ") + game_version(), 15, 680, 520, hex(0xffffff));
        title(c, "Published by", 40, 420, 180);
        title(c, "Velmora", 40, 490, 400);
        return c;
    }

    static void shade(Canvas& c, float alpha) {
        c.shade_over([=](float, float) { return rgb(0, 0, 0, alpha); });
    }

    // The dialog picture stretched over a rectangle; a sub-canvas to draw the dialog into.
    static Canvas panel_of(const Rect& r) { return dialog_picture(512, false).resized(r.w, r.h); }

    Canvas new_game() {
        Canvas c = menu();
        shade(c, 0.5f);
        Canvas d = panel_of(kNewGame);
        button(d, captioned("OK", kDialogButton, ButtonTone::dialog), num("m_ngd_ok_btnx"),
               num("m_ngd_ok_btny"), 1);
        button(d, captioned("Cancel", kDialogButton, ButtonTone::dialog), num("m_ngd_cancel_btnx"),
               num("m_ngd_cancel_btny"));
        title(d, "Start New Game?", 40, 40, 90);
        c.draw(d, kNewGame.x, kNewGame.y);
        return c;
    }

    Canvas custom_game() {
        Canvas c = menu();
        shade(c, 0.5f);
        Canvas d = panel_of(kCustom);
        button(d, captioned("OK", kDialogButton, ButtonTone::dialog), num("m_cgd_ok_btnx"),
               num("m_cgd_ok_btny"));
        button(d, captioned("Cancel", kDialogButton, ButtonTone::dialog), num("m_cgd_cancel_btnx"),
               num("m_cgd_cancel_btny"));
        std::vector<Canvas> box = field_states(kLevelBox, false);
        float bx = num("m_cgd_level_numx"), by = num("m_cgd_level_numy");
        button(d, box, bx, by, 1);
        float fh = 25, baseline = by + kLevelBox.h - (kLevelBox.h - fh) / 2;
        text(d, "12", fh, bx + 30, baseline, hex(0x000000));
        fill_rect(d, bx + 30 + game_text_width(m_font, "12", fh), by + 10, 3, kLevelBox.h - 20,
                  hex(0x000000));
        std::vector<Canvas> radio = radio_states(kTick);
        const char* keys[] = {"m_cgd_game_type1_radio", "m_cgd_game_type2_radio",
                              "m_cgd_game_kind1_radio", "m_cgd_game_kind2_radio"};
        const char* labels[] = {"Custom", "Random", "Levels Set 1", "Levels Set 2"};
        for (int i = 0; i < 4; ++i) {
            float x = num(std::string(keys[i]) + "x"), y = num(std::string(keys[i]) + "y");
            button(d, radio, x, y, i % 2 == 0 ? 2 : (i == 1 ? 1 : 0));
            text(d, labels[i], i < 2 ? 25 : 23, x + 40, y + 25, hex(0xffff00));
        }
        text(d, "Level's Number (1..75)", 23, bx, by, hex(0xffff00));
        title(d, "Custom Game", 40, 20, 70);
        c.draw(d, kCustom.x, kCustom.y);
        return c;
    }

    Canvas help() {
        Canvas c = menu();
        Canvas d = panel_of(kHelp);
        button(d, captioned("Close", kDialogButton, ButtonTone::dialog), num("m_hd_close_btnx"),
               num("m_hd_close_btny"));
        button(d, arrow_states(kScrollArrow, Arrow::up), num("m_hd_up_btnx"), num("m_hd_up_btny"));
        button(d, arrow_states(kScrollArrow, Arrow::down), num("m_hd_down_btnx"),
               num("m_hd_down_btny"));
        title(d, "Help", 50, 150, 70);
        std::vector<std::string> lines = wrap(help_text(m_font) + "\r", 700, 25);
        for (int i = 0; i < 16 && i < static_cast<int>(lines.size()); ++i) {
            text(d, lines[i], 25, 60, 120 + 25.0f * i, hex(0xffff00));
        }
        c.draw(d, kHelp.x, kHelp.y);
        text(c, std::to_string(lines.size()) + " lines", 15, 10, 598, hex(0xffffff));
        return c;
    }

    Canvas options() {
        Canvas c = menu();
        Canvas d = options_picture(m_fonts);
        button(d, captioned("Close", kDialogButton, ButtonTone::dialog), num("m_od_close_btnx"),
               num("m_od_close_btny"));
        std::vector<Canvas> check = checkbox_states(kTick);
        button(d, check, num("m_od_autosave_chbx"), num("m_od_autosave_chby"), 2);
        button(d, check, num("m_od_sound_chbx"), num("m_od_sound_chby"), 2);
        button(d, check, num("m_od_sound_classik_chbx"), num("m_od_sound_classik_chby"), 1);
        button(d, arrow_states(kSkinArrow, Arrow::left), num("m_od_skin_down_btnx"),
               num("m_od_skin_down_btny"));
        button(d, arrow_states(kSkinArrow, Arrow::right), num("m_od_skin_up_btnx"),
               num("m_od_skin_up_btny"));
        const Skin& skin = all_skins()[0];
        Canvas cells[5] = {brick_cell(skin, 0), solid_cell(skin), ladder_cell(skin),
                           rope_cell(skin).flipped_vertically(),
                           gold_cell(0, skin.seed).flipped_vertically()};
        for (int i = 0; i < 5; ++i) {
            d.draw(cells[i].resized(25, 25), static_cast<int>(num("m_od_skin_x") + 30 * i - 12.5f),
                   static_cast<int>(num("m_od_skin_y") - 12.5f));
        }
        const char* keys[] = {"left", "right", "up", "down", "fire", "die"};
        const char* names[] = {"LEFT ARROW", "RIGHT ARROW", "UP ARROW", "DOWN ARROW", "SPACE", "K"};
        std::vector<Canvas> reader = field_states(kKeyReader, true);
        for (int i = 0; i < 6; ++i) {
            float x = num(std::string("m_od_") + keys[i] + "_key_x");
            float y = num(std::string("m_od_") + keys[i] + "_key_y");
            button(d, reader, x, y, i == 1 ? 1 : 0);
            text(d, names[i], 25, x + 30, y + kKeyReader.h - (kKeyReader.h - 25) / 2.0f,
                 hex(0x000000));
        }
        std::vector<Canvas> radio = radio_states(kTick);
        for (int i = 0; i < 7; ++i) {
            button(d, radio, 150.0f + 35 * i, 495, i <= 3 ? 2 : 0);
        }
        title(d, "Published by", 40, 420, 150);
        title(d, "Velmora", 40, 490, 420);
        text(d, "Press F5 to change current music track", 15, 410, 520, hex(0xffffff));
        c.draw(d, kOptions.x, kOptions.y);
        return c;
    }

    Canvas game_over() {
        Canvas c(800, 600, hex(0x000000));
        c.draw(dialog_picture(512, false).resized(800, 600), 0, 0);
        button(c, captioned("Close", kDialogButton, ButtonTone::dialog), num("m_end_close_btnx"),
               num("m_end_close_btny"));
        float ex = num("m_end_editx"), ey = num("m_end_edity");
        button(c, field_states(kNameBox, false), ex, ey, 1);
        text(c, "Digger Dan", 35, ex + 10, ey + kNameBox.h - (kNameBox.h - 35) / 2.0f,
             hex(0x000000));
        title(c, "Game Over !", 50, 220, 100);
        title(c, "Your score: 48250", 30, 240, 200);
        title(c, "Enter Your Name", 30, 250, 300);
        return c;
    }

    Canvas top7() {
        Canvas c = menu();
        c.draw(top7_picture(m_fonts, 1), 0, 0);
        button(c, captioned("Close", kDialogButton, ButtonTone::dialog), num("m_t7d_close_btnx"),
               num("m_t7d_close_btny"));
        title(c, "Top 7", 50, 20, 70);
        const char* names[] = {"Digger Dan", "Anonymous", "Quarry Queen", "Goldfinder",
                               "Ladder Lou", "Mira",      "Anonymous"};
        const int scores[] = {148250, 97500, 64325, 40000, 22750, 9500, 1750};
        for (int i = 0; i < 7; ++i) {
            title(c, names[i], 40, 100, 150.0f + 60 * i);
            title(c, std::to_string(scores[i]), 40, 560, 150.0f + 60 * i);
        }
        return c;
    }

  private:
    // The help panel's wrapping: a carriage return ends a paragraph, words fill lines.
    std::vector<std::string> wrap(const std::string& bytes, float width, float size) {
        std::vector<std::string> lines;
        std::string line, word;
        for (char ch : bytes) {
            if (ch == ' ' || ch == '\r') {
                if (game_text_width(m_font, line, size) + game_text_width(m_font, word, size) <
                    width) {
                    line += word + " ";
                } else {
                    lines.push_back(line);
                    line = word + " ";
                }
                word.clear();
                if (ch == '\r') {
                    lines.push_back(line);
                    line.clear();
                }
            } else if (ch != '\n') {
                word += ch;
            }
        }
        return lines;
    }

    Fonts& m_fonts;
    const FontSheet& m_font;
    std::map<std::string, std::string> m_layout;
};

}  // namespace

void add_dialog_previews(ContactSheet& review, Fonts& fonts, const FontSheet& font) {
    Composer c(fonts, font);
    review.add("main menu (review only)", c.menu());
    review.add("new game (review only)", c.new_game());
    review.add("custom game (review only)", c.custom_game());
    review.add("options (review only)", c.options());
    review.add("help (review only)", c.help());
    review.add("game over (review only)", c.game_over());
    review.add("top 7 (review only)", c.top7());
}
