#include "gfx/quad_batch.h"

#include "gfx/gl.h"
#include "gfx/texture.h"

namespace {

void draw_run(const Texture* texture, bool blend, const std::vector<QuadBatch::Corner>& corners) {
    if (texture) {
        texture->bind();
    }
    glEnable(GL_TEXTURE_2D);
    if (blend) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
    constexpr GLsizei kStride = sizeof(QuadBatch::Corner);
    const QuadBatch::Corner& first = corners.front();
    glVertexPointer(3, GL_FLOAT, kStride, &first.x);
    glTexCoordPointer(2, GL_FLOAT, kStride, &first.u);
    glColorPointer(4, GL_FLOAT, kStride, &first.r);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size()));
    if (blend) {
        glDisable(GL_BLEND);
    }
}

}  // namespace

void QuadBatch::add(const Texture* texture, bool blend, const Corner (&corners)[4]) {
    Run* run = nullptr;
    if (m_any_order) {
        for (std::size_t i = 0; i < m_used && !run; ++i) {
            if (m_runs[i].texture == texture && m_runs[i].blend == blend) {
                run = &m_runs[i];
            }
        }
    } else if (m_used > 0) {
        Run& last = m_runs[m_used - 1];
        if (last.texture == texture && last.blend == blend) {
            run = &last;
        } else {
            flush();
        }
    }
    if (!run) {
        if (m_used == m_runs.size()) {
            m_runs.push_back(Run{texture, blend, {}});
        }
        run = &m_runs[m_used++];
        run->texture = texture;
        run->blend = blend;
        run->corners.clear();
    }
    run->corners.insert(run->corners.end(), corners, corners + 4);
}

void QuadBatch::flush() {
    if (m_used == 0) {
        return;
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    for (std::size_t i = 0; i < m_used; ++i) {
        draw_run(m_runs[i].texture, m_runs[i].blend, m_runs[i].corners);
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // With the colour array on, the current colour is left undefined.
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    m_used = 0;
}
