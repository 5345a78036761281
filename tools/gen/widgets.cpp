#include "widgets.h"

#include <algorithm>
#include <cmath>

namespace {

struct Palette {
    Rgba top, bottom, rim, caption;
};

Palette palette(ButtonTone tone, int state) {
    // Normal: deep blue steel; hover: brighter with a gold rim; pressed: sunk and darker.
    Rgba top = tone == ButtonTone::dialog ? hex(0x3f6f4a) : hex(0x3b6a9c);
    Rgba bottom = tone == ButtonTone::dialog ? hex(0x1b3a24) : hex(0x17304f);
    if (tone == ButtonTone::small) {
        top = hex(0x4a4f60), bottom = hex(0x23262f);
    }
    switch (state) {
        case 1:
            return {scaled(top, 1.3f), scaled(bottom, 1.35f), hex(0xffd35a), hex(0xfff1a8)};
        case 2:
            return {scaled(bottom, 0.9f), scaled(top, 0.85f), hex(0xc89a30), hex(0xffe27a)};
        default:
            return {top, bottom, hex(0xa8c8ee, 0.85f), hex(0xf2f6ff)};
    }
}

float fit_size(TypeFace& face, const std::string& text, float want, float room) {
    float size = want;
    while (size > 8 && face.width(text, size) > room) {
        size -= 0.5f;
    }
    return size;
}

// A rounded plate with a gradient, rim, top gloss and dark outline.
void plate(Canvas& c, float x, float y, float w, float h, float r, const Palette& p, bool pressed) {
    fill_rect(c, x, y, w, h, hex(0x05070c, 0.9f), r);
    fill_rect_paint(c, x + 1, y + 1, w - 2, h - 2, r - 1,
                    [=](float, float py) { return mix(p.top, p.bottom, clamp01((py - y) / h)); });
    stroke_rect(c, x + 1, y + 1, w - 2, h - 2, 1.6f, p.rim, r - 1);
    if (!pressed) {
        // Gloss on the upper half.
        fill_rect_paint(c, x + 3, y + 3, w - 6, h * 0.42f, r - 3, [=](float, float py) {
            return with_alpha(hex(0xffffff), 0.18f * (1 - (py - y) / (h * 0.45f)));
        });
    } else {
        fill_rect_paint(c, x + 2.5f, y + 2.5f, w - 5, h * 0.3f, r - 3, [=](float, float py) {
            return with_alpha(hex(0x000000), 0.3f * (1 - (py - y) / (h * 0.3f)));
        });
    }
}

}  // namespace

Canvas stack_bands(const std::vector<Canvas>& states) {
    int w = states[0].width(), h = states[0].height();
    Canvas out(w, h * static_cast<int>(states.size()));
    for (size_t i = 0; i < states.size(); ++i) {
        out.paste(states[i], 0, static_cast<int>(states.size() - 1 - i) * h);
    }
    return out;
}

