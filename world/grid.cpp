#include "world/grid.h"

namespace {
// Far beyond any position an actor reaches; keeps the integer conversions defined.
constexpr float kClampLimit = 1.0e6f;

float clamp_for_int(float v) {
    if (!(v == v)) {
        return 0.0f;  // NaN
    }
    if (v > kClampLimit) {
        return kClampLimit;
    }
    if (v < -kClampLimit) {
        return -kClampLimit;
    }
    return v;
}
}  // namespace

int grid_round(float v) {
    v = clamp_for_int(v);
    const int t = static_cast<int>(v);
    const int d = static_cast<int>(v * 10.0f) % 10;
    return d >= 5 ? t + 1 : t;
}

CellCoord grid_cell_of(const Pos& p) {
    CellCoord cc;
    cc.c = grid_round((p.x - 12.5f) / kCellSize + 1.0f);
    cc.r = grid_round((p.y - 12.5f) / kCellSize);
    cc.valid = grid_in_range(cc.c, cc.r);
    return cc;
}

Pos grid_cell_center(int c, int r) {
    Pos p;
    p.x = static_cast<float>(c - 1) * kCellSize + 12.5f;
    p.y = static_cast<float>(r) * kCellSize + 12.5f;
    p.z = 0.0f;
    return p;
}
