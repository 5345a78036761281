#include "screens.h"

#include <cmath>

#include "layout.h"
#include "runner.h"
#include "skins.h"
#include "widgets.h"

namespace {

// Large lettering: a vertical gradient fill, a dark outline and a warm glow behind.
void title_text(Canvas& c, TypeFace& face, const std::string& text, float x, float baseline,
                float size, const Rgba& top, const Rgba& bottom, bool centred, float tracking = 0) {
    float w = face.width(text, size) + tracking * (text.size() - 1);
    float left = centred ? x - w / 2 : x;
    Canvas mask(c.width(), c.height());
    face.draw(mask, text, size, left, baseline, hex(0xffffff), tracking);
    Canvas outline(c.width(), c.height());
    float ow = std::max(2.0f, size / 28);
    for (int i = 0; i < 16; ++i) {
        float a = 6.2831853f * i / 16;
        face.draw(outline, text, size, left + std::cos(a) * ow, baseline + std::sin(a) * ow,
                  hex(0x120a04), tracking);
    }
    c.draw(outline.shadow(hex(0xff9a20, 0.55f), static_cast<int>(size / 10)), 0, 0);
    c.draw(outline.shadow(hex(0x000000, 0.8f), 3), 3, 4);
    c.draw(outline, 0, 0);
    float cap_top = baseline - size * 0.75f;
    for (int y = 0; y < c.height(); ++y) {
        for (int xx = 0; xx < c.width(); ++xx) {
            float a = mask.at(xx, y).a;
            if (a > 0) {
                float t = clamp01((y - cap_top) / (size * 0.75f));
                Rgba fill = mix(top, bottom, t);
                // A bright band across the upper third, like polished metal.
                if (t > 0.28f && t < 0.36f) {
                    fill = mix(fill, hex(0xffffff), 0.35f);
                }
                c.blend(xx, y, fill, a);
            }
        }
    }
}

void label(Canvas& c, TypeFace& face, const std::string& text, float x, float baseline, float size,
           const Rgba& colour = hex(0xe8eefc)) {
    TextStyle s;
    s.size = size;
    s.colour = colour;
    s.shadow = hex(0x000000, 0.9f);
    s.shadow_blur = 1;
    s.shadow_dx = 2;
    s.shadow_dy = 2;
    draw_styled(c, face, text, x, baseline, s, false);
}

// Places a cell picture (64 px) at a given size.
void put_cell(Canvas& c, const Canvas& cell, float x, float y, int size, float brightness = 1) {
    Canvas small = cell.resized(size, size);
    if (brightness != 1) {
        for (int yy = 0; yy < small.height(); ++yy) {
            for (int xx = 0; xx < small.width(); ++xx) {
                small.at(xx, yy) = scaled(small.at(xx, yy), brightness);
            }
        }
    }
    c.draw(small, static_cast<int>(x), static_cast<int>(y));
}

void put_runner(Canvas& c, int group, int frame, float x, float y, int size, bool guard) {
    Canvas pic = runner_picture(group, frame).resized(size, size);
    if (guard) {
        for (int yy = 0; yy < pic.height(); ++yy) {
            for (int xx = 0; xx < pic.width(); ++xx) {
                pic.at(xx, yy).g = 0;
            }
        }
    }
    c.draw(pic.shadow(hex(0x000000, 0.5f), 3), static_cast<int>(x) + 3, static_cast<int>(y) + 3);
    c.draw(pic, static_cast<int>(x), static_cast<int>(y));
}

// A framed panel texture: gradient, grain, a bevelled bronze frame.
// `y_scale` below 1 thickens the top and bottom edges, for pictures the game squeezes
// vertically more than horizontally.
Canvas framed(int w, int h, const Rgba& top, const Rgba& bottom, const Rgba& frame, int border,
              uint32_t seed, float y_scale = 1, bool brackets = true) {
    Canvas c(w, h);
    c.shade([&](float x, float y) {
        Rgba base = mix(top, bottom, y / h);
        float grain = fbm(x / 40, y / 40, seed, 4);
        base = scaled(base, 0.88f + 0.24f * grain);
        float vx = (x - w / 2.0f) / (w / 2.0f), vy = (y - h / 2.0f) / (h / 2.0f);
        base = scaled(base, 1 - 0.25f * (vx * vx + vy * vy) * 0.5f);
        float d = std::min(std::min(x, w - x), std::min(y, h - y) * y_scale);
        if (d < border) {
            float k = d / border;
            bool lit = (y < h - y && y <= x && y <= w - x) || (x < w - x && x <= y && x <= h - y);
            Rgba f = scaled(frame, 0.75f + 0.5f * std::sin(k * 3.14159f));
            f = scaled(f, lit ? 1.15f : 0.8f);
            if (d < 1.5f) {
                f = hex(0x0a0806);
            }
            return f;
        }
        if (d < border + 3) {
            return mix(base, hex(0x000000), 0.6f * (1 - (d - border) / 3));
        }
        return base;
    });
    // Gold rivets in the corners of the frame.
    if (brackets) {
        Rgba gold = scaled(frame, 1.4f);
        float bx = border / 2.0f, by = border / 2.0f / y_scale;
        for (int corner = 0; corner < 4; ++corner) {
            float cx = corner % 2 ? w - bx : bx;
            float cy = corner / 2 ? h - by : by;
            fill_circle(c, cx + 0.8f, cy + 0.8f, border * 0.32f, hex(0x000000, 0.6f));
            fill_circle(c, cx, cy, border * 0.32f, gold);
            fill_circle(c, cx - 0.8f, cy - 0.8f, border * 0.12f, hex(0xffffff, 0.7f));
        }
    }
    return c;
}

}  // namespace

