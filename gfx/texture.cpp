#include "gfx/texture.h"

#include <algorithm>
#include <vector>

#include <cstdio>

#include "gfx/gl.h"
#include "platform/gl_current.h"

Texture::~Texture() {
    delete_gl_texture();
}

bool Texture::load_files_with_alpha(const std::string&, const std::string&, bool) {
    return false;
}

bool Texture::load_memory_with_alpha(const unsigned char*, std::size_t, const unsigned char*,
                                     std::size_t, bool) {
    return false;
}

namespace {

bool g_whole_scale = false;

}  // namespace

void Texture::set_whole_scale(bool on) {
    g_whole_scale = on;
}

void Texture::bind() const {
    if (has_current_gl_context()) {
        glBindTexture(GL_TEXTURE_2D, m_texture);
        // Only when the scale changed kind: a parameter change costs more than a bind.
        if (m_texture != 0 && m_nearest != g_whole_scale) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                            g_whole_scale ? GL_NEAREST : GL_LINEAR);
            m_nearest = g_whole_scale;
        }
    }
}

void Texture::create(const unsigned char* pixels, int width, int height, int components,
                     int internal_components, bool mip, bool repeat) {
    release();
    m_width = width;
    m_height = height;
    m_components = components;
    if (!has_current_gl_context()) {
        return;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    m_texture = name;
    glBindTexture(GL_TEXTURE_2D, name);
    // Rows are tightly packed; RGB rows of odd widths are not 4-byte aligned.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLenum format = components == 4 ? GL_RGBA : GL_RGB;
    const GLint internal = internal_components == 4 ? GL_RGBA : GL_RGB;
    const GLint wrap = repeat ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    m_nearest = false;
    if (mip) {
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        // Scales to power-of-two sides, so any image size is fine here. Its scaling reads past
        // the last row of the image it is given (a read off the end of the heap block, seen as
        // a crash under AddressSanitizer), so it gets a copy with slack after the pixels.
        const std::size_t bytes = static_cast<std::size_t>(width) * height * components;
        const std::size_t slack = 2 * (static_cast<std::size_t>(width) + 1) * components;
        std::vector<unsigned char> padded(bytes + slack, 0);
        std::copy(pixels, pixels + bytes, padded.begin());
        gluBuild2DMipmaps(GL_TEXTURE_2D, internal, width, height, format, GL_UNSIGNED_BYTE,
                          padded.data());
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexImage2D(GL_TEXTURE_2D, 0, internal, width, height, 0, format, GL_UNSIGNED_BYTE,
                     pixels);
    }
}

void Texture::delete_gl_texture() {
    if (m_texture != 0) {
        if (has_current_gl_context()) {
            GLuint name = m_texture;
            glDeleteTextures(1, &name);
        }
        m_texture = 0;
    }
}

void Texture::clear() {
    release();
    m_width = 0;
    m_height = 0;
    m_components = 0;
}

bool read_disk_file(const std::string& path, std::vector<unsigned char>& out) {
    out.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return false;
    }
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        out.resize(static_cast<std::size_t>(size));
        ok = out.empty() || std::fread(out.data(), 1, out.size(), f) == out.size();
    }
    std::fclose(f);
    if (!ok) {
        out.clear();
    }
    return ok;
}
