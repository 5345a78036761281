#include "world/guard.h"

#include <cstdlib>

#include "world/cell.h"
#include "world/playfield.h"
#include "world/rules.h"
#include "world/world_context.h"

namespace {
constexpr float kGuardSpeedFactor = 0.54f;
constexpr float kGuardNearRadius = 5.0f;
constexpr float kDepthStep = 0.1f;
// Squared catch distances: 18 pixels while dropping and at the start of a tick, 20 later.
constexpr float kCatchNear2 = 18.0f * 18.0f;
constexpr float kCatchFar2 = 20.0f * 20.0f;

uint32_t count_down(uint32_t value, uint32_t step) {
    return value > step ? value - step : 0;
}
}  // namespace

int Guard::s_alive = 0;

Guard::Guard(WorldContext& ctx, Playfield& field, Runner& runner, const GuardList& guards)
    : Runner(ctx, field, guards), m_runner(runner) {
    ++s_alive;
    m_depth = 1.0f + kDepthStep * static_cast<float>(s_alive);
    m_speed = 4.0f * kGuardSpeedFactor;
    m_near_radius = kGuardNearRadius;
    const int32_t in_hole = ctx.params.m_time_in_hole;
    m_trap_time = in_hole > 0 ? static_cast<uint32_t>(in_hole) : 0;
    m_pos.z = m_depth;
}

Guard::~Guard() {
    --s_alive;
}

void Guard::place(const Pos& p) {
    m_pos = p;
    m_pos.z = m_depth;
}

float Guard::catch_distance2() const {
    return dist2(m_pos, m_runner.pos());
}

void Guard::update(int elapsed_ms) {
    if (!m_runner.moved()) {
        return;
    }
    const uint32_t elapsed = elapsed_ms > 0 ? static_cast<uint32_t>(elapsed_ms) : 0;
    if (m_move == kMoveDrop) {
        fall();
        animate(elapsed);
        if (catch_distance2() < kCatchNear2) {
            m_runner.die();
        }
        return;
    }
    if (catch_distance2() < kCatchNear2) {
        m_runner.die();
    }
    if (m_move == kMoveTrapped || m_move == kMoveLeaving) {
        // Points once per hole, on the first tick in it.
        if (!m_trap_scored) {
            m_trap_scored = true;
            m_score = kTrapPoints;
        }
        if (m_move == kMoveTrapped) {
            const CellCoord cc = cell();
            const Cell* here = m_field.cell_at(cc.c, cc.r);
            if (here != nullptr && !here->is_passable()) {
                respawn();
            }
        }
        m_trap_left = count_down(m_trap_left, elapsed);
        if (m_trap_left == 0) {
            leave_hole();
        }
        return;
    }
    handle_gold();
    if (catch_distance2() < kCatchFar2) {
        m_runner.die();
    }
    switch (m_move) {
        case kMoveIdle: {
            const CellCoord cc = cell();
            set_target(cc.c, cc.r);
            if (!is_cell_free(cc.c, cc.r + 1, this)) {
                // Someone is heading for the cell below: go on only when a guard stands there
                // idle or trapped (a floor to walk on), else wait.
                bool floor = false;
                for (const auto& other : m_guards) {
                    if (other.get() != this && other->cell().same_cell(cc.c, cc.r + 1) &&
                        (other->guard_move() == kMoveIdle || other->guard_move() == kMoveTrapped)) {
                        floor = true;
                    }
                }
                if (!floor) {
                    return;
                }
            }
            move_across(cc.c < m_runner.cell().c ? 1 : -1);
            break;
        }
        case kMoveRight:
            move_across(1);
            break;
        case kMoveLeft:
            move_across(-1);
            break;
        case kMoveUp:
            move_up();
            break;
        case kMoveDown:
            move_down();
            break;
        default:
            break;
    }
}

void Guard::handle_gold() {
    const CellCoord cc = cell();
    const GameParams& params = m_ctx.params;
    if (!m_carried_gold) {
        if (kind_at(cc.c, cc.r) != kGold || params.m_prob_take_gold <= 0) {
            return;
        }
        if (std::rand() % params.m_prob_take_gold != 1) {
            return;
        }
        m_carried_gold = m_field.remove_cell(cc.c, cc.r);
        const int64_t lo = params.m_time_keep_gold_min;
        const int64_t hi = params.m_time_keep_gold_max;
        int64_t keep = lo;
        if (hi > lo) {
            keep = std::rand() % (hi - lo) + lo;
        }
        m_keep_left = keep > 0 ? static_cast<uint32_t>(keep) : 0;
        return;
    }
    m_keep_left = count_down(m_keep_left, kTickMs);
    if (m_keep_left != 0 || !grid_in_range(cc.c, cc.r) || m_field.cell_at(cc.c, cc.r) != nullptr) {
        return;
    }
    const int below = kind_at(cc.c, cc.r + 1);
    if (below == kSolid || (below == kBrick && !is_passable_at(cc.c, cc.r + 1))) {
        m_field.put_cell(cc.c, cc.r, std::move(m_carried_gold));
    }
}

