// The six playfield backdrops: quiet, dark landscapes built from layered silhouettes, so that
// the cells and the actors in front of them stand out.
#include <cmath>
#include <vector>

#include "generate.h"
#include "screens.h"

namespace {

constexpr float kW = 800;
constexpr float kH = 600;

enum class Ridge { smooth, jagged, dunes, towers, stalactites };

struct Layer {
    float base;  // mean height of the ridge line
    float amp;
    float freq;
    Ridge shape;
    Rgba colour;
    uint32_t seed;
};

struct Scene {
    Rgba sky_top, sky_horizon;
    float horizon = 420;
    float stars = 0;  // density
    float glow_x = 0, glow_y = 0, glow_r = 0;
    Rgba glow_colour;
    bool disc = false;  // the glow is a moon or a sun
    bool aurora = false;
    bool lava = false;
    bool cave = false;  // a rock ceiling with hanging points
    Rgba fog;
    std::vector<Layer> layers;
    uint32_t seed = 1;
};

float ridge_height(const Layer& l, float x) {
    switch (l.shape) {
        case Ridge::jagged: {
            float n = fbm(x * l.freq, 0.5f, l.seed, 5, 0.55f);
            float peaks = std::fabs(std::sin(x * l.freq * 2.1f + l.seed)) * 0.35f;
            return l.base - l.amp * (n * 1.3f + peaks - 0.6f);
        }
        case Ridge::dunes: {
            float s = std::sin(x * l.freq + l.seed) * 0.6f + std::sin(x * l.freq * 2.3f) * 0.25f;
            return l.base - l.amp * s;
        }
        case Ridge::towers: {
            // Ruined columns and stepped blocks.
            float cell = std::floor(x * l.freq);
            float h = hash01(static_cast<int>(cell), 1, l.seed);
            float top = l.base - l.amp * (h > 0.55f ? h : 0.2f * h);
            return top + 6 * fbm(x / 30, 0, l.seed, 2);
        }
        case Ridge::stalactites:
        case Ridge::smooth:
        default:
            return l.base - l.amp * (fbm(x * l.freq, 0.5f, l.seed, 4) - 0.5f) * 2;
    }
}

Rgba render(const Scene& s, float x, float y) {
    float t = clamp01(y / s.horizon);
    Rgba c = mix(s.sky_top, s.sky_horizon, t * t);
    if (s.glow_r > 0) {
        float d = std::hypot(x - s.glow_x, y - s.glow_y) / s.glow_r;
        c = mix(c, s.glow_colour, 0.4f * std::exp(-d * d * 2.5f));
        if (s.disc && d < 0.18f) {
            c = mix(c, s.glow_colour, smoothstep(0.18f, 0.16f, d) * 0.35f);
        }
    }
    if (s.stars > 0) {
        int gx = static_cast<int>(x / 3), gy = static_cast<int>(y / 3);
        float h = hash01(gx, gy, s.seed);
        if (h < s.stars * (1 - t)) {
            float b = 0.35f + 0.65f * hash01(gx, gy, s.seed + 1);
            c = mix(c, hex(0xffffff), 0.55f * b);
        }
    }
    if (s.aurora) {
        float band = std::sin(x / 120 + 2 * fbm(x / 200, y / 300, s.seed, 3)) * 60 + 170;
        float d = (y - band) / 70;
        float curtain = std::exp(-d * d) * (0.5f + 0.5f * fbm(x / 18, 0, s.seed + 3, 3));
        c = mix(c, mix(hex(0x30ffb0), hex(0x40a0ff), clamp01(x / kW)), 0.28f * curtain);
    }
    if (s.cave) {
        // A rough ceiling that hangs lower in places.
        float ceiling = 40 + 50 * fbm(x / 90, 3, s.seed, 4) +
                        60 * std::pow(std::max(0.0f, std::sin(x / 37 + s.seed) - 0.6f), 2.0f) * 6;
        if (y < ceiling) {
            float k = smoothstep(ceiling, ceiling - 4, y);
            c = mix(c, scaled(s.fog, 0.35f + 0.2f * fbm(x / 12, y / 12, s.seed + 5, 3)), k);
        }
    }
    for (const Layer& l : s.layers) {
        float top = ridge_height(l, x);
        if (y > top - 1) {
            float k = clamp01(y - top + 1);
            // Lit rim along the ridge, texture inside.
            float rim = std::exp(-(y - top) / 3) * 0.25f;
            Rgba layer = scaled(l.colour, 0.9f + 0.2f * fbm(x / 25, y / 25, l.seed + 7, 3));
            layer = mix(layer, s.sky_horizon, rim);
            c = mix(c, layer, k);
        }
    }
    if (s.lava) {
        float cracks = std::fabs(fbm(x / 60, y / 25, s.seed + 11, 4) - 0.5f);
        float heat = smoothstep(420, 600, y) * smoothstep(0.05f, 0.0f, cracks);
        c = mix(c, hex(0xff5a10), 0.5f * heat);
        c = mix(c, hex(0xff3000), 0.2f * smoothstep(450, 600, y));
    }
    // Low mist and a vignette keep the edges quiet.
    float mist = smoothstep(380, 600, y) * 0.25f * fbm(x / 140, y / 50, s.seed + 21, 3);
    c = mix(c, s.fog, mist);
    float vx = (x - kW / 2) / (kW / 2), vy = (y - kH / 2) / (kH / 2);
    float vignette = 1 - 0.35f * (vx * vx * 0.6f + vy * vy * 0.4f);
    // The score line is written over the bottom strip: keep it dark.
    vignette *= 1 - 0.45f * smoothstep(540, 570, y);
    return scaled(c, vignette);
}

Scene scene(int index) {
    Scene s;
    s.seed = 700 + index * 31;
    switch (index) {
        case 0:  // night over a quarry
            s.sky_top = hex(0x080c1e), s.sky_horizon = hex(0x2a2c4a);
            s.stars = 0.012f;
            s.glow_x = 640, s.glow_y = 110, s.glow_r = 230, s.glow_colour = hex(0x8a90c0);
            s.disc = true;
            s.fog = hex(0x2a2c44);
            s.layers = {{330, 70, 0.004f, Ridge::jagged, hex(0x1c1e34), 11},
                        {420, 60, 0.006f, Ridge::jagged, hex(0x15162a), 12},
                        {520, 40, 0.01f, Ridge::smooth, hex(0x0e0f1e), 13}};
            break;
        case 1:  // jungle temple
            s.sky_top = hex(0x06140c), s.sky_horizon = hex(0x1e3a26);
            s.glow_x = 300, s.glow_y = 160, s.glow_r = 320, s.glow_colour = hex(0x4a7a4a);
            s.fog = hex(0x22402a);
            s.layers = {{360, 120, 0.02f, Ridge::towers, hex(0x173222), 21},
                        {450, 50, 0.008f, Ridge::smooth, hex(0x10261a), 22},
                        {540, 30, 0.015f, Ridge::smooth, hex(0x0a1a10), 23}};
            s.cave = true;
            break;
        case 2:  // glacier under the northern lights
            s.sky_top = hex(0x040a1a), s.sky_horizon = hex(0x16304e);
            s.stars = 0.02f;
            s.aurora = true;
            s.fog = hex(0x1c3450);
            s.layers = {{360, 110, 0.005f, Ridge::jagged, hex(0x1e3856), 31},
                        {450, 60, 0.007f, Ridge::jagged, hex(0x152a44), 32},
                        {535, 25, 0.012f, Ridge::smooth, hex(0x0e1e34), 33}};
            break;
        case 3:  // the forge cavern
            s.sky_top = hex(0x100606), s.sky_horizon = hex(0x3a140c);
            s.glow_x = 400, s.glow_y = 640, s.glow_r = 420, s.glow_colour = hex(0x8a2a0a);
            s.fog = hex(0x2a0e08);
            s.cave = true;
            s.lava = true;
            s.layers = {{430, 80, 0.006f, Ridge::jagged, hex(0x220c08), 41},
                        {520, 40, 0.012f, Ridge::jagged, hex(0x160806), 42}};
            break;
        case 4:  // desert ruins at dusk
            s.sky_top = hex(0x1a1030), s.sky_horizon = hex(0x7a4a40);
            s.stars = 0.006f;
            s.glow_x = 250, s.glow_y = 400, s.glow_r = 260, s.glow_colour = hex(0xc07040);
            s.disc = true;
            s.fog = hex(0x5a3a3a);
            s.layers = {{400, 110, 0.03f, Ridge::towers, hex(0x3a2430), 51},
                        {460, 25, 0.008f, Ridge::dunes, hex(0x2e1c28), 52},
                        {540, 20, 0.012f, Ridge::dunes, hex(0x22141e), 53}};
            break;
        default:  // the crystal cave
            s.sky_top = hex(0x0a0618), s.sky_horizon = hex(0x2a1a46);
            s.glow_x = 520, s.glow_y = 300, s.glow_r = 300, s.glow_colour = hex(0x6a3a9a);
            s.fog = hex(0x2a1c44);
            s.cave = true;
            s.stars = 0.008f;
            s.layers = {{430, 140, 0.022f, Ridge::towers, hex(0x1c1234), 61},
                        {520, 50, 0.01f, Ridge::jagged, hex(0x120c24), 62}};
            break;
    }
    return s;
}

}  // namespace

Canvas background_design(int index) {
    Scene s = scene(index);
    Canvas c(static_cast<int>(kW), static_cast<int>(kH));
    c.shade([&](float x, float y) { return render(s, x, y); });
    return c;
}

void generate_backgrounds(OutputTree& out, ContactSheet& review) {
    for (int i = 0; i < 6; ++i) {
        Canvas design = background_design(i);
        std::string name = "dat/bg" + std::to_string(i) + ".jpg";
        out.write(name, encode_screen_jpeg(design, 1024, 512));
        review.add(name, design.resized(400, 300));
    }
}

Bytes encode_screen_jpeg(const Canvas& design, int texture_width, int texture_height) {
    return encode_jpeg(design.resized(texture_width, texture_height), 90);
}
