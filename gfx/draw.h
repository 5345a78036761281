#pragma once

class Texture;

// Drawing primitives shared by screens, dialogs and the playfield. All of them work in logical
// screen units, blend with source alpha over one minus source alpha when they blend, and leave
// the current colour opaque white. Without a GL context they do nothing.

// Logical screen size the full-screen pictures cover.
constexpr float kLogicalWidth = 800.0f;
constexpr float kLogicalHeight = 600.0f;

// The picture upright over the whole logical screen at z 0; depth test off, texturing on.
void draw_fullscreen_image(const Texture& texture);

// Switches to a fragment program that only fetches the texel (the software renderer then
// copies rows of an unfiltered texture drawn texel for pixel); false, and nothing changed,
// where there is none. end_texel_copy goes back to the fixed function.
bool begin_texel_copy();
void end_texel_copy();

// An untextured rectangle in (r, g, b, a), blended; texturing and alpha test off afterwards,
// blending off.
void draw_shade_rect(float x, float y, float width, float height, float z, float r, float g,
                     float b, float a);

// A textured rectangle, (u0, v0) at the top-left corner and (u1, v1) at the bottom-right;
// `texture` may be null to draw with whatever is bound. With `blend`, alpha blending is on
// while drawing and off afterwards, alpha test off. Texturing stays on.
void draw_textured_rect(const Texture* texture, float x, float y, float width, float height,
                        float z, float u0, float v0, float u1, float v1, bool blend);

// Sets the blend factors every blended draw uses and switches blending on, alpha test off.
void begin_alpha_blend();

// Opaque white, the colour every routine leaves behind.
void reset_colour();
