#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/cell.h"
#include "world/grid.h"
#include "world/rules.h"

struct WorldContext;

// The grid of one level: cells, decorative lights, the start positions, the gold count and
// the exit. Owned by the session for the length of a level; the actors point at it.
class Playfield {
  public:
    explicit Playfield(WorldContext& ctx);
    ~Playfield();
    Playfield(const Playfield&) = delete;
    Playfield& operator=(const Playfield&) = delete;

    // Archive name of level n (1..kLevelsPerSet) of level set kind (0 or 1).
    static std::string level_path(int kind, int level);

    // Loads level n of the current level set through the context's file reader. A missing
    // file gives an empty level inside its border; returns whether the file was read.
    bool load_level(int level);
    // Builds the grid from a level file's bytes; bytes past the end read as empty cells.
    void load_level_data(const uint8_t* data, size_t size);

    // The object in a cell, or null for an empty one. Anything outside the grid, the row above
    // the top row included, reads as a solid block.
    Cell* cell_at(int c, int r) const;
    CellCoord cell_of(const Pos& p) const { return grid_cell_of(p); }
    Pos cell_center(int c, int r) const { return grid_cell_center(c, r); }
    bool is_near_center(const Pos& p, float radius) const;

    // Kind tests used by the actors' rules.
    int kind_at(int c, int r) const;  // 0 for an empty cell
    // A solid block or a brick that is not open.
    bool is_blocking(int c, int r) const;

    void tick_cells();
    void rebuild_skin();

    // Gold, exit and digging rules.
    int take_gold(int c, int r);
    void check_exit(int row);
    bool dig(const Pos& p, int facing);

    // Lets a guard carry gold away and put it back.
    std::unique_ptr<Cell> remove_cell(int c, int r);
    void put_cell(int c, int r, std::unique_ptr<Cell> cell);

    const Light* light_at(int c, int r) const;

    bool complete() const { return m_complete; }
    int exit_row() const { return m_exit_row; }
    int gold_left() const { return m_gold_left; }
    const Pos& runner_start() const { return m_runner_start; }
    const std::vector<Pos>& guard_starts() const { return m_guard_starts; }

  private:
    static size_t index(int c, int r) { return static_cast<size_t>(c * kGridHeight + r); }
    void clear();
    void place_lights();
    void last_gold_taken();
    // Gathers the occupied slots in the order tick_cells visits them. Most of the grid is empty,
    // and walking all of it every tick was two thirds of the world's tick; every change of a
    // slot marks the lists stale.
    void gather_ticking();

    WorldContext& m_ctx;
    std::array<std::unique_ptr<Cell>, kGridWidth * kGridHeight> m_cells;
    std::array<std::unique_ptr<Light>, kGridWidth * kGridHeight> m_lights;
    std::unique_ptr<Cell> m_outside;  // the solid block read outside the grid
    std::vector<Cell*> m_ticking_cells;
    std::vector<Light*> m_ticking_lights;
    bool m_ticking_stale = true;
    bool m_complete = false;
    int m_exit_row = -1;
    Pos m_runner_start;
    std::vector<Pos> m_guard_starts;
    int m_gold_left = 0;
};
