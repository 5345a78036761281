#pragma once

// Where the logical picture goes in a drawable of any size: scaled by one factor so that it
// fits, centred, with black bars on the two sides it does not fill. Pure arithmetic, so the
// frame and the mouse agree on it without a window.
struct Letterbox {
    // The picture's rectangle in drawable pixels, origin top-left.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The picture of `logical_w` x `logical_h` units fitted into a drawable of `drawable_w` x
// `drawable_h` pixels. An empty drawable or picture gives an empty box.
Letterbox fit_picture(int drawable_w, int drawable_h, int logical_w, int logical_h);

// The viewport for GL, whose rows count from the bottom of the drawable.
void letterbox_viewport(const Letterbox& box, int drawable_h, int& x, int& y);

// A point in window coordinates (which differ from drawable pixels on a high-density display)
// in logical units. False for a point on a bar; `lx`, `ly` are then far outside the picture so
// that nothing hit-tests them.
bool window_to_logical(const Letterbox& box, int window_w, int window_h, int drawable_w,
                       int drawable_h, int logical_w, int logical_h, int x, int y, int& lx,
                       int& ly);

// The window point at the centre of logical unit (lx, ly): the inverse, for tools that click.
void logical_to_window(const Letterbox& box, int window_w, int window_h, int drawable_w,
                       int drawable_h, int logical_w, int logical_h, double lx, double ly, int& x,
                       int& y);

// Far outside any logical picture: where a click on a bar lands.
constexpr int kOffPicture = -30000;
