#pragma once

// Geometry of the playfield: 34 x 23 cells of 25 units; columns 0 and 33 and row 22 are the
// solid border. Cell (c, r) has its centre at ((c - 1) * 25 + 12.5, r * 25 + 12.5).

constexpr int kGridWidth = 34;
constexpr int kGridHeight = 23;
constexpr float kCellSize = 25.0f;
constexpr int kTickMs = 30;

// A position in logical screen units; z is the drawing depth.
struct Pos {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct CellCoord {
    int c = -1;
    int r = -1;
    bool valid = false;

    bool same_cell(int col, int row) const { return c == col && r == row; }
};

// Rounds half up for v >= 0 and truncates toward zero for negative v, as the grid rules expect
// (the tenths digit decides).
int grid_round(float v);

CellCoord grid_cell_of(const Pos& p);
Pos grid_cell_center(int c, int r);

// Squared distance over x, y and z.
inline float dist2(const Pos& a, const Pos& b) {
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    const float dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

inline bool grid_in_range(int c, int r) {
    return c >= 0 && c < kGridWidth && r >= 0 && r < kGridHeight;
}
