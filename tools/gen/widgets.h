#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "layout.h"
#include "text.h"

// Control pictures. Several states are stacked as equal horizontal bands; the game draws
// state 1 from the bottom band, so `stack_bands` puts the first state at the bottom.
Canvas stack_bands(const std::vector<Canvas>& states);

enum class ButtonTone { main, small, dialog };

// Normal, hover and pressed looks of a captioned button.
std::vector<Canvas> button_states(TypeFace& face, const std::string& caption, layout::Size size,
                                  ButtonTone tone);

enum class Arrow { up, down, left, right };
std::vector<Canvas> arrow_states(layout::Size size, Arrow direction);

// Off, off with hover, on, on with hover.
std::vector<Canvas> checkbox_states(layout::Size size);
std::vector<Canvas> radio_states(layout::Size size);

// Idle and focused (edit box), idle and waiting for a key (key reader).
std::vector<Canvas> field_states(layout::Size size, bool key_reader);

// The publisher logo as a button: normal, hover, pressed.
std::vector<Canvas> logo_states(Fonts& fonts, layout::Size size);
// The game's icon, `size` pixels square: 64 for the window, the desktop's sizes when installed.
Canvas window_icon(Fonts& fonts, int size = 64);

// A panel: rounded, translucent, with a thin light rim (drawn on menu pictures).
void panel(Canvas& c, float x, float y, float w, float h, float radius, const Rgba& fill,
           const Rgba& rim);
