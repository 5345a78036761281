#pragma once

#include <string>

#include "canvas.h"

// A sprite sheet: `groups` rows by `frames` columns of equal cells. Cells are handed over as
// they should look on screen. The game draws group 0 from the bottom row of the picture, and a
// sprite drawn without its flip switch shows its cell upside down; the sheet stores every cell
// so that it comes out upright either way.
class SpriteSheet {
  public:
    SpriteSheet(int groups, int frames, int cell_width, int cell_height, bool drawn_flipped);

    void set(int group, int frame, const Canvas& cell);
    const Canvas& picture() const { return m_picture; }
    // The picture with every cell as the game shows it (for review).
    Canvas as_seen() const;

    int groups() const { return m_groups; }
    int frames() const { return m_frames; }
    int cell_width() const { return m_cell_width; }
    int cell_height() const { return m_cell_height; }

    // The text of the ".spr" file that names this sheet.
    std::string spr_text(const std::string& image_path) const;

  private:
    int m_groups;
    int m_frames;
    int m_cell_width;
    int m_cell_height;
    bool m_drawn_flipped;
    Canvas m_picture;
};
