// Ladders, ropes, gold and the small decorations of the skins.
#include <cmath>

#include "skins.h"

namespace {

constexpr float kPi = 3.14159265f;

// A soft round glow.
void glow(Canvas& c, float cx, float cy, float r, const Rgba& colour, float strength) {
    c.fill_sdf([=](float x, float y) { return sd_circle(x, y, cx, cy, r); },
               [=](float x, float y) {
                   float d = std::hypot(x - cx, y - cy) / r;
                   float a = (1 - d) * (1 - d) * strength;
                   return with_alpha(colour, a);
               },
               cx - r, cy - r, cx + r, cy + r, 1.0f);
}

// A four-pointed twinkle.
void twinkle(Canvas& c, float cx, float cy, float size, float angle, const Rgba& colour) {
    for (int i = 0; i < 4; ++i) {
        float a = angle + i * kPi / 2;
        float ex = cx + std::cos(a) * size, ey = cy + std::sin(a) * size;
        float w = size * 0.28f;
        std::vector<float> ray = {
            cx + std::cos(a + kPi / 2) * w, cy + std::sin(a + kPi / 2) * w, ex, ey,
            cx + std::cos(a - kPi / 2) * w, cy + std::sin(a - kPi / 2) * w};
        fill_polygon(c, ray, colour);
    }
    fill_circle(c, cx, cy, size * 0.3f, colour);
}

void gold_bar(Canvas& c, float x, float y, float w, float h) {
    // Trapezoid body, lighter top face.
    std::vector<float> shadow = {x + 1,     y + h + 1.5f, x + w + 1, y + h + 1.5f,
                                 x + w - 4, y + 1.5f,     x + 5,     y + 1.5f};
    fill_polygon(c, shadow, hex(0x000000, 0.45f));
    std::vector<float> body = {x, y + h, x + w, y + h, x + w - 5, y, x + 5, y};
    fill_polygon(c, body, hex(0xc98a10));
    std::vector<float> front = {x + 2,     y + h - 1,     x + w - 2, y + h - 1,
                                x + w - 5, y + h * 0.45f, x + 5,     y + h * 0.45f};
    fill_polygon(c, front, hex(0xe8b22a));
    std::vector<float> top = {x + 5,     y + h * 0.45f, x + w - 5, y + h * 0.45f,
                              x + w - 6, y + 1.5f,      x + 6,     y + 1.5f};
    fill_polygon(c, top, hex(0xffe27a));
    draw_line(c, x + 8, y + 3, x + w - 9, y + 3, 1.2f, hex(0xfffbe0, 0.9f));
}

void coin(Canvas& c, float cx, float cy, float rx, float ry) {
    c.fill_sdf([=](float x, float y) { return std::hypot((x - cx) / rx, (y - cy) / ry) - 1; },
               [=](float x, float y) {
                   float d = std::hypot((x - cx) / rx, (y - cy) / ry);
                   Rgba face =
                       mix(hex(0xffe680), hex(0xd99a14), clamp01((y - cy) / ry * 0.5f + 0.5f));
                   return d > 0.72f ? hex(0xb8780c) : face;
               },
               cx - rx, cy - ry, cx + rx, cy + ry, 1.0f / std::min(rx, ry));
}

}  // namespace

