#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/runner.h"

class Cell;

// What a guard is doing; also the codes of the moves it may choose.
enum GuardMove : int {
    kMoveIdle = 0,
    kMoveRight = 1,
    kMoveLeft = 2,
    kMoveUp = 3,
    kMoveDown = 4,
    kMoveTrapped = 5,
    kMoveLeaving = 6,
    kMoveDrop = 7,
};

// A guard chases the runner with the runner's movement rules, slower, choosing its way cell by
// cell. The cell it heads for (its target) is a reservation the other actors respect.
class Guard : public Runner {
  public:
    Guard(WorldContext& ctx, Playfield& field, Runner& runner, const GuardList& guards);
    ~Guard() override;

    // Puts the guard at a start position (its "$" cell centre), at its own depth.
    void place(const Pos& p);

    void update(int elapsed_ms) override;
    bool is_carrying_gold() const override { return m_carried_gold != nullptr; }
    void fall() override;
    void move_across(int dir) override;
    void move_up() override;
    void move_down() override;
    bool check_fall(int c, int r) override;

    // The moves the grid allows from (c, r), in preference-list order of appending.
    std::vector<int> gather_options(int c, int r) const;

    int guard_move() const { return m_move; }
    const CellCoord& target_cell() const { return m_target; }
    float depth() const { return m_depth; }
    uint32_t trap_left() const { return m_trap_left; }
    const Cell* carried_gold() const { return m_carried_gold.get(); }
    int exit_dir() const { return m_exit_dir; }

    // Number of guards alive; a guard's depth is 1.0 + 0.1 x the number alive at its birth.
    static int alive_count() { return s_alive; }

  private:
    enum class Heading { kRight, kLeft, kUp, kDown };

    // The decision at a cell centre, with the preference list of the heading; false when the
    // guard started to fall instead.
    bool decide(Heading heading);
    int choose(Heading heading, const std::vector<int>& options, const CellCoord& me,
               const CellCoord& runner) const;
    void advance_target();
    void handle_gold();
    void leave_hole();
    void respawn();
    float catch_distance2() const;
    void set_target(int c, int r) {
        m_target.c = c;
        m_target.r = r;
        m_target.valid = grid_in_range(c, r);
    }

    static int s_alive;

    Runner& m_runner;
    int m_move = kMoveIdle;
    float m_depth = 1.0f;
    CellCoord m_target;
    uint32_t m_trap_time = 0;
    uint32_t m_trap_left = 0;
    bool m_trap_scored = false;
    CellCoord m_trap_cell;
    int m_exit_dir = 0;
    std::unique_ptr<Cell> m_carried_gold;
    uint32_t m_keep_left = 0;
};
