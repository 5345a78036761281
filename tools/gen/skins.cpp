#include "skins.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<Skin> make_skins() {
    std::vector<Skin> skins;
    {
        Skin s;  // warm clay bricks in a night quarry
        s.name = "Quarry";
        s.seed = 101;
        s.brick = hex(0xb0532e), s.brick_light = hex(0xe08a5a), s.brick_dark = hex(0x6e2c16);
        s.mortar = hex(0x3a2a22);
        s.solid = hex(0x7d8088), s.solid_light = hex(0xb9bcc4), s.solid_dark = hex(0x42444c);
        s.solid_style = 0;
        s.ladder = hex(0xc8904e), s.ladder_light = hex(0xf0c080), s.ladder_dark = hex(0x6a4320);
        s.rope = hex(0xc9a66b), s.rope_light = hex(0xf2dca8);
        s.glow = hex(0xffb347), s.glow_core = hex(0xfff4c0);
        s.light_kinds = {1, 0, 3, 1};
        skins.push_back(s);
    }
    {
        Skin s;  // mossy temple stones in the jungle
        s.name = "Temple";
        s.seed = 202;
        s.brick = hex(0x7d8a6a), s.brick_light = hex(0xb4c096), s.brick_dark = hex(0x434c36);
        s.mortar = hex(0x1f261a);
        s.moss = 0.8f;
        s.solid = hex(0x4f5560), s.solid_light = hex(0x8a92a0), s.solid_dark = hex(0x23262c);
        s.solid_style = 1;
        s.ladder = hex(0xb9c46a), s.ladder_light = hex(0xe6ef9e), s.ladder_dark = hex(0x5e6a24);
        s.rope = hex(0x5f9a3a), s.rope_light = hex(0x9fd46a);
        s.glow = hex(0x9cff6a), s.glow_core = hex(0xf0ffd8);
        s.light_kinds = {3, 2, 3, 0};
        skins.push_back(s);
    }
    {
        Skin s;  // ice blocks under the northern lights
        s.name = "Glacier";
        s.seed = 303;
        s.brick = hex(0x8fc8e8), s.brick_light = hex(0xe4f6ff), s.brick_dark = hex(0x4a84b0);
        s.mortar = hex(0x1d3a58);
        s.gloss = 1.0f;
        s.solid = hex(0x2f5f9a), s.solid_light = hex(0x7fb0e6), s.solid_dark = hex(0x142c50);
        s.solid_style = 3;
        s.ladder = hex(0xc8d2dc), s.ladder_light = hex(0xffffff), s.ladder_dark = hex(0x5c6a78);
        s.ladder_round = true;
        s.rope = hex(0xa8b4c0), s.rope_light = hex(0xf0f6fc);
        s.chain = true;
        s.glow = hex(0x7fe8ff), s.glow_core = hex(0xffffff);
        s.light_kinds = {0, 2, 0, 2};
        skins.push_back(s);
    }
    {
        Skin s;  // black bricks with glowing seams in a forge
        s.name = "Forge";
        s.seed = 404;
        s.brick = hex(0x4a3a3c), s.brick_light = hex(0x7a6466), s.brick_dark = hex(0x241a1c);
        s.mortar = hex(0xff7a1a);
        s.mortar_glow = 1.0f;
        s.solid = hex(0x5a6068), s.solid_light = hex(0x9aa2ac), s.solid_dark = hex(0x262a30);
        s.solid_style = 2;
        s.ladder = hex(0x8a9098), s.ladder_light = hex(0xd0d6dc), s.ladder_dark = hex(0x3a3e44);
        s.ladder_round = true;
        s.rope = hex(0x9a9ea6), s.rope_light = hex(0xe0e4ea);
        s.chain = true;
        s.glow = hex(0xff6a1a), s.glow_core = hex(0xffe08a);
        s.light_kinds = {1, 3, 1, 0};
        skins.push_back(s);
    }
    {
        Skin s;  // sandstone ruins at dusk
        s.name = "Dunes";
        s.seed = 505;
        s.brick = hex(0xd9b274), s.brick_light = hex(0xf6dfaa), s.brick_dark = hex(0x9a7442);
        s.mortar = hex(0x5a4228);
        s.strata = 1.0f;
        s.solid = hex(0xa8724a), s.solid_light = hex(0xdca47a), s.solid_dark = hex(0x5e3a22);
        s.solid_style = 1;
        s.ladder = hex(0xa06a3a), s.ladder_light = hex(0xd89a62), s.ladder_dark = hex(0x50321a);
        s.rope = hex(0xd8c08a), s.rope_light = hex(0xfff0c8);
        s.glow = hex(0xffd060), s.glow_core = hex(0xffffe0);
        s.light_kinds = {1, 0, 1, 3};
        skins.push_back(s);
    }
    {
        Skin s;  // amethyst blocks in a crystal cave
        s.name = "Crystal";
        s.seed = 606;
        s.brick = hex(0x9a62c8), s.brick_light = hex(0xd8b0f6), s.brick_dark = hex(0x55307a);
        s.mortar = hex(0x241634);
        s.gloss = 0.7f;
        s.solid = hex(0x3c4658), s.solid_light = hex(0x76849c), s.solid_dark = hex(0x1a202c);
        s.solid_style = 3;
        s.ladder = hex(0xe0b84a), s.ladder_light = hex(0xfff0a0), s.ladder_dark = hex(0x7a5a12);
        s.ladder_round = true;
        s.rope = hex(0xd8d0f0), s.rope_light = hex(0xffffff);
        s.glow = hex(0xd68aff), s.glow_core = hex(0xffffff);
        s.light_kinds = {2, 0, 2, 3};
        skins.push_back(s);
    }
    return skins;
}

