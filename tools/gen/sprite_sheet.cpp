#include "sprite_sheet.h"

SpriteSheet::SpriteSheet(int groups, int frames, int cell_width, int cell_height,
                         bool drawn_flipped)
    : m_groups(groups),
      m_frames(frames),
      m_cell_width(cell_width),
      m_cell_height(cell_height),
      m_drawn_flipped(drawn_flipped),
      m_picture(frames * cell_width, groups * cell_height) {}

void SpriteSheet::set(int group, int frame, const Canvas& cell) {
    Canvas fitted = cell;
    if (cell.width() != m_cell_width || cell.height() != m_cell_height) {
        fitted = cell.resized(m_cell_width, m_cell_height);
    }
    if (!m_drawn_flipped) {
        fitted = fitted.flipped_vertically();
    }
    // Group 0 is the bottom row of the picture.
    int row = m_groups - 1 - group;
    m_picture.paste(fitted, frame * m_cell_width, row * m_cell_height);
}

std::string SpriteSheet::spr_text(const std::string& image_path) const {
    return "// sprite sheet: " + std::to_string(m_groups) + " animations of " +
           std::to_string(m_frames) + " pictures\n" + "file_name " + image_path + "\n" + "groups " +
           std::to_string(m_groups) + "\n" + "frames " + std::to_string(m_frames) + "\n";
}

Canvas SpriteSheet::as_seen() const {
    if (m_drawn_flipped) {
        return m_picture;
    }
    Canvas out(m_picture.width(), m_picture.height());
    for (int g = 0; g < m_groups; ++g) {
        for (int f = 0; f < m_frames; ++f) {
            int x = f * m_cell_width, y = g * m_cell_height;
            out.paste(m_picture.crop(x, y, m_cell_width, m_cell_height).flipped_vertically(), x, y);
        }
    }
    return out;
}