Canvas ladder_cell(const Skin& skin) {
    Canvas cell(kCellPixels, kCellPixels);
    const float rails[2] = {13.5f, 50.5f};
    const float rail_w = 7;
    const float rungs[4] = {8, 24, 40, 56};
    auto paint_wood = [&](float x, float y, bool rail) {
        float grain = fbm(rail ? x / 2 : x / 9, rail ? y / 9 : y / 2, skin.seed + 61, 3);
        Rgba c = scaled(skin.ladder, 0.85f + 0.3f * grain);
        return c;
    };
    // Dark outline first so the ladder reads against any backdrop.
    Rgba outline = with_alpha(skin.ladder_dark, 0.9f);
    for (float r : rungs) {
        fill_rect(cell, rails[0], r - 3.5f, rails[1] - rails[0], 7, outline, 1.5f);
    }
    for (float x : rails) {
        fill_rect(cell, x - rail_w / 2 - 1.2f, 0, rail_w + 2.4f, kCellPixels, outline);
    }
    for (float r : rungs) {
        fill_rect_paint(cell, rails[0], r - 2.2f, rails[1] - rails[0], 4.4f, 1.2f,
                        [&](float x, float y) {
                            Rgba c = skin.ladder_round ? skin.ladder : paint_wood(x, y, false);
                            float k = (y - (r - 2.2f)) / 4.4f;
                            if (k < 0.35f) {
                                c = mix(c, skin.ladder_light, 0.7f * (1 - k / 0.35f));
                            }
                            if (k > 0.75f) {
                                c = mix(c, skin.ladder_dark, 0.6f * (k - 0.75f) / 0.25f);
                            }
                            return c;
                        });
    }
    for (float rx : rails) {
        fill_rect_paint(cell, rx - rail_w / 2, 0, rail_w, kCellPixels, 0, [&](float x, float y) {
            float u = (x - (rx - rail_w / 2)) / rail_w;  // 0..1 across
            Rgba c = skin.ladder_round ? skin.ladder : paint_wood(x, y, true);
            if (skin.ladder_round) {
                float lit = 1 - std::fabs(u - 0.35f) * 2.2f;
                c = mix(c, skin.ladder_light, clamp01(lit) * 0.85f);
                c = mix(c, skin.ladder_dark, clamp01((u - 0.7f) / 0.3f) * 0.7f);
            } else {
                c = mix(c, skin.ladder_light, clamp01(1 - u / 0.3f) * 0.6f);
                c = mix(c, skin.ladder_dark, clamp01((u - 0.75f) / 0.25f) * 0.6f);
            }
            return c;
        });
        if (!skin.ladder_round) {
            // Nails where the rungs meet the rails.
            for (float r : rungs) {
                fill_circle(cell, rx, r, 1.3f, with_alpha(skin.ladder_dark, 0.9f));
            }
        }
    }
    return cell;
}

Canvas rope_cell(const Skin& skin) {
    Canvas cell(kCellPixels, kCellPixels);
    const float y0 = 15;  // the line the hanging runner's hands hold
    if (skin.chain) {
        // Alternating flat rings and edge-on links, four per cell so cells join seamlessly.
        for (int i = 0; i < 4; ++i) {
            float cx = 8 + i * 16;
            if (i % 2 == 0) {
                cell.fill_sdf(
                    [=](float x, float y) {
                        float d = std::hypot((x - cx) / 10.5f, (y - y0) / 6.5f) - 1;
                        return std::fabs(d) * 6.5f - 2.2f;
                    },
                    [&](float, float y) {
                        return mix(skin.rope_light, scaled(skin.rope, 0.6f),
                                   clamp01((y - y0 + 6) / 12));
                    },
                    cx - 13, y0 - 9, cx + 13, y0 + 9);
            } else {
                fill_rect(cell, cx - 10, y0 - 2.8f, 20, 5.6f, hex(0x202428, 0.9f), 2.8f);
                fill_rect_paint(cell, cx - 9, y0 - 1.8f, 18, 3.6f, 1.8f, [&](float, float y) {
                    return mix(skin.rope_light, skin.rope, clamp01((y - y0 + 1.8f) / 3.6f));
                });
            }
        }
        return cell;
    }
    // A twisted rope: dark outline, body, and diagonal strands.
    fill_rect(cell, -2, y0 - 7, kCellPixels + 4, 14, hex(0x140e06, 0.9f));
    fill_rect_paint(cell, -2, y0 - 5, kCellPixels + 4, 10, 0, [&](float x, float y) {
        float strand = std::fmod(x + (y - y0) * 1.2f + 64, 10.0f) / 10.0f;
        float ridge = std::sin(strand * kPi);
        Rgba c = mix(scaled(skin.rope, 0.6f), skin.rope_light, ridge * 0.85f);
        float k = (y - (y0 - 5)) / 10;
        return mix(c, scaled(skin.rope, 0.4f), clamp01((k - 0.6f) / 0.4f) * 0.7f);
    });
    return cell;
}