// Shade of one brick of a course at local distances to its four edges.
Rgba brick_face(const Skin& skin, float px, float py, float left, float right, float top,
                float bottom, int brick_id) {
    float tone = 0.88f + 0.24f * hash01(brick_id, 7, skin.seed);
    Rgba c = scaled(skin.brick, tone);
    float grain = fbm(px / 5.0f, py / 5.0f, skin.seed + brick_id, 3);
    c = scaled(c, 0.86f + 0.28f * grain);
    if (skin.strata > 0) {
        float band = std::sin(py * 0.9f + fbm(px / 14, py / 14, skin.seed, 2) * 5);
        c = mix(c, skin.brick_light, skin.strata * 0.18f * (band * 0.5f + 0.5f));
    }
    // Bevel: light from the top left.
    const float bevel = 4.5f;
    float m = std::min(std::min(left, right), std::min(top, bottom));
    if (m < bevel) {
        float k = 1 - m / bevel;
        if (top <= m + 0.01f || left <= m + 0.01f) {
            c = mix(c, skin.brick_light, 0.75f * k);
        } else {
            c = mix(c, skin.brick_dark, 0.8f * k);
        }
    }
    if (skin.gloss > 0) {
        // A diagonal glassy streak and a bright corner.
        float streak = std::fabs((px - left) * 0.6f - (py - top) - 4);
        float s = std::max(0.0f, 1 - streak / 3.5f) * (top < 12 ? 1.0f : 0.4f);
        c = mix(c, skin.brick_light, skin.gloss * 0.55f * s);
    }
    if (skin.moss > 0) {
        float n = fbm(px / 7, py / 7, skin.seed + 9, 3);
        float reach = 4 + 10 * n;
        if (top < reach && n > 0.38f) {
            Rgba moss = mix(hex(0x3f7a2a), hex(0x86c04a), n);
            c = mix(c, moss, skin.moss * smoothstep(reach, reach - 3, top));
        }
    }
    return c;
}

// The intact brick: two staggered courses of bricks on mortar.
Canvas intact_brick(const Skin& skin) {
    const float S = kCellPixels;
    Canvas cell(kCellPixels, kCellPixels);
    const float joint = 1.6f;  // half the mortar width
    cell.shade([&](float px, float py) {
        int course = py < S / 2 ? 0 : 1;
        float y0 = course * S / 2, y1 = y0 + S / 2;
        // Bricks twice as long as high; the lower course is offset by half a brick.
        float offset = course == 0 ? 0.0f : -S / 2;
        float width = S;
        int index = static_cast<int>(std::floor((px - offset) / width));
        float x0 = offset + index * width, x1 = x0 + width;
        float left = px - x0 - joint, right = x1 - px - joint;
        float top = py - y0 - joint, bottom = y1 - py - joint;
        float m = std::min(std::min(left, right), std::min(top, bottom));
        Rgba mortar = skin.mortar;
        if (skin.mortar_glow > 0) {
            float flicker = fbm(px / 6, py / 6, skin.seed + 3, 2);
            mortar = mix(hex(0xb03000), hex(0xffd050), flicker);
        } else {
            mortar = scaled(mortar, 0.8f + 0.4f * fbm(px / 3, py / 3, skin.seed + 5, 2));
        }
        if (m <= -0.5f) {
            return mortar;
        }
        Rgba face = brick_face(skin, px, py, left, right, top, bottom, course * 10 + index);
        if (skin.mortar_glow > 0 && m < 4) {
            // Heat bleeding into the brick edges.
            face = mix(face, hex(0xff6a10), 0.35f * (1 - m / 4));
        }
        return mix(mortar, face, clamp01(m + 0.5f));
    });
    return cell;
}

}  // namespace

