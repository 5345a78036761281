#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A plain RGB picture and a tiny PNG writer (stored deflate blocks, no compression), enough to
// look at level sheets.
class RgbImage {
  public:
    RgbImage(int width, int height, uint32_t colour);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Pixels outside the picture are ignored.
    void set(int x, int y, uint32_t colour);
    void fill(int x, int y, int w, int h, uint32_t colour);
    uint32_t get(int x, int y) const;
    // Draws decimal digits in a 3 x 5 pixel font, each pixel `scale` wide.
    void digits(int x, int y, const std::string& text, int scale, uint32_t colour);

    std::string encode_png() const;
    bool write_png(const std::string& path) const;

  private:
    int m_width;
    int m_height;
    std::vector<uint8_t> m_rgb;
};