Canvas gold_cell(int kind, uint32_t seed) {
    Canvas cell(kCellPixels, kCellPixels);
    // A warm glow behind every kind, so gold is the first thing the eye finds.
    glow(cell, 32, 44, 30, hex(0xffd040), 0.35f);
    switch (kind) {
        case 0:  // stacked bars
            gold_bar(cell, 8, 46, 24, 14);
            gold_bar(cell, 32, 46, 24, 14);
            gold_bar(cell, 20, 32, 24, 14);
            break;
        case 1: {  // a heap of coins
            cell.fill_sdf(
                [](float x, float y) { return std::hypot((x - 32) / 24, (y - 62) / 20) - 1; },
                [](float x, float y) {
                    float n = value_noise(x / 3.5f, y / 3.5f, 77);
                    return mix(hex(0xb87a10), hex(0xffd95a), n);
                },
                8, 40, 56, 64);
            coin(cell, 22, 50, 7, 4.5f);
            coin(cell, 40, 46, 7, 4.5f);
            coin(cell, 32, 54, 8, 5);
            // Two coins standing on edge.
            coin(cell, 18, 40, 3.5f, 8);
            coin(cell, 45, 37, 7.5f, 7.5f);
            break;
        }
        case 2: {  // nuggets
            const float pos[4][3] = {{22, 54, 9}, {40, 53, 10}, {31, 43, 8}, {48, 59, 5}};
            for (const auto& p : pos) {
                float cx = p[0], cy = p[1], r = p[2];
                cell.fill_sdf(
                    [=](float x, float y) {
                        float a = std::atan2(y - cy, x - cx);
                        float wobble =
                            1 + 0.18f * std::sin(a * 5 + cx) + 0.1f * std::sin(a * 3 + cy);
                        return std::hypot(x - cx, y - cy) - r * wobble;
                    },
                    [=](float x, float y) {
                        float lit = clamp01(((cx - x) + (cy - y)) / (2 * r) + 0.4f);
                        float n = value_noise(x / 2.5f, y / 2.5f, seed);
                        return mix(hex(0xa86a08), hex(0xffe070), lit * (0.7f + 0.3f * n));
                    },
                    cx - r * 1.4f, cy - r * 1.4f, cx + r * 1.4f, cy + r * 1.4f);
                fill_circle(cell, cx - r * 0.35f, cy - r * 0.4f, r * 0.22f, hex(0xffffff, 0.85f));
            }
            break;
        }
        default: {  // a jewelled crown
            std::vector<float> crown = {12, 60, 52, 60, 56, 32, 44, 44, 32, 26, 20, 44, 8, 32};
            std::vector<float> crown_shadow = crown;
            for (size_t i = 0; i < crown_shadow.size(); i += 2) {
                crown_shadow[i] += 1.5f;
                crown_shadow[i + 1] += 1.5f;
            }
            fill_polygon(cell, crown_shadow, hex(0x000000, 0.45f));
            fill_polygon(cell, crown, hex(0xe0a820));
            fill_rect(cell, 12, 52, 40, 8, hex(0xffd860));
            fill_rect(cell, 12, 58, 40, 2, hex(0xa86a08));
            fill_circle(cell, 8, 32, 3, hex(0xffe680));
            fill_circle(cell, 32, 26, 3.2f, hex(0xffe680));
            fill_circle(cell, 56, 32, 3, hex(0xffe680));
            fill_circle(cell, 22, 56, 2.6f, hex(0xe02040));
            fill_circle(cell, 32, 56, 2.6f, hex(0x20a0e0));
            fill_circle(cell, 42, 56, 2.6f, hex(0x30c050));
            draw_line(cell, 18, 48, 30, 34, 1.5f, hex(0xfff4c0, 0.8f));
            break;
        }
    }
    twinkle(cell, 14 + 36 * hash01(kind, 1, seed), 24 + 10 * hash01(kind, 2, seed), 6, 0.3f,
            hex(0xffffff, 0.95f));
    return cell;
}