const std::vector<Skin>& all_skins() {
    static const std::vector<Skin> skins = make_skins();
    return skins;
}

Canvas brick_cell(const Skin& skin, int frame) {
    const float S = kCellPixels;
    Canvas whole = intact_brick(skin);
    if (frame == 0) {
        return whole;
    }
    // The dig: the brick breaks up from the top down with a ragged edge, chunks drop away and
    // a dark cavity is left behind, so an open hole stays visible against the backdrop.
    const float t = static_cast<float>(frame) / (kBrickFrames - 1);
    Canvas cell(kCellPixels, kCellPixels);
    float cavity = 0.45f * smoothstep(0.1f, 0.9f, t);
    cell.shade([&](float px, float py) {
        float edge = 4 * fbm(px / 6, 1.5f, skin.seed + 17, 2);
        float d = std::fabs(px - S / 2) / (S / 2);
        // Darker towards the bottom, like a pit.
        Rgba pit = mix(hex(0x000000), scaled(skin.mortar, 0.5f), py / S * 0.5f);
        float a = cavity * (0.7f + 0.3f * py / S) * smoothstep(1.0f, 0.85f, d + edge / 64);
        return with_alpha(pit, a);
    });
    // Each pixel of the brick survives until the front of the dig passes it.
    float front = t * 1.15f;
    for (int y = 0; y < kCellPixels; ++y) {
        for (int x = 0; x < kCellPixels; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float n = fbm(px / 9, py / 9, skin.seed + 23, 3);
            float order = 0.7f * (py / S) + 0.45f * n;  // top and noisy parts go first
            if (t >= 1.0f) {
                order = py / S > 0.9f ? 1.0f : -1.0f;  // only a rim of crumbs remains
                if (order > 0) {
                    order = hash01(x / 4, y / 3, skin.seed) > 0.55f ? 2.0f : -1.0f;
                }
            }
            float keep = clamp01((order - front) * 12 + 0.5f);
            if (keep > 0) {
                Rgba c = whole.at(x, y);
                // A glowing seam where the brick is breaking.
                float seam = clamp01(1 - (order - front) * 14);
                c = mix(c, scaled(skin.brick_light, 1.1f), 0.6f * seam);
                cell.blend(x, y, c, keep);
            }
        }
    }
    // Cracks spreading in the first frames.
    if (t < 0.6f) {
        float a = 0.8f * (1 - t / 0.6f) * std::min(1.0f, t * 5);
        Rgba crack = with_alpha(scaled(skin.brick_dark, 0.5f), a);
        float s = 0.5f + t;
        draw_line(cell, 32, 14, 32 - 10 * s, 30 * s + 14, 1.6f, crack);
        draw_line(cell, 32, 14, 32 + 12 * s, 24 * s + 14, 1.6f, crack);
        draw_line(cell, 20, 40, 12, 40 + 12 * s, 1.4f, crack);
        draw_line(cell, 44, 46, 54, 46 + 10 * s, 1.4f, crack);
    }
    // Chunks flying off to the sides and falling.
    if (t > 0.05f && t < 0.95f) {
        for (int i = 0; i < 7; ++i) {
            float h = hash01(i, 3, skin.seed);
            float start_x = 8 + 48 * h;
            float vx = (h - 0.5f) * 40;
            float tt = t + 0.1f * hash01(i, 5, skin.seed);
            float cx = start_x + vx * tt;
            float cy = 6 + 70 * tt * tt + 8 * hash01(i, 9, skin.seed);
            float r = 2.5f + 2.5f * hash01(i, 11, skin.seed);
            Rgba chunk = with_alpha(i % 2 ? skin.brick : skin.brick_dark, 1 - t);
            fill_rect(cell, cx - r, cy - r, 2 * r, 2 * r, chunk, 1);
        }
    }
    // Dust puff.
    if (t > 0.1f && t < 0.9f) {
        float a = 0.35f * std::sin(3.14159f * (t - 0.1f) / 0.8f);
        cell.fill_sdf([&](float x, float y) { return sd_circle(x, y, 32, 20 + 20 * t, 26); },
                      [&](float x, float y) {
                          float n = fbm(x / 6, y / 6, skin.seed + 31, 3);
                          return with_alpha(hex(0xe8dcc8), a * n);
                      },
                      0, 0, S, S, 14);
    }
    return cell;
}

