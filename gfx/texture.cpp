#include "gfx/texture.h"

#include <algorithm>
#include <cmath>
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
    glBindTexture(GL_TEXTURE_2D, m_texture);
    // Only when the scale changed kind: a parameter change costs more than a bind.
    if (m_texture != 0 && m_nearest != g_whole_scale) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                        g_whole_scale ? GL_NEAREST : GL_LINEAR);
        m_nearest = g_whole_scale;
    }
}

void Texture::create(const unsigned char* pixels, int width, int height, int components,
                     int internal_components, bool mip, bool repeat) {
    release();
    m_width = width;
    m_height = height;
    m_components = components;
    m_repeat = repeat;
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

namespace {

// One colour channel of `src` (w x h RGBA, rows bottom first) sampled as GL samples with a
// linear filter at texel coordinates (x, y), wrapping or clamping at the edges.
struct Bilinear {
    const std::vector<unsigned char>& src;
    int w, h;
    bool repeat;

    int wrap(int i, int n) const {
        if (repeat) {
            return ((i % n) + n) % n;
        }
        return std::clamp(i, 0, n - 1);
    }
};

// Where one output texel takes its two neighbours along an axis, and how much of the second.
struct Tap {
    int first, second;
    float weight;
};

std::vector<Tap> taps(const Bilinear& b, int n, int source_n) {
    std::vector<Tap> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const float s = (static_cast<float>(i) + 0.5f) * source_n / n - 0.5f;
        const int i0 = static_cast<int>(std::floor(s));
        out[i] = {b.wrap(i0, source_n), b.wrap(i0 + 1, source_n), s - static_cast<float>(i0)};
    }
    return out;
}

// Resamples `src` to `dw` x `dh` texels, texel centres mapped onto texel centres; channels in
// BGRA order with `bgra`, as they come otherwise. The taps are worked out once per row and
// column: a full-screen copy has a million and a half texels.
std::vector<unsigned char> resample(const Bilinear& b, int dw, int dh, bool bgra) {
    std::vector<unsigned char> out(static_cast<std::size_t>(dw) * dh * 4);
    const std::vector<Tap> rows = taps(b, dh, b.h);
    const std::vector<Tap> columns = taps(b, dw, b.w);
    static constexpr int kBgra[4] = {2, 1, 0, 3};
    static constexpr int kSame[4] = {0, 1, 2, 3};
    const int* order = bgra ? kBgra : kSame;
    unsigned char* o = out.data();
    for (const Tap& row : rows) {
        const unsigned char* upper = &b.src[static_cast<std::size_t>(row.first) * b.w * 4];
        const unsigned char* lower = &b.src[static_cast<std::size_t>(row.second) * b.w * 4];
        const float fy = row.weight;
        for (const Tap& column : columns) {
            const float fx = column.weight;
            const unsigned char* ul = upper + column.first * 4;
            const unsigned char* ur = upper + column.second * 4;
            const unsigned char* ll = lower + column.first * 4;
            const unsigned char* lr = lower + column.second * 4;
            for (int ch = 0; ch < 4; ++ch) {
                const int s = order[ch];
                const float top =
                    static_cast<float>(ul[s]) * (1 - fx) + static_cast<float>(ur[s]) * fx;
                const float bottom =
                    static_cast<float>(ll[s]) * (1 - fx) + static_cast<float>(lr[s]) * fx;
                // lround's result for these non-negative values, without its cost.
                const double v = static_cast<double>(top * (1 - fy) + bottom * fy);
                *o++ = static_cast<unsigned char>(static_cast<int>(v + 0.5));
            }
        }
    }
    return out;
}

// The bound texture's level 0 (w x h) resampled for bind_screen_copy. The pictures read back
// and the intermediate copy are freed before the caller uploads the result: the upload, which
// allocates the renderer's own copy, then does not add to them at the peak of the start.
std::vector<unsigned char> screen_copy_pixels(int w, int h, bool repeat, int width, int height,
                                              int logical_width, int logical_height) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>(w) * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    if (width == logical_width && height == logical_height) {
        return resample(Bilinear{rgba, w, h, repeat}, width, height, true);
    }
    // What GL showed before: the logical-size copy, filtered again to the pixels.
    std::vector<unsigned char> logical =
        resample(Bilinear{rgba, w, h, repeat}, logical_width, logical_height, false);
    std::vector<unsigned char>().swap(rgba);
    return resample(Bilinear{logical, logical_width, logical_height, false}, width, height, true);
}

}  // namespace

bool Texture::bind_screen_copy(int width, int height, int logical_width, int logical_height) const {
    if (m_texture == 0 || width <= 0 || height <= 0 || logical_width <= 0 || logical_height <= 0) {
        return false;
    }
    if (m_screen_copy != 0 && m_copy_width == width && m_copy_height == height) {
        glBindTexture(GL_TEXTURE_2D, m_screen_copy);
        return true;
    }
    // Level 0 as GL holds it (mipmap building may have scaled it to power-of-two sides).
    glBindTexture(GL_TEXTURE_2D, m_texture);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    if (w <= 0 || h <= 0) {
        return false;
    }
    const std::vector<unsigned char> bgra =
        screen_copy_pixels(w, h, m_repeat, width, height, logical_width, logical_height);
    if (m_screen_copy == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        m_screen_copy = name;
    }
    m_copy_width = width;
    m_copy_height = height;
    glBindTexture(GL_TEXTURE_2D, m_screen_copy);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 bgra.data());
    return true;
}

void Texture::delete_gl_texture() {
    if (m_screen_copy != 0) {
        if (has_current_gl_context()) {
            GLuint copy = m_screen_copy;
            glDeleteTextures(1, &copy);
        }
        m_screen_copy = 0;
    }
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