Canvas main_menu_picture(Fonts& fonts) {
    using namespace layout;
    Canvas c = background_design(0);
    const Skin& skin = all_skins()[0];
    // The title as large as its box allows (glow and outline included), and its tag line.
    const std::string title = "QUARRIK";
    const float tracking = 3;
    float size = 84;
    while (size > 20 && fonts.serif->width(title, size) + tracking * (title.size() - 1) +
                                2 * (size / 10 + size / 28) >
                            kMenuTitle.w) {
        size -= 1;
    }
    const float title_x = kMenuTitle.x + size / 10 + size / 28;
    title_text(c, *fonts.serif, title, title_x, kMenuTitle.y + 0.75f * size + size / 10 + 4, size,
               hex(0xfff2b0), hex(0xd9861a), false, tracking);
    label(c, *fonts.bold, "DIG  \xb7  CLIMB  \xb7  COLLECT  \xb7  ESCAPE", title_x + 4,
          kMenuTitle.y + kMenuTitle.h, 13, hex(0xc8d4f0));
    // The panel behind the two button columns and quit.
    panel(c, kMenuPanel.x, kMenuPanel.y, kMenuPanel.w, kMenuPanel.h, 14, hex(0x0a1020, 0.72f),
          hex(0x8aa8d8, 0.5f));
    // A strip of playfield in the lower right: the runner escaping a guard over a dug brick.
    const int cell = 36;
    for (int i = 0; i < 11; ++i) {
        float x = 428 + i * cell;
        int frame = i == 3 ? kBrickFrames - 1 : 0;
        put_cell(c, brick_cell(skin, frame), x, 600 - cell, cell, 0.8f);
    }
    put_cell(c, gold_cell(0, skin.seed), 428 + 6 * cell, 600 - 2 * cell, cell);
    put_cell(c, ladder_cell(skin), 428 + 8 * cell, 600 - 2 * cell, cell, 0.85f);
    put_cell(c, ladder_cell(skin), 428 + 8 * cell, 600 - 3 * cell, cell, 0.85f);
    put_runner(c, 3, 4, 428 + 3 * cell - 8, 600 - cell - 40, 52, true);   // guard falling in
    put_runner(c, 2, 5, 428 + 1 * cell - 8, 600 - cell - 46, 52, false);  // runner running left
    return c;
}

Canvas intro_picture(Fonts& fonts) {
    Canvas c = background_design(2);
    const Skin& skin = all_skins()[0];
    // A ledge of bricks with gold, a ladder, and the runner climbing to it.
    const int cell = 50;
    for (int i = 0; i < 16; ++i) {
        put_cell(c, brick_cell(skin, 0), i * cell, 600 - cell, cell);
        if (i >= 9) {
            put_cell(c, solid_cell(skin), i * cell, 600 - 5 * cell, cell);
        }
    }
    for (int r = 2; r <= 5; ++r) {
        put_cell(c, ladder_cell(skin), 8 * cell, 600 - r * cell, cell);
    }
    for (int g = 0; g < 3; ++g) {
        put_cell(c, gold_cell(g, skin.seed), (11 + g) * cell, 600 - 6 * cell, cell);
    }
    put_cell(c, gold_cell(3, skin.seed), 2 * cell, 600 - 2 * cell, cell);
    put_runner(c, 4, 2, 8 * cell - 11, 600 - 4 * cell - 20, 72, false);
    put_runner(c, 1, 6, 4 * cell, 600 - cell - 66, 72, true);
    title_text(c, *fonts.serif, "Quarrik", 400, 190, 132, hex(0xfff6c0), hex(0xe08a18), true);
    TextStyle tag;
    tag.size = 20;
    tag.colour = hex(0xdde6ff);
    tag.shadow = hex(0x000000, 0.9f);
    tag.shadow_blur = 1;
    tag.shadow_dx = 2;
    tag.shadow_dy = 2;
    draw_styled(c, *fonts.bold, "Dig.  Climb.  Collect the gold.  Get out alive.", 400, 238, tag,
                true);
    panel(c, 320, 488, 160, 40, 10, hex(0x05080f, 0.75f), hex(0xffd35a, 0.6f));
    label(c, *fonts.bold, "Loading...", 349, 515, 20, hex(0xfff0a0));
    return c;
}

