#pragma once

#include <cstddef>
#include <vector>

class Texture;

// Textured quads gathered and drawn with one glDrawArrays per sheet and blend state, from
// client arrays. The software renderer pays for every draw call (state checks, triangle setup,
// binning) far more than for its few vertices, so a level of a few hundred sprites drawn one
// immediate-mode quad at a time cost more than its pixels.
//
// In order (the default), a change of sheet or blending draws what is pending first, so the
// quads reach the screen in the order they were added. With `any_order`, the caller promises
// that no two quads overlap: each sheet's quads are kept together and drawn, sheet by sheet in
// the order the sheets first came, at the flush; the pixels are the same, the calls far fewer.
//
// Assumes a current GL context; the matrices must not change between adding quads and the
// flush (both happen inside one drawing function).
class QuadBatch {
  public:
    // One corner: position, texture coordinate, colour (multiplied with the texel).
    struct Corner {
        float x, y, z;
        float u, v;
        float r, g, b, a;
    };

    explicit QuadBatch(bool any_order = false) : m_any_order(any_order) {}
    ~QuadBatch() { flush(); }
    QuadBatch(const QuadBatch&) = delete;
    QuadBatch& operator=(const QuadBatch&) = delete;

    // Adds one quad, corners in the order glBegin(GL_QUADS) would take them, textured with
    // `texture` (bound as Texture::bind binds it; null: whatever is bound) and alpha-blended
    // when `blend` is set.
    void add(const Texture* texture, bool blend, const Corner (&corners)[4]);
    // Draws what is pending. Afterwards texturing is on, blending off, the colour opaque white
    // and no client array enabled.
    void flush();

  private:
    struct Run {
        const Texture* texture;
        bool blend;
        std::vector<Corner> corners;
    };

    bool m_any_order;
    std::vector<Run> m_runs;
    // Runs drawn; their vectors are kept for the quads after a flush, so a batch that flushes
    // often (text in several colours, sprites in order) allocates little.
    std::size_t m_used = 0;
};
