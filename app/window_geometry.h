#pragma once

// Where the window goes on the desktop, as plain arithmetic so it can be checked without one.

// A window stored at (x, y) whose far half would start beyond the desktop edge is pulled back by
// halving the coordinate (integer halving toward zero).
void keep_on_desktop(int desktop_width, int desktop_height, int window_width, int window_height,
                     int& x, int& y);

// Position (0, 0) means "centre on the desktop": (desktop - size) / 2, toward zero.
void place_window(int desktop_width, int desktop_height, int width, int height, int& left,
                  int& top);
