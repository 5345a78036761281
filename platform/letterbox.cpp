#include "platform/letterbox.h"

#include <algorithm>
#include <cmath>

Letterbox fit_picture(int drawable_w, int drawable_h, int logical_w, int logical_h) {
    Letterbox box;
    if (drawable_w <= 0 || drawable_h <= 0 || logical_w <= 0 || logical_h <= 0) {
        return box;
    }
    const double scale = std::min(static_cast<double>(drawable_w) / logical_w,
                                  static_cast<double>(drawable_h) / logical_h);
    box.width = std::min(drawable_w, static_cast<int>(std::lround(logical_w * scale)));
    box.height = std::min(drawable_h, static_cast<int>(std::lround(logical_h * scale)));
    // Whole-pixel offsets keep texels on pixel centres at whole factors.
    box.x = (drawable_w - box.width) / 2;
    box.y = (drawable_h - box.height) / 2;
    return box;
}

void letterbox_viewport(const Letterbox& box, int drawable_h, int& x, int& y) {
    x = box.x;
    y = drawable_h - box.y - box.height;
}

bool window_to_logical(const Letterbox& box, int window_w, int window_h, int drawable_w,
                       int drawable_h, int logical_w, int logical_h, int x, int y, int& lx,
                       int& ly) {
    lx = x;
    ly = y;
    if (box.width <= 0 || box.height <= 0 || window_w <= 0 || window_h <= 0) {
        return true;  // nothing to map through yet
    }
    const double px = static_cast<double>(x) * drawable_w / window_w;
    const double py = static_cast<double>(y) * drawable_h / window_h;
    const double ux = (px - box.x) * logical_w / box.width;
    const double uy = (py - box.y) * logical_h / box.height;
    if (ux < 0.0 || uy < 0.0 || ux >= logical_w || uy >= logical_h) {
        lx = ly = kOffPicture;
        return false;
    }
    lx = static_cast<int>(ux);
    ly = static_cast<int>(uy);
    return true;
}

void logical_to_window(const Letterbox& box, int window_w, int window_h, int drawable_w,
                       int drawable_h, int logical_w, int logical_h, double lx, double ly, int& x,
                       int& y) {
    x = static_cast<int>(lx);
    y = static_cast<int>(ly);
    if (box.width <= 0 || box.height <= 0 || drawable_w <= 0 || drawable_h <= 0 || logical_w <= 0 ||
        logical_h <= 0) {
        return;
    }
    const double px = box.x + (lx + 0.5) * box.width / logical_w;
    const double py = box.y + (ly + 0.5) * box.height / logical_h;
    x = static_cast<int>(std::floor(px * window_w / drawable_w));
    y = static_cast<int>(std::floor(py * window_h / drawable_h));
}
