#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One GL texture made from an image file, and the image's size. Loading decodes the image and
// remembers its size and components even without a GL context; only the upload needs one.
class Texture {
  public:
    Texture() = default;
    virtual ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Colour picture plus a greyscale picture for the alpha channel. Formats without a separate
    // alpha file keep these and fail.
    virtual bool load_files_with_alpha(const std::string& colour_path,
                                       const std::string& alpha_path, bool mip);
    virtual bool load_memory_with_alpha(const unsigned char* colour_data, std::size_t colour_size,
                                        const unsigned char* alpha_data, std::size_t alpha_size,
                                        bool mip);
    virtual bool load_file(const std::string& path, bool repeat, bool mip) = 0;
    virtual bool load_memory(const unsigned char* data, std::size_t size, bool repeat,
                             bool mip) = 0;
    // Deletes the GL texture (if any); the size is kept.
    virtual void release() = 0;

    // Binds the texture to GL_TEXTURE_2D (name 0 when empty, so drawing is untextured).
    void bind() const;
    // While the picture is shown at a whole multiple (2x, 3x ...) of its size, textures are
    // magnified by repeating texels, so text and sprites stay sharp; otherwise smoothly. Each
    // texture follows at its next bind.
    static void set_whole_scale(bool on);
    // Binds this picture resampled once (bilinear, as GL samples it) to `width` x `height`
    // texels in the window's own BGRA layout, for drawing over the whole logical screen: where
    // texel meets pixel the software renderer copies instead of filtering. A copy of another
    // size than the logical screen's is made from the logical-size copy, as GL would filter
    // that one to the pixels. Made at the first call for a size, kept until release or another
    // size. False (nothing bound) without a texture.
    bool bind_screen_copy(int width, int height, int logical_width, int logical_height) const;

    unsigned gl_name() const { return m_texture; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int components() const { return m_components; }

  protected:
    // Builds the GL texture from tightly packed rows, bottom row first. `components` is 3 (RGB)
    // or 4 (RGBA); `internal_components` picks the GL internal format the same way. Without a
    // GL context only the size and components are recorded.
    void create(const unsigned char* pixels, int width, int height, int components,
                int internal_components, bool mip, bool repeat);
    // Deletes the GL texture name; shared by every release().
    void delete_gl_texture();
    // Forgets the image after a failed load: no texture, no size.
    void clear();

    unsigned m_texture = 0;
    int m_width = 0;
    int m_height = 0;
    int m_components = 0;
    mutable bool m_nearest = false;  // the magnification filter set on the GL texture now
    bool m_repeat = false;           // wrap mode of the GL texture, followed by the screen copy
    mutable unsigned m_screen_copy = 0;
    mutable int m_copy_width = 0;
    mutable int m_copy_height = 0;
};

// Reads a whole disk file; false when it cannot be opened or read.
bool read_disk_file(const std::string& path, std::vector<unsigned char>& out);
