#include "contact_sheet.h"

#include <algorithm>

namespace {

Canvas enlarge(const Canvas& src, int scale) {
    if (scale <= 1) {
        return src;
    }
    Canvas out(src.width() * scale, src.height() * scale);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.at(x, y) = src.at(x / scale, y / scale);
        }
    }
    return out;
}

}  // namespace

void ContactSheet::add(const std::string& label, const Canvas& picture, int scale) {
    m_entries.push_back({label, enlarge(picture, scale), 0, 0});
}

void ContactSheet::add_sheet(const std::string& label, const Canvas& picture, int groups,
                             int frames, int scale) {
    m_entries.push_back({label, enlarge(picture, scale), groups, frames});
}

Canvas ContactSheet::compose(TypeFace& face, int width) const {
    const int pad = 16;
    const int label_h = 22;
    // Shelf layout: left to right, wrapping to a new row.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = pad, y = pad, row_h = 0;
    for (const Entry& e : m_entries) {
        int w = std::max(e.picture.width(), static_cast<int>(face.width(e.label, 15)));
        int h = e.picture.height() + label_h;
        if (x + w > width - pad && x > pad) {
            x = pad;
            y += row_h + pad;
            row_h = 0;
        }
        places.push_back({x, y});
        x += w + pad;
        row_h = std::max(row_h, h);
    }
    int height = y + row_h + pad;
    Canvas out(width, height, hex(0x2a2d34));
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        int px = places[i].x, py = places[i].y + label_h;
        face.draw(out, e.label, 15, static_cast<float>(px), static_cast<float>(py - 6),
                  hex(0xe8e8f0));
        // Checkerboard under the picture shows its transparency.
        for (int yy = 0; yy < e.picture.height(); ++yy) {
            for (int xx = 0; xx < e.picture.width(); ++xx) {
                bool dark = ((xx / 8) + (yy / 8)) % 2 == 0;
                out.at(px + xx, py + yy) = dark ? hex(0x55585f) : hex(0x6a6e76);
            }
        }
        out.draw(e.picture, px, py);
        if (e.groups > 0) {
            float cw = static_cast<float>(e.picture.width()) / e.frames;
            float ch = static_cast<float>(e.picture.height()) / e.groups;
            for (int f = 1; f < e.frames; ++f) {
                draw_line(out, px + f * cw, static_cast<float>(py), px + f * cw,
                          static_cast<float>(py + e.picture.height()), 1, hex(0x00ffff, 0.35f));
            }
            for (int g = 0; g < e.groups; ++g) {
                float top = py + (e.groups - 1 - g) * ch;
                if (g > 0) {
                    draw_line(out, static_cast<float>(px), top + ch,
                              static_cast<float>(px + e.picture.width()), top + ch, 1,
                              hex(0x00ffff, 0.35f));
                }
                face.draw(out, std::to_string(g), 12, static_cast<float>(px + 2), top + 12,
                          hex(0xffff00));
            }
        }
    }
    return out;
}