void Guard::fall() {
    const CellCoord cc = cell();
    const Pos center = m_field.cell_center(cc.c, cc.r);
    if (m_target.same_cell(cc.c, cc.r) && is_near()) {
        m_move = kMoveIdle;
        const int k = kind_at(cc.c, cc.r);
        if (is_open_kind(k) && is_cell_free(cc.c, cc.r + 1, this) && is_drop_cell(cc.c, cc.r + 1)) {
            m_move = kMoveDrop;
        }
        if (k == kRope && m_pos.y <= center.y) {
            m_move = kMoveIdle;
        }
        if (k == kBrick) {
            m_move = kMoveTrapped;
            m_trap_left = m_trap_time;
            m_trap_scored = false;
            m_pos.x = center.x;
            if (m_carried_gold && grid_in_range(cc.c, cc.r - 1) &&
                m_field.cell_at(cc.c, cc.r - 1) == nullptr) {
                m_field.put_cell(cc.c, cc.r - 1, std::move(m_carried_gold));
            }
        }
        advance_target();
    }
    if (m_move == kMoveDrop) {
        m_pos.y += m_speed;
        m_pos.x = center.x;
    } else if (m_move == kMoveIdle) {
        if (center.y - m_pos.y >= m_speed) {
            m_pos.y += m_speed;
        } else {
            m_pos.y = center.y;
        }
    }
}

void Guard::leave_hole() {
    if (m_move == kMoveTrapped) {
        const CellCoord cc = cell();
        m_trap_cell = cc;
        if (is_cell_free(cc.c, cc.r - 1, this)) {
            m_exit_dir = 0;
            select_group(kGroupUp);
            m_move = kMoveLeaving;
            set_target(cc.c, cc.r - 1);
        }
        return;
    }
    if (m_move != kMoveLeaving) {
        return;
    }
    const int hc = m_trap_cell.c;
    const int hr = m_trap_cell.r;
    const Pos top = m_field.cell_center(hc, hr - 1);
    if (m_pos.y > top.y) {
        m_pos.y -= m_speed;
        animate(kTickMs);
        return;
    }
    if (m_exit_dir == 0) {
        const int tc = m_target.c;
        const int tr = m_target.r;
        const float runner_x = m_runner.pos().x;
        if (m_pos.x > runner_x && is_cell_free(tc - 1, tr, this)) {
            m_exit_dir = -1;
        } else if (runner_x > m_pos.x && is_cell_free(tc + 1, tr, this)) {
            m_exit_dir = 1;
        } else if (is_cell_free(tc - 1, tr, this)) {
            m_exit_dir = -1;
        } else if (is_cell_free(tc + 1, tr, this)) {
            m_exit_dir = 1;
        }
        if (m_exit_dir != 0) {
            set_target(tc + m_exit_dir, tr);
            select_group(m_exit_dir < 0 ? kGroupLeft : kGroupRight);
        } else {
            m_move = kMoveIdle;
        }
        return;
    }
    const int side = kind_at(hc + m_exit_dir, hr - 1);
    if (side == kBrick || side == kSolid) {
        m_move = kMoveIdle;
        return;
    }
    m_pos.x += static_cast<float>(m_exit_dir) * m_speed;
    animate(kTickMs);
    if (cell().c != hc) {
        m_move = m_exit_dir < 1 ? kMoveLeft : kMoveRight;
        move_across(m_exit_dir < 1 ? -1 : 1);
    }
}

void Guard::respawn() {
    m_trap_left = 0;
    m_move = kMoveIdle;
    // Set, not added: a guard trapped and buried in the same update is worth one of the two.
    m_score = kBuryPoints;

    // The first row by which three empty cells have been seen, counting from the top.
    std::vector<int> columns;
    int row = -1;
    for (int r = 0; r < kGridHeight && row < 0; ++r) {
        for (int c = 0; c < kGridWidth; ++c) {
            if (m_field.cell_at(c, r) == nullptr) {
                columns.push_back(c);
            }
        }
        if (columns.size() > 2) {
            row = r;
        }
    }
    if (row < 0) {
        return;  // no room anywhere near the top: the guard stays in the brick
    }
    // Columns holding gold are preferred, the more gold the likelier.
    std::vector<int> gold_columns;
    for (int c : columns) {
        for (int r = 0; r < kGridHeight; ++r) {
            if (kind_at(c, r) == kGold) {
                gold_columns.push_back(c);
            }
        }
    }
    int col = columns[static_cast<size_t>(std::rand()) % columns.size()];
    if (!gold_columns.empty()) {
        col = gold_columns[static_cast<size_t>(std::rand()) % gold_columns.size()];
    }
    // The chosen column may be empty only higher up: never place a guard inside a block.
    int place_row = row;
    for (int r = row; r >= 0; --r) {
        if (m_field.cell_at(col, r) == nullptr) {
            place_row = r;
            break;
        }
    }
    Pos p = m_field.cell_center(col, place_row);
    p.z = m_depth;
    m_pos = p;
    set_target(col, place_row);
}
