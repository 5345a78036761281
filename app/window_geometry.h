#pragma once

// Where the window goes on the desktop, as plain arithmetic so it can be checked without one.

// A window stored at (x, y) whose far half would start beyond the desktop edge is pulled back by
// halving the coordinate (integer halving toward zero).
void keep_on_desktop(int desktop_width, int desktop_height, int window_width, int window_height,
                     int& x, int& y);

// Position (0, 0) means "centre on the desktop": (desktop - size) / 2, toward zero.
void place_window(int desktop_width, int desktop_height, int width, int height, int& left,
                  int& top);

struct DisplayArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A stored position off every connected display (a monitor since unplugged, a hand-edited
// file) would open the borderless window where it cannot be seen or dragged back: unless a
// good piece of the window (100 x 100 pixels, or all of a smaller window) lies on one display,
// (x, y) becomes (0, 0), centred. With no display known the position is left alone.
void keep_on_a_display(const DisplayArea* displays, int count, int window_width, int window_height,
                       int& x, int& y);
