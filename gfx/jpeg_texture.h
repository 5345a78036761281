#pragma once

#include "gfx/texture.h"

// Baseline JPEG pictures. A single picture becomes an RGB texture (greyscale ones are expanded
// to grey RGB); a colour picture with a greyscale partner of the same size becomes RGBA.
class JpegTexture : public Texture {
  public:
    bool load_files_with_alpha(const std::string& colour_path, const std::string& alpha_path,
                               bool mip) override;
    bool load_memory_with_alpha(const unsigned char* colour_data, std::size_t colour_size,
                                const unsigned char* alpha_data, std::size_t alpha_size,
                                bool mip) override;
    bool load_file(const std::string& path, bool repeat, bool mip) override;
    bool load_memory(const unsigned char* data, std::size_t size, bool repeat, bool mip) override;
    // Decodes the picture as load_memory does and keeps its size, components and wrap mode, but
    // makes no GL texture (one held is deleted): a picture shown only now and then is checked
    // at start and held in GL only while it shows. False, and the size forgotten, where
    // load_memory would fail.
    bool check_memory(const unsigned char* data, std::size_t size, bool repeat);
    void release() override;
};