std::vector<Canvas> button_states(TypeFace& face, const std::string& caption, layout::Size size,
                                  ButtonTone tone) {
    std::vector<Canvas> out;
    const float w = static_cast<float>(size.w), h = static_cast<float>(size.h);
    const float r = std::min(10.0f, h / 3);
    float want = tone == ButtonTone::small ? 15.0f : 19.0f;
    float text_size = fit_size(face, caption, want, w - 22);
    for (int state = 0; state < 3; ++state) {
        Canvas c(size.w, size.h);
        Palette p = palette(tone, state);
        plate(c, 1, 1, w - 2, h - 2, r, p, state == 2);
        float baseline = h / 2 + text_size * 0.36f + (state == 2 ? 1.0f : 0.0f);
        TextStyle style;
        style.size = text_size;
        style.colour = p.caption;
        style.shadow = hex(0x000000, 0.85f);
        style.shadow_blur = 1;
        style.shadow_dx = 1;
        style.shadow_dy = 1;
        draw_styled(c, face, caption, w / 2, baseline, style, true);
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<Canvas> arrow_states(layout::Size size, Arrow direction) {
    std::vector<Canvas> out;
    const float w = static_cast<float>(size.w), h = static_cast<float>(size.h);
    for (int state = 0; state < 3; ++state) {
        Canvas c(size.w, size.h);
        Palette p = palette(ButtonTone::main, state);
        float r = std::min(w, h) / 2 - 1.5f;
        plate(c, w / 2 - r, h / 2 - r, 2 * r, 2 * r, r, p, state == 2);
        float s = r * 0.48f;
        float cx = w / 2, cy = h / 2 + (state == 2 ? 1.0f : 0.0f);
        std::vector<float> tri;
        switch (direction) {
            case Arrow::up:
                tri = {cx, cy - s, cx + s, cy + s * 0.6f, cx - s, cy + s * 0.6f};
                break;
            case Arrow::down:
                tri = {cx - s, cy - s * 0.6f, cx + s, cy - s * 0.6f, cx, cy + s};
                break;
            case Arrow::left:
                tri = {cx - s, cy, cx + s * 0.6f, cy - s, cx + s * 0.6f, cy + s};
                break;
            case Arrow::right:
                tri = {cx - s * 0.6f, cy - s, cx + s, cy, cx - s * 0.6f, cy + s};
                break;
        }
        std::vector<float> shadow = tri;
        for (size_t i = 0; i < shadow.size(); ++i) {
            shadow[i] += 1.2f;
        }
        fill_polygon(c, shadow, hex(0x000000, 0.7f));
        fill_polygon(c, tri, p.caption);
        out.push_back(std::move(c));
    }
    return out;
}

namespace {

std::vector<Canvas> tick_states(layout::Size size, bool round) {
    std::vector<Canvas> out;
    const float w = static_cast<float>(size.w), h = static_cast<float>(size.h);
    for (int state = 0; state < 4; ++state) {
        bool on = state >= 2;
        bool hover = state % 2 == 1;
        Canvas c(size.w, size.h);
        float r = round ? w / 2 - 2 : 6;
        if (hover) {
            Canvas glow(size.w, size.h);
            fill_rect(glow, 2, 2, w - 4, h - 4, hex(0xffd35a, 0.9f), r);
            c.draw(glow.blurred(2), 0, 0);
        }
        fill_rect(c, 2, 2, w - 4, h - 4, hex(0x05070c, 0.95f), r);
        fill_rect_paint(c, 3.5f, 3.5f, w - 7, h - 7, r - 1.5f, [=](float, float py) {
            return mix(hex(0x0e1522), hex(0x2a3a52), clamp01(py / h));
        });
        stroke_rect(c, 3.5f, 3.5f, w - 7, h - 7, 1.4f, hover ? hex(0xffd35a) : hex(0x9ab8dc, 0.9f),
                    r - 1.5f);
        if (on) {
            if (round) {
                fill_circle(c, w / 2 + 0.8f, h / 2 + 0.8f, w * 0.22f, hex(0x000000, 0.6f));
                fill_circle(c, w / 2, h / 2, w * 0.22f, hover ? hex(0xfff0a0) : hex(0xffd040));
                fill_circle(c, w / 2 - 2, h / 2 - 2, w * 0.07f, hex(0xffffff, 0.9f));
            } else {
                Rgba mark = hover ? hex(0xfff0a0) : hex(0x7cf07a);
                draw_line(c, w * 0.26f + 1, h * 0.52f + 1, w * 0.43f + 1, h * 0.7f + 1, 4.2f,
                          hex(0x000000, 0.6f));
                draw_line(c, w * 0.43f + 1, h * 0.7f + 1, w * 0.76f + 1, h * 0.3f + 1, 4.2f,
                          hex(0x000000, 0.6f));
                draw_line(c, w * 0.26f, h * 0.52f, w * 0.43f, h * 0.7f, 4.2f, mark);
                draw_line(c, w * 0.43f, h * 0.7f, w * 0.76f, h * 0.3f, 4.2f, mark);
            }
        }
        out.push_back(std::move(c));
    }
    return out;
}

}  // namespace

std::vector<Canvas> checkbox_states(layout::Size size) {
    return tick_states(size, false);
}

std::vector<Canvas> radio_states(layout::Size size) {
    return tick_states(size, true);
}

std::vector<Canvas> field_states(layout::Size size, bool key_reader) {
    std::vector<Canvas> out;
    const float w = static_cast<float>(size.w), h = static_cast<float>(size.h);
    for (int state = 0; state < 2; ++state) {
        bool active = state == 1;
        Canvas c(size.w, size.h);
        float r = 6;
        Rgba rim = active ? hex(0xffb030) : hex(0x8aa4c8);
        fill_rect(c, 0.5f, 0.5f, w - 1, h - 1, hex(0x05070c, 0.95f), r);
        Rgba top = active ? (key_reader ? hex(0xffe6a8) : hex(0xffffff)) : hex(0xdcd6c8);
        Rgba bottom = active ? (key_reader ? hex(0xfff4d8) : hex(0xfffbef)) : hex(0xf2eee4);
        fill_rect_paint(c, 2, 2, w - 4, h - 4, r - 1,
                        [=](float, float py) { return mix(top, bottom, clamp01(py / h)); });
        // An inset shadow along the top edge.
        fill_rect_paint(c, 2, 2, w - 4, 5, r - 1, [=](float, float py) {
            return with_alpha(hex(0x000000), 0.22f * (1 - (py - 2) / 5));
        });
        stroke_rect(c, 1.5f, 1.5f, w - 3, h - 3, active ? 2.2f : 1.2f, rim, r - 0.5f);
        if (key_reader) {
            // A key-cap mark at the left, in the margin before the caption.
            float kx = 8, ky = h / 2 - 8;
            fill_rect(c, kx, ky, 16, 16, hex(0x3a4458, active ? 1.0f : 0.7f), 3);
            fill_rect(c, kx + 2, ky + 2, 12, 10, active ? hex(0xffc040) : hex(0x8a96ac), 2);
        }
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<Canvas> logo_states(Fonts& fonts, layout::Size size) {
    std::vector<Canvas> out;
    const float h = static_cast<float>(size.h);
    for (int state = 0; state < 3; ++state) {
        Canvas c(size.w, size.h);
        float glow = state == 1 ? 1.0f : 0.0f;
        float shift = state == 2 ? 1.0f : 0.0f;
        // The emblem: a faceted gem whose facets form a V.
        float cx = 38, cy = h / 2 + shift, r = 27;
        if (glow > 0) {
            Canvas halo(size.w, size.h);
            fill_circle(halo, cx, cy, r + 4, hex(0xffd35a, 0.8f));
            c.draw(halo.blurred(4), 0, 0);
        }
        std::vector<float> gem = {cx - r,         cy - r * 0.35f, cx - r * 0.5f,
                                  cy - r * 0.85f, cx + r * 0.5f,  cy - r * 0.85f,
                                  cx + r,         cy - r * 0.35f, cx,
                                  cy + r};
        std::vector<float> outline = gem;
        fill_polygon(c, outline, hex(0x0a0c14));
        std::vector<float> left = {
            cx - r + 3, cy - r * 0.33f, cx - r * 0.5f + 2, cy - r * 0.78f, cx, cy - r * 0.33f,
            cx,         cy + r - 5};
        std::vector<float> right = {
            cx, cy - r * 0.33f, cx + r * 0.5f - 2, cy - r * 0.78f, cx + r - 3, cy - r * 0.33f,
            cx, cy + r - 5};
        std::vector<float> crown = {
            cx - r * 0.5f + 2, cy - r * 0.78f, cx + r * 0.5f - 2, cy - r * 0.78f, cx,
            cy - r * 0.33f};
        fill_polygon(c, left, state == 2 ? hex(0x7a2a8a) : hex(0x9a3ab0));
        fill_polygon(c, right, state == 2 ? hex(0x4a1a6a) : hex(0x5e2488));
        fill_polygon(c, crown, hex(0xe6b0ff));
        draw_line(c, cx - r * 0.3f, cy - r * 0.55f, cx - r * 0.1f, cy - r * 0.5f, 2,
                  hex(0xffffff, 0.9f));
        // The name.
        TextStyle name;
        name.size = 26;
        name.colour = state == 1 ? hex(0xfff1a8) : hex(0xf0e6ff);
        name.outline = hex(0x0a0c14);
        name.outline_width = 2;
        name.tracking = 1;
        draw_styled(c, *fonts.serif, "VELMORA", 76, h / 2 + 6 + shift, name, false);
        TextStyle sub;
        sub.size = 12;
        sub.colour = hex(0xc8b8e8);
        sub.outline = hex(0x0a0c14);
        sub.outline_width = 1.5f;
        sub.tracking = 3.0f;
        draw_styled(c, *fonts.bold, "GAME STUDIO", 80, h / 2 + 24 + shift, sub, false);
        out.push_back(std::move(c));
    }
    return out;
}

Canvas window_icon(Fonts& fonts, int size) {
    // Drawn on a 64-unit grid scaled to the size, so every size is a sharp drawing of its own.
    const float s = static_cast<float>(size) / 64.0f;
    Canvas c(size, size);
    fill_rect(c, 2 * s, 2 * s, 60 * s, 60 * s, hex(0x0a0e1a), 12 * s);
    fill_rect_paint(c, 4 * s, 4 * s, 56 * s, 56 * s, 10 * s, [size](float, float y) {
        return mix(hex(0x2a4a7a), hex(0x101a30), y / static_cast<float>(size));
    });
    // A gold bar under a big Q.
    std::vector<float> bar = {14, 56, 50, 56, 44, 44, 20, 44};
    std::vector<float> top = {20, 44, 44, 44, 42, 40, 22, 40};
    for (float& v : bar) {
        v *= s;
    }
    for (float& v : top) {
        v *= s;
    }
    fill_polygon(c, bar, hex(0xe0a820));
    fill_polygon(c, top, hex(0xffe27a));
    TextStyle q;
    q.size = 44 * s;
    q.colour = hex(0xfff4d0);
    q.outline = hex(0x0a0e1a);
    q.outline_width = 2 * s;
    draw_styled(c, *fonts.serif, "Q", 32 * s, 40 * s, q, true);
    return c;
}

void panel(Canvas& c, float x, float y, float w, float h, float radius, const Rgba& fill,
           const Rgba& rim) {
    Canvas shade(c.width(), c.height());
    fill_rect(shade, x + 4, y + 6, w, h, hex(0x000000, 0.55f), radius);
    c.draw(shade.blurred(6), 0, 0);
    fill_rect(c, x, y, w, h, fill, radius);
    stroke_rect(c, x, y, w, h, 1.5f, rim, radius);
}