Canvas light_cell(const Skin& skin, int kind, int frame) {
    Canvas cell(kCellPixels, kCellPixels);
    const float phase = 2 * kPi * frame / kLightFrames;
    const float pulse = 0.5f + 0.5f * std::sin(phase);
    switch (kind) {
        case 0: {  // a floating twinkle with two small companions
            float y = 34 + 3 * std::sin(phase);
            glow(cell, 32, y, 14 + 4 * pulse, skin.glow, 0.5f);
            twinkle(cell, 32, y, 5 + 5 * pulse, phase / 4, with_alpha(skin.glow_core, 0.95f));
            fill_circle(cell, 18, 46 - 2 * std::cos(phase), 1.4f,
                        with_alpha(skin.glow_core, 0.4f + 0.6f * (1 - pulse)));
            fill_circle(cell, 46, 26 + 2 * std::cos(phase), 1.2f,
                        with_alpha(skin.glow_core, 0.3f + 0.7f * pulse));
            break;
        }
        case 1: {  // a flickering flame on a stub of candle
            float flick = std::sin(phase * 2 + 1) * 0.5f + std::sin(phase * 3) * 0.5f;
            glow(cell, 32, 44, 18 + 3 * pulse, skin.glow, 0.45f);
            fill_rect(cell, 27, 50, 10, 14, hex(0xe8dcc0), 1.5f);
            fill_rect(cell, 27, 50, 3, 14, hex(0xfff8e8));
            fill_rect(cell, 34, 50, 3, 14, hex(0xb0a488));
            draw_line(cell, 32, 50, 32, 46, 1.2f, hex(0x302010));
            float tip = 30 - 3 * pulse;
            std::vector<float> flame = {32 + flick * 2, tip, 37, 44, 32, 49, 27, 44};
            fill_polygon(cell, flame, skin.glow);
            std::vector<float> core = {32 + flick, tip + 7, 34.5f, 45, 32, 47.5f, 29.5f, 45};
            fill_polygon(cell, core, skin.glow_core);
            break;
        }
        case 2: {  // a crystal cluster with a travelling glint
            glow(cell, 32, 52, 20, skin.glow, 0.25f + 0.25f * pulse);
            auto shard = [&](float bx, float tipx, float tipy, float w) {
                std::vector<float> p = {bx - w, 64,   tipx - w * 0.3f, tipy + 6,
                                        tipx,   tipy, tipx + w * 0.3f, tipy + 6,
                                        bx + w, 64};
                fill_polygon(cell, p, with_alpha(scaled(skin.glow, 0.8f), 0.9f));
                std::vector<float> lit = {bx - w, 64, tipx - w * 0.3f, tipy + 6, tipx, tipy,
                                          bx,     64};
                fill_polygon(cell, lit, with_alpha(skin.glow_core, 0.55f));
            };
            shard(24, 20, 42, 5);
            shard(40, 44, 40, 5);
            shard(32, 32, 30, 6.5f);
            float gy = 34 + 26 * (frame / static_cast<float>(kLightFrames));
            twinkle(cell, 32 + (gy - 34) * 0.1f, gy, 4 * (1 - std::fabs(2 * pulse - 1)) + 1.5f, 0,
                    with_alpha(skin.glow_core, 0.9f));
            break;
        }
        default: {  // two glowing mushrooms with a drifting spore
            auto mushroom = [&](float x, float h, float r, float bright) {
                fill_rect(cell, x - 2, 64 - h, 4, h, hex(0xe8e0d0));
                glow(cell, x, 64 - h, r * 2.2f, skin.glow, 0.3f * bright);
                cell.fill_sdf(
                    [=](float px, float py) {
                        return std::max(sd_circle(px, py, x, 64 - h + 1, r), py - (64 - h + 1));
                    },
                    [&](float, float py) {
                        return mix(skin.glow_core, skin.glow, clamp01((py - (64 - h - r)) / r));
                    },
                    x - r, 64 - h - r, x + r, 64 - h + 2);
            };
            mushroom(24, 12, 8, 0.6f + 0.4f * pulse);
            mushroom(38, 8, 6, 1 - 0.4f * pulse);
            float sy = 44 - 18 * frame / static_cast<float>(kLightFrames);
            fill_circle(cell, 30 + 4 * std::sin(phase), sy, 1.6f,
                        with_alpha(skin.glow_core, 0.9f * (1 - frame / 8.0f)));
            break;
        }
    }
    return cell;
}
