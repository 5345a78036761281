#pragma once

#include <cstdint>
#include <vector>

#include "gfx/screen_cache.h"
#include "world/runner.h"

class Playfield;
class ResourceSet;
class Texture;

// Draws a level in play from the world's state with the pictures of the current skin: the
// world keeps which frame shows where, the resource set holds the sheets.
//
// Under a software renderer every layer costs its pixels each frame, and most of a level does
// not change between frames. So the background and every still cell are drawn once into a
// copy of the window's pixels (ScreenCache), and a frame draws that copy and only the squares
// that move on top: the lights, and cells that changed in the last couple of seconds (a hole
// being dug, opened or closed). The copy is remade in the frame a held square changes (a cell
// dug, gold taken, a ladder shown), or anything else it was made of does: window size, the
// playfield's transform, the skin, a reloaded texture. Since the cells and lights each stay
// inside their own square, the squares drawn on top meet the copy as they met the background:
// the pixels are the same as drawing everything.
class PlayfieldRenderer {
  public:
    // Background, lights and cells.
    void draw(const Playfield& field, const ResourceSet& resources);
    // Off: everything is drawn every frame, as without a copy (for comparing the two).
    void set_cache_enabled(bool on) { m_enabled = on; }
    // Drops the copy, so the next frame makes it again (for measuring what that costs).
    void invalidate_cache() { m_cache.invalidate(); }
    // Deletes the copy's texture, while the play screen is not shown.
    void release_cache() { m_cache.release(); }
    // How the last frame was drawn: from the copy, or into a new copy.
    bool drew_from_cache() const { return m_from_cache; }
    bool captured() const { return m_captured; }

    // What one square shows; a change of any of it is a change of the square's pixels.
    struct Look {
        const Texture* sheet = nullptr;
        int frame = 0;
        int group = 0;
        float x = 0, y = 0, z = 0, width = 0, height = 0;
        bool visible = false;
        bool blend = false;
        bool flip = false;
        bool operator==(const Look& o) const;
        bool operator!=(const Look& o) const { return !(*this == o); }
    };

  private:
    // Everything but the squares that the copy depends on.
    struct Key {
        int viewport[4] = {0, 0, 0, 0};
        float modelview[16] = {};
        const Texture* background = nullptr;
        unsigned background_name = 0;
        const Texture* sheets[6] = {};
        unsigned sheet_names[6] = {};
        bool operator==(const Key& o) const;
    };

    bool note_changes(const Playfield& field, const ResourceSet& resources);
    Key current_key(const ResourceSet& resources) const;

    ScreenCache m_cache;
    bool m_enabled = true;
    bool m_from_cache = false;
    bool m_captured = false;
    uint32_t m_frame = 0;
    // The frame of the last change that the copy could not have held: a still square that
    // changed, or a new key. The copy is made again only after a frame without one, so a
    // level being uncovered (every frame a change) is drawn as without a cache.
    uint32_t m_last_upset = 0;
    uint32_t m_last_capture = 0;
    Key m_key;
    std::vector<Look> m_looks;      // this frame's, per square
    std::vector<uint32_t> m_moved;  // frame of each square's last change
    std::vector<char> m_held;       // whether the copy holds the square's cell
};

// The guards (the runner's sheet tinted magenta), then the runner.
void draw_actors(const Runner& runner, const GuardList& guards, const ResourceSet& resources);
