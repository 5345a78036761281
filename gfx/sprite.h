#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/quad_batch.h"
#include "gfx/texture.h"
#include "gfx/vec3.h"

class PackArchive;

// An animated picture: a sheet image cut into `m_groups` rows (animations) by `m_frames`
// columns (pictures), described by a ".spr" parameter file:
//   file_name  image in the archive; a name ending in 'a'/'A' is TGA, anything else JPEG
//   file_alpha greyscale JPEG with the alpha of a JPEG sheet (absent, empty or "0": none)
//   groups, frames  grid size (default 1)
// A loaded sprite is a prototype that owns its sheet; copies share the prototype's Texture
// object (so a reload of the prototype is seen by every copy) but have their own position and
// animation. Owners set the public fields directly.
class Sprite {
  public:
    Sprite() = default;
    // A copy shares the texture and never releases it.
    Sprite(const Sprite& other);
    Sprite& operator=(const Sprite& other);
    // Moving keeps the ownership (a prototype stays a prototype).
    Sprite(Sprite&& other) noexcept = default;
    Sprite& operator=(Sprite&& other) noexcept = default;
    ~Sprite() = default;

    // Loads from the contents of a ".spr" file, reading its sheet from `archive`. Returns
    // whether the sheet loaded; the grid and frame sizes are set either way (a failed sheet
    // draws nothing but still animates).
    bool load(const PackArchive& archive, const unsigned char* data, std::size_t size, bool repeat,
              bool mip);
    // The same, reading the ".spr" file itself from the archive.
    bool load_file(const PackArchive& archive, const std::string& spr_path, bool repeat, bool mip);

    // Draws the current frame centred on m_pos; with `bind` false the caller has bound the
    // sheet already (many copies of one sheet). Group 0 is the lowest row of the sheet as the
    // picture is seen, frame 0 its leftmost column. The upper edge of the quad takes the cell's
    // lower texture edge, so a cell shows upright only with m_flip set (without it, upside
    // down); sheets are drawn with that in mind.
    void draw(bool bind = true) const;
    // The same quad added to `batch` in colour (r, g, b, a) instead of drawn now.
    void add_to(QuadBatch& batch, float r, float g, float b, float a) const;
    // Moves the animation clock by dt, backwards when m_reverse is set.
    void advance(std::uint32_t dt);
    // Out-of-range values select 0.
    void set_group(int group);
    void set_frame(int frame);
    void set_size(float width, float height) {
        m_frame_width = width;
        m_frame_height = height;
    }
    void set_visible(bool visible) { m_visible = visible; }
    void set_frame_time(std::uint32_t time) { m_frame_time = time; }
    // Releases the GL texture (keeping the Texture object) when this sprite owns it; before
    // the GL context goes away.
    void release();

    const Texture* texture() const { return m_texture.get(); }
    bool owns_texture() const { return m_owns_texture; }

    Vec3 m_pos;
    Vec3 m_pos2;
    const PackArchive* m_archive = nullptr;
    int m_groups = 1;
    int m_frames = 1;
    float m_frame_width = 0.0f;
    float m_frame_height = 0.0f;
    int m_frame = 0;
    int m_group = 0;
    bool m_visible = true;
    bool m_blend = false;
    bool m_flip = false;
    bool m_reverse = false;
    std::uint32_t m_clock = 0;
    std::uint32_t m_frame_time = 50;

  private:
    // The corners draw() gives the current frame, in quad order; false when nothing shows.
    bool corners(QuadBatch::Corner (&out)[4]) const;

    std::shared_ptr<Texture> m_texture;
    bool m_owns_texture = false;
};
