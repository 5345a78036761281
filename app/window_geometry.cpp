#include "app/window_geometry.h"

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
