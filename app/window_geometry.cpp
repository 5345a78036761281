#include "app/window_geometry.h"

#include <algorithm>

void keep_on_desktop(int desktop_width, int desktop_height, int window_width, int window_height,
                     int& x, int& y) {
    if (!(desktop_width > window_width / 2 + x)) {
        x /= 2;
    }
    if (!(desktop_height > window_height / 2 + y)) {
        y /= 2;
    }
}

void place_window(int desktop_width, int desktop_height, int width, int height, int& left,
                  int& top) {
    if (left == 0 && top == 0) {
        left = (desktop_width - width) / 2;
        top = (desktop_height - height) / 2;
    }
}

void keep_on_a_display(const DisplayArea* displays, int count, int window_width, int window_height,
                       int& x, int& y) {
    if (count <= 0 || (x == 0 && y == 0)) {
        return;
    }
    const int need_w = std::min(window_width, 100);
    const int need_h = std::min(window_height, 100);
    for (int i = 0; i < count; ++i) {
        const DisplayArea& d = displays[i];
        // In 64 bits: a stored coordinate may be anything an int holds.
        const long long w = std::min<long long>(static_cast<long long>(x) + window_width,
                                                static_cast<long long>(d.x) + d.width) -
                            std::max<long long>(x, d.x);
        const long long h = std::min<long long>(static_cast<long long>(y) + window_height,
                                                static_cast<long long>(d.y) + d.height) -
                            std::max<long long>(y, d.y);
        if (w >= need_w && h >= need_h) {
            return;
        }
    }
    x = 0;
    y = 0;
}
