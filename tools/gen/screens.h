#pragma once

#include "canvas.h"
#include "text.h"

// Full pictures behind the menus, at their display sizes (the caller scales them to
// power-of-two textures).
Canvas background_design(int index);     // playfield backdrop 0..5, 800 x 600
Canvas main_menu_picture(Fonts& fonts);  // 800 x 600
Canvas intro_picture(Fonts& fonts);      // 800 x 600
Canvas options_picture(Fonts& fonts);    // the options dialog's rectangle
// The Top 7 of level set 1 or 2: the set's name, a band and a place number for each row.
Canvas top7_picture(Fonts& fonts, int set);
// The dialog backdrop, stretched by the game over dialogs of many sizes, so it has no fine
// detail; `warning` gives the reddish variant.
Canvas dialog_picture(int size, bool warning);
