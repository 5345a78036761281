#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "contact_sheet.h"
#include "font_sheet.h"
#include "text.h"

// A playfield drawn in skin `skin_index` at the game's scale (800 x 600), for review: the
// rows of a level file, or a made-up field when `level` is empty.
Canvas playfield_preview(int skin_index, const std::vector<std::string>& level = {});
// The menu and every dialog composed as the game draws them, for review.
void add_dialog_previews(ContactSheet& review, Fonts& fonts, const FontSheet& font);
