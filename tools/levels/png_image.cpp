#include "png_image.h"

#include <algorithm>
#include <fstream>

namespace {

uint32_t crc32(const std::string& bytes, size_t from) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = from; i < bytes.size(); ++i)
        c = table[(c ^ static_cast<uint8_t>(bytes[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void put32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>(v >> shift));
}

void chunk(std::string& out, const char* type, const std::string& data) {
    put32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out += type;
    out += data;
    put32(out, crc32(out, start));
}

// 3 x 5 digit shapes, one row of three bits per entry, top row first.
const uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

}  // namespace

RgbImage::RgbImage(int width, int height, uint32_t colour)
    : m_width(width), m_height(height), m_rgb(static_cast<size_t>(width) * height * 3) {
    fill(0, 0, width, height, colour);
}

void RgbImage::set(int x, int y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    const size_t at = (static_cast<size_t>(y) * m_width + x) * 3;
    m_rgb[at] = static_cast<uint8_t>(colour >> 16);
    m_rgb[at + 1] = static_cast<uint8_t>(colour >> 8);
    m_rgb[at + 2] = static_cast<uint8_t>(colour);
}

void RgbImage::fill(int x, int y, int w, int h, uint32_t colour) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j, colour);
}

uint32_t RgbImage::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    const size_t at = (static_cast<size_t>(y) * m_width + x) * 3;
    return (uint32_t{m_rgb[at]} << 16) | (uint32_t{m_rgb[at + 1]} << 8) | m_rgb[at + 2];
}

void RgbImage::digits(int x, int y, const std::string& text, int scale, uint32_t colour) {
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            for (int row = 0; row < 5; ++row)
                for (int bit = 0; bit < 3; ++bit)
                    if (kDigits[c - '0'][row] & (4 >> bit))
                        fill(x + bit * scale, y + row * scale, scale, scale, colour);
        }
        x += 4 * scale;
    }
}

std::string RgbImage::encode_png() const {
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    put32(header, static_cast<uint32_t>(m_width));
    put32(header, static_cast<uint32_t>(m_height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
    chunk(out, "IHDR", header);

    // Filter byte 0 before every row, then the rows as stored deflate blocks of at most 65535.
    std::string raw;
    raw.reserve(m_rgb.size() + m_height);
    for (int y = 0; y < m_height; ++y) {
        raw.push_back('\0');
        raw.append(reinterpret_cast<const char*>(&m_rgb[static_cast<size_t>(y) * m_width * 3]),
                   static_cast<size_t>(m_width) * 3);
    }
    std::string z = "\x78\x01";
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<char>(n & 0xFF));
        z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF));
        z.push_back(static_cast<char>((~n >> 8) & 0xFF));
        z.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (char c : raw) {
        a = (a + static_cast<uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    put32(z, (b << 16) | a);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", "");
    return out;
}

bool RgbImage::write_png(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::string bytes = encode_png();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
