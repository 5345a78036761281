#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

// The look of one skin: the palette and the style switches of its cells.
struct Skin {
    std::string name;
    uint32_t seed;
    // Bricks (diggable).
    Rgba brick, brick_light, brick_dark, mortar;
    float mortar_glow = 0;  // mortar that glows (emissive, lava forge)
    float moss = 0;         // green growth on top of bricks
    float strata = 0;       // horizontal layering of sandstone
    float gloss = 0;        // glassy highlights (ice, crystal)
    // Solid blocks.
    Rgba solid, solid_light, solid_dark;
    int solid_style = 0;  // 0 bevelled stone, 1 carved panel, 2 riveted plate, 3 faceted gem
    // Ladders and ropes.
    Rgba ladder, ladder_light, ladder_dark;
    bool ladder_round = false;  // round metal rails rather than flat planks
    Rgba rope, rope_light;
    bool chain = false;
    // Lights (decorations).
    Rgba glow, glow_core;
    std::vector<int> light_kinds;  // which decorations the groups show
};

const std::vector<Skin>& all_skins();

constexpr int kCellPixels = 64;
constexpr int kBrickFrames = 8;
constexpr int kLightFrames = 8;
constexpr int kGoldKinds = 4;

// One cell of each kind, 64 x 64, as it is seen on screen.
Canvas brick_cell(const Skin& skin, int frame);
Canvas solid_cell(const Skin& skin);
Canvas ladder_cell(const Skin& skin);
Canvas rope_cell(const Skin& skin);
Canvas gold_cell(int kind, uint32_t seed);
Canvas light_cell(const Skin& skin, int kind, int frame);