Canvas options_picture(Fonts& fonts) {
    using namespace layout;
    Canvas c = framed(kOptions.w, kOptions.h, hex(0x26364f), hex(0x111a2a), hex(0xa87a3a), 8, 907,
                      1, false);
    title_text(c, *fonts.serif, "Options", 28, 60, 40, hex(0xfff2b0), hex(0xd9861a), false);
    TypeFace& face = *fonts.bold;
    label(c, face, "Save the game automatically", kOptTickX + 42, kOptAutosaveY + 23, 17);
    label(c, face, "Sound effects", kOptTickX + 42, kOptSoundY + 23, 17);
    label(c, face, "Classic sound set", kOptTickX + 42, kOptClassicY + 23, 17);
    label(c, face, "Skin", kOptTickX, kOptSkinY + 25, 17, hex(0xffe27a));
    // A tray under the skin preview.
    fill_rect(c, kOptSkinDownX + kSkinArrow.w + 4, kOptSkinY + 1,
              kOptSkinUpX - kOptSkinDownX - kSkinArrow.w - 8, kSkinArrow.h - 2, hex(0x05080f, 0.7f),
              6);
    const char* names[] = {"Left", "Right", "Up", "Down", "Dig", "Give up"};
    for (int i = 0; i < 6; ++i) {
        label(c, face, names[i], kOptTickX + 8, kOptKeysY + i * kOptKeyStep + 24, 17);
    }
    label(c, face, "Music", kOptTickX, kOptVolumeY + 24, 17, hex(0xffe27a));
    for (int i = 0; i < 7; ++i) {
        // Rising steps under the volume boxes.
        float x = kOptVolumeX + i * kOptVolumeStep + 4;
        float h = 3 + i * 1.5f;
        fill_rect(c, x, kOptVolumeY + 36, 24, h, hex(0xffd35a, 0.35f + 0.08f * i), 1);
    }
    // The right half holds the animated studio banner; a quiet inset keeps it readable.
    panel(c, 412, 56, kOptions.w - 412 - 24, 440, 12, hex(0x070b14, 0.55f), hex(0x8aa8d8, 0.35f));
    draw_line(c, 30, 190, 390, 190, 1.2f, hex(0x8aa8d8, 0.35f));
    draw_line(c, 30, 244, 390, 244, 1.2f, hex(0x8aa8d8, 0.35f));
    draw_line(c, 30, 490, 390, 490, 1.2f, hex(0x8aa8d8, 0.35f));
    return c;
}

Canvas dialog_picture(int size, bool warning) {
    if (warning) {
        return framed(size, size, hex(0x4a2024), hex(0x1e0c10), hex(0xb06a3a), 10, 913, 0.6f);
    }
    return framed(size, size, hex(0x26364f), hex(0x111a2a), hex(0xa87a3a), 10, 911, 0.6f);
}

Canvas top7_picture(Fonts& fonts, int set) {
    using namespace layout;
    Canvas c = framed(800, 600, hex(0x26364f), hex(0x111a2a), hex(0xa87a3a), 7, 917 + set, 1);
    // A band for the title the dialog writes at its top left, well inside the frame, with the
    // level set's name at its right end.
    panel(c, 12, 12, 776, 68, 10, hex(0x05080f, 0.6f), hex(0xd9a24a, 0.6f));
    title_text(c, *fonts.serif, "Level set " + std::to_string(set),
               768 - fonts.serif->width("Level set 0", 34), 60, 34, hex(0xfff2b0), hex(0xd9861a),
               false);
    // One band per place; the dialog writes the name from x 100 and the score from x 560 on
    // the baselines 150, 210, ... 510, each line 40 high.
    const Rgba medals[] = {hex(0xf2c23a), hex(0xc8d0dc), hex(0xc8804a)};
    for (int i = 0; i < 7; ++i) {
        float top = 104 + 60.0f * i;
        fill_rect(c, 24, top, 752, 52, hex(i % 2 ? 0x0a1020 : 0x2a3c5c, 0.45f), 8);
        float cy = top + 26;
        Rgba medal = i < 3 ? medals[i] : hex(0x5a6e94);
        fill_circle(c, 63, cy + 2, 20, hex(0x000000, 0.5f));
        fill_circle(c, 62, cy, 20, scaled(medal, 0.6f));
        fill_circle(c, 62, cy, 17, medal);
        fill_circle(c, 57, cy - 6, 6, hex(0xffffff, 0.25f));
        std::string rank = std::to_string(i + 1);
        fonts.serif->draw_centred(c, rank, 26, 62, cy + 9, i < 3 ? hex(0x2a1a08) : hex(0xf0f4ff));
    }
    // The score column's edge.
    draw_line(c, 546, 108, 546, 516, 1.5f, hex(0xd9a24a, 0.35f));
    return c;
}
