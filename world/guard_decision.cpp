// The guard's way-finding: the moves a cell allows and the preference lists that pick one.
#include <algorithm>
#include <cstdlib>

#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"

namespace {
bool has(const std::vector<int>& options, int move) {
    return std::find(options.begin(), options.end(), move) != options.end();
}

// A random number from the one shared sequence; drawn only where a rule needs it.
int roll() {
    return std::rand();
}
}  // namespace

bool Guard::check_fall(int c, int r) {
    // The guard only starts a fall from the cell it has reserved.
    if (!m_target.same_cell(c, r)) {
        return false;
    }
    const int k = kind_at(c, r);
    if ((is_open_kind(k) || k == kBrick) && is_cell_free(c, r + 1, this) &&
        is_drop_cell(c, r + 1)) {
        m_move = kMoveDrop;
        select_group(kGroupFall);
        return true;
    }
    return false;
}

std::vector<int> Guard::gather_options(int c, int r) const {
    std::vector<int> options;
    const int here = kind_at(c, r);
    if (here == kBrick) {
        return options;
    }
    auto walkable = [](int k) { return is_open_kind(k) || k == kRope || k == kLadder; };
    if (walkable(kind_at(c + 1, r)) && is_cell_free(c + 1, r, this)) {
        options.push_back(kMoveRight);
    }
    if (walkable(kind_at(c - 1, r)) && is_cell_free(c - 1, r, this)) {
        options.push_back(kMoveLeft);
    }
    const int below = kind_at(c, r + 1);
    const bool below_free = is_cell_free(c, r + 1, this);
    if (below == kLadder && below_free) {
        options.push_back(kMoveDown);
    }
    if ((is_open_kind(below) || below == kRope) && below_free) {
        options.push_back(kMoveDrop);
    }
    if (here == kLadder && r - 1 >= 0 && walkable(kind_at(c, r - 1)) &&
        is_cell_free(c, r - 1, this)) {
        options.push_back(kMoveUp);
    }
    if (here != kLadder) {
        return options;
    }
    // On a ladder, step sideways only onto something that holds the guard, at the foot of the
    // ladder, or where it cannot climb further.
    auto exists_solidly = [&](int x, int y) {
        const Cell* cell = m_field.cell_at(x, y);
        return cell != nullptr && !cell->is_passable();
    };
    auto keep_side = [&](int x) {
        const Cell* side = m_field.cell_at(x, r);
        const bool open = side == nullptr || side->is_passable();
        return (open && exists_solidly(c, r + 1)) ||
               (side != nullptr && side->is_passable() && side->kind() != kGold) ||
               (open && exists_solidly(x, r + 1)) || r == 0 || exists_solidly(c, r - 1);
    };
    if (!keep_side(c + 1)) {
        options.erase(std::remove(options.begin(), options.end(), kMoveRight), options.end());
    }
    if (!keep_side(c - 1)) {
        options.erase(std::remove(options.begin(), options.end(), kMoveLeft), options.end());
    }
    return options;
}

int Guard::choose(Heading heading, const std::vector<int>& options, const CellCoord& me,
                  const CellCoord& runner) const {
    const bool above = runner.r < me.r;
    const bool below = runner.r > me.r;
    const bool right = runner.c > me.c;
    const bool left = runner.c < me.c;
    const bool h1 = has(options, kMoveRight);
    const bool h2 = has(options, kMoveLeft);
    const bool h3 = has(options, kMoveUp);
    const bool h4 = has(options, kMoveDown);
    const bool h7 = has(options, kMoveDrop);
    switch (heading) {
        case Heading::kRight:
            if (above && h3)
                return kMoveUp;
            if (below && h3 && roll() % 2 == 1)
                return kMoveUp;
            if (below && h4)
                return kMoveDown;
            if (below && h7)
                return kMoveDrop;
            if (left && h2 && (h3 || h4))
                return kMoveLeft;
            if (h1)
                return kMoveRight;
            break;
        case Heading::kLeft:
            if (above && h3 && roll() % 6 < 5)
                return kMoveUp;
            if (below && h4 && roll() % 6 < 5)
                return kMoveDown;
            if (below && h7)
                return kMoveDrop;
            if (right && h1 && (h3 || h4))
                return kMoveRight;
            if (h2)
                return kMoveLeft;
            break;
        case Heading::kUp:
            if (right && h1)
                return kMoveRight;
            if (left && h2)
                return kMoveLeft;
            if (below && h4 && (h1 || h2))
                return kMoveDown;
            if (h3)
                return kMoveUp;
            break;
        case Heading::kDown:
            if (right && h1 && roll() % 6 < 5)
                return kMoveRight;
            if (left && h2 && roll() % 6 < 5)
                return kMoveLeft;
            if (above && h3 && (h1 || h2))
                return kMoveUp;
            if (h4)
                return kMoveDown;
            break;
    }
    return options[static_cast<size_t>(roll()) % options.size()];
}

void Guard::advance_target() {
    switch (m_move) {
        case kMoveRight:
            set_target(m_target.c + 1, m_target.r);
            break;
        case kMoveLeft:
            set_target(m_target.c - 1, m_target.r);
            break;
        case kMoveUp:
            set_target(m_target.c, m_target.r - 1);
            break;
        case kMoveDown:
            set_target(m_target.c, m_target.r + 1);
            break;
        case kMoveDrop:
            set_target(m_target.c, m_target.r + 1);
            select_group(kGroupFall);
            break;
        default:
            break;
    }
}

bool Guard::decide(Heading heading) {
    const CellCoord cc = cell();
    if (!m_target.same_cell(cc.c, cc.r) || !is_near()) {
        return true;
    }
    m_move = kMoveIdle;
    if (check_fall(cc.c, cc.r)) {
        return false;
    }
    const std::vector<int> options = gather_options(cc.c, cc.r);
    if (options.size() == 1) {
        m_move = options.front();
    } else if (options.size() > 1) {
        m_move = choose(heading, options, cc, m_runner.cell());
    }
    advance_target();
    return true;
}

void Guard::move_across(int dir) {
    const int d = dir < 0 ? -1 : 1;
    if (!decide(d > 0 ? Heading::kRight : Heading::kLeft)) {
        return;
    }
    const int move = d > 0 ? kMoveRight : kMoveLeft;
    const float sign = static_cast<float>(d);
    // The target lies behind: the guard overshot it and stops.
    if (m_move == move && sign * (m_field.cell_center(m_target.c, m_target.r).x - m_pos.x) < 0.0f) {
        m_move = kMoveIdle;
    }
    if (m_move == move) {
        if (m_state == kClimbDown || m_state == kClimbUp || m_state == kFalling) {
            m_state = d > 0 ? kRunRight : kRunLeft;
        }
        Runner::move_across(d);
    } else if (m_move == kMoveIdle) {
        const CellCoord cc = cell();
        const float cx = m_field.cell_center(cc.c, cc.r).x;
        if (sign * (cx - m_pos.x) >= m_speed) {
            m_pos.x += sign * m_speed;
            m_move = move;
        } else {
            m_pos.x = cx;
        }
    }
}

void Guard::move_up() {
    if (!decide(Heading::kUp)) {
        return;
    }
    if (m_move == kMoveUp) {
        Runner::move_up();
    }
}

void Guard::move_down() {
    if (!decide(Heading::kDown)) {
        return;
    }
    if (m_move == kMoveDown) {
        Runner::move_down();
    }
}