Canvas solid_cell(const Skin& skin) {
    const float S = kCellPixels;
    Canvas cell(kCellPixels, kCellPixels);
    cell.shade([&](float px, float py) {
        float grain = fbm(px / 6, py / 6, skin.seed + 41, 4);
        Rgba c = scaled(skin.solid, 0.82f + 0.36f * grain);
        // Outer bevel, light from the top left.
        float left = px, right = S - px, top = py, bottom = S - py;
        float m = std::min(std::min(left, right), std::min(top, bottom));
        const float bevel = 7;
        if (m < bevel) {
            float k = 1 - m / bevel;
            bool lit = (top <= m + 0.01f) || (left <= m + 0.01f);
            c = mix(c, lit ? skin.solid_light : skin.solid_dark, (lit ? 0.8f : 0.9f) * k);
        }
        if (m < 1.2f) {
            c = mix(c, hex(0x000000), 0.6f);
        }
        return c;
    });
    switch (skin.solid_style) {
        case 1: {  // carved inner panel with a diamond
            stroke_rect(cell, 14, 14, 36, 36, 3, with_alpha(skin.solid_dark, 0.85f), 2);
            stroke_rect(cell, 17, 17, 30, 30, 1.5f, with_alpha(skin.solid_light, 0.5f), 1);
            std::vector<float> diamond = {32, 21, 43, 32, 32, 43, 21, 32};
            fill_polygon(cell, diamond, with_alpha(skin.solid_dark, 0.7f));
            std::vector<float> inner = {32, 25, 39, 32, 32, 39, 25, 32};
            fill_polygon(cell, inner, with_alpha(skin.solid_light, 0.35f));
            break;
        }
        case 2: {  // riveted plate with a cross brace
            draw_line(cell, 12, 12, 52, 52, 4, with_alpha(skin.solid_dark, 0.55f));
            draw_line(cell, 52, 12, 12, 52, 4, with_alpha(skin.solid_dark, 0.55f));
            for (float rx : {12.0f, 52.0f}) {
                for (float ry : {12.0f, 52.0f}) {
                    fill_circle(cell, rx + 1, ry + 1, 4, with_alpha(hex(0x000000), 0.5f));
                    fill_circle(cell, rx, ry, 4, skin.solid_light);
                    fill_circle(cell, rx - 1, ry - 1, 1.8f, hex(0xffffff, 0.8f));
                }
            }
            break;
        }
        case 3: {  // faceted gem block: four triangles meeting in the middle
            std::vector<float> top = {7, 7, 57, 7, 32, 32};
            std::vector<float> left = {7, 7, 32, 32, 7, 57};
            std::vector<float> right = {57, 7, 57, 57, 32, 32};
            std::vector<float> bottom = {7, 57, 32, 32, 57, 57};
            fill_polygon(cell, top, with_alpha(skin.solid_light, 0.45f));
            fill_polygon(cell, left, with_alpha(skin.solid_light, 0.2f));
            fill_polygon(cell, right, with_alpha(skin.solid_dark, 0.35f));
            fill_polygon(cell, bottom, with_alpha(skin.solid_dark, 0.5f));
            fill_circle(cell, 20, 16, 2.2f, hex(0xffffff, 0.8f));
            break;
        }
        default: {  // bevelled stone with a few chips
            for (int i = 0; i < 5; ++i) {
                float x = 12 + 40 * hash01(i, 1, skin.seed);
                float y = 12 + 40 * hash01(i, 2, skin.seed);
                fill_circle(cell, x, y, 1.6f, with_alpha(skin.solid_dark, 0.7f));
                fill_circle(cell, x - 0.8f, y - 0.8f, 1.0f, with_alpha(skin.solid_light, 0.6f));
            }
            stroke_rect(cell, 9, 9, 46, 46, 1.2f, with_alpha(skin.solid_dark, 0.35f), 3);
            break;
        }
    }
    return cell;
}
