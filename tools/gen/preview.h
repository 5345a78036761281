#pragma once

#include "canvas.h"

// A made-up playfield drawn in skin `skin_index` at the game's scale (800 x 600), for review.
Canvas playfield_preview(int skin_index);
