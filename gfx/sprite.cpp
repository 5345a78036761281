#include "gfx/sprite.h"

#include <algorithm>

#include "core/frame_clock.h"
#include "core/game_log.h"
#include "gfx/gl.h"
#include "gfx/jpeg_texture.h"
#include "gfx/tga_texture.h"
#include "storage/pack_archive.h"
#include "storage/param_file.h"

namespace {

bool names_tga(const std::string& name) {
    return !name.empty() && (name.back() == 'a' || name.back() == 'A');
}

const unsigned char* bytes_of(const PackEntry& entry) {
    return entry.data.get();
}

}  // namespace

Sprite::Sprite(const Sprite& other) {
    *this = other;
}

Sprite& Sprite::operator=(const Sprite& other) {
    if (this == &other) {
        return *this;
    }
    m_pos = other.m_pos;
    m_pos2 = other.m_pos2;
    m_archive = other.m_archive;
    m_groups = other.m_groups;
    m_frames = other.m_frames;
    m_frame_width = other.m_frame_width;
    m_frame_height = other.m_frame_height;
    m_frame = other.m_frame;
    m_group = other.m_group;
    m_visible = other.m_visible;
    m_blend = other.m_blend;
    m_flip = other.m_flip;
    m_reverse = other.m_reverse;
    m_clock = other.m_clock;
    m_frame_time = other.m_frame_time;
    m_texture = other.m_texture;
    m_owns_texture = false;
    return *this;
}

bool Sprite::load_file(const PackArchive& archive, const std::string& spr_path, bool repeat,
                       bool mip) {
    const PackEntry spr = archive.read_file(spr_path);
    return load(archive, bytes_of(spr), spr.size, repeat, mip);
}

bool Sprite::load(const PackArchive& archive, const unsigned char* data, std::size_t size,
                  bool repeat, bool mip) {
    release();
    m_archive = &archive;
    ParamFile spr;
    if (data && size > 0) {
        spr.load_memory(data, size, true);
    }
    const std::string file_name = spr.get("file_name", "0");
    const std::string file_alpha = spr.get("file_alpha", "0");
    // A grid of no rows or columns would divide by zero below and in the clock.
    m_groups = std::max(1, ParamFile::to_int(spr.get("groups", "1")));
    m_frames = std::max(1, ParamFile::to_int(spr.get("frames", "1")));

    const PackEntry image = archive.read_file(file_name);
    bool loaded = false;
    if (names_tga(file_name)) {
        // The texture object is kept across reloads so copies see the new sheet; only a sheet
        // of the other format needs a new one.
        if (!dynamic_cast<TgaTexture*>(m_texture.get())) {
            m_texture = std::make_shared<TgaTexture>();
        }
        loaded = m_texture->load_memory(bytes_of(image), image.size, repeat, mip);
    } else {
        if (!dynamic_cast<JpegTexture*>(m_texture.get())) {
            m_texture = std::make_shared<JpegTexture>();
        }
        if (!file_alpha.empty() && file_alpha != "0") {
            const PackEntry alpha = archive.read_file(file_alpha);
            loaded = m_texture->load_memory_with_alpha(bytes_of(image), image.size, bytes_of(alpha),
                                                       alpha.size, mip);
        } else {
            loaded = m_texture->load_memory(bytes_of(image), image.size, repeat, mip);
        }
    }
    if (!loaded) {
        game_log().write("Sprite sheet %s could not be loaded", file_name.c_str());
    }
    m_frame_width = static_cast<float>(m_texture->width() / m_frames);
    m_frame_height = static_cast<float>(m_texture->height() / m_groups);
    m_frame = 0;
    m_group = 0;
    m_owns_texture = true;
    return loaded;
}

void Sprite::release() {
    if (m_owns_texture && m_texture) {
        m_texture->release();
    }
}

void Sprite::advance(std::uint32_t dt) {
    m_frame = advance_frame_clock(m_clock, m_frames, m_frame_time, m_reverse, dt);
}

void Sprite::set_group(int group) {
    m_group = group >= 0 && group < m_groups ? group : 0;
}

void Sprite::set_frame(int frame) {
    if (frame >= 0 && frame < m_frames) {
        m_frame = frame;
        m_clock = static_cast<std::uint32_t>(frame) * m_frame_time;
    } else {
        m_frame = 0;
        m_clock = 0;
    }
}

bool Sprite::corners(QuadBatch::Corner (&out)[4]) const {
    // A sheet that failed to load shows nothing (texture name 0 would draw a plain quad).
    if (!m_visible || !m_texture || m_texture->gl_name() == 0) {
        return false;
    }
    const float frames = static_cast<float>(m_frames);
    const float groups = static_cast<float>(m_groups);
    const float u_left = m_frame / frames;
    const float u_right = (m_frame + 1) / frames;
    const float t_low = m_group / groups;
    const float t_high = (m_group + 1) / groups;
    const float top = m_flip ? t_high : t_low;
    const float bottom = m_flip ? t_low : t_high;
    const float hw = m_frame_width / 2.0f;
    const float hh = m_frame_height / 2.0f;
    const float x = m_pos.x, y = m_pos.y, z = m_pos.z;
    out[0] = {x - hw, y - hh, z, u_left, top, 1.0f, 1.0f, 1.0f, 1.0f};
    out[1] = {x + hw, y - hh, z, u_right, top, 1.0f, 1.0f, 1.0f, 1.0f};
    out[2] = {x + hw, y + hh, z, u_right, bottom, 1.0f, 1.0f, 1.0f, 1.0f};
    out[3] = {x - hw, y + hh, z, u_left, bottom, 1.0f, 1.0f, 1.0f, 1.0f};
    return true;
}

void Sprite::add_to(QuadBatch& batch, float r, float g, float b, float a) const {
    QuadBatch::Corner quad[4];
    if (!corners(quad)) {
        return;
    }
    for (QuadBatch::Corner& corner : quad) {
        corner.r = r;
        corner.g = g;
        corner.b = b;
        corner.a = a;
    }
    batch.add(m_texture.get(), m_blend, quad);
}

void Sprite::draw(bool bind) const {
    QuadBatch::Corner quad[4];
    if (!corners(quad)) {
        return;
    }
    glPushMatrix();
    if (bind && m_texture) {
        m_texture->bind();
    }
    if (m_blend) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    for (const QuadBatch::Corner& corner : quad) {
        glTexCoord2f(corner.u, corner.v);
        glVertex3f(corner.x, corner.y, corner.z);
    }
    glEnd();
    if (m_blend) {
        glDisable(GL_BLEND);
    }
    glPopMatrix();
}
