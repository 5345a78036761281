#include "levels/level_bot_player.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"

using namespace level_bot;

namespace {

bool in_file_area(int c, int r) {
    return c >= 1 && c <= LevelGrid::kFileColumns && r >= 0 && r < LevelGrid::kFileRows;
}

char cell_char(int kind) {
    switch (kind) {
        case kBrick:
            return 'T';
        case kSolid:
            return 'M';
        case kFalseBrick:
            return 'U';
        case kLadder:
            return 'H';
        case kHiddenLadder:
            return '#';
        case kGold:
            return '*';
        case kRope:
            return '-';
        default:
            return ' ';
    }
}

}  // namespace

int LevelBotPlayer::runner_node() const {
    const CellCoord c = m_run->runner().cell();
    if (!in_file_area(c.c, c.r))
        return MoveGraph::node(std::clamp(c.c, 1, 32), std::clamp(c.r, 0, 21));
    const int n = MoveGraph::node(c.c, c.r);
    return m_run->field().kind_at(c.c, c.r) == kBrick ? MoveGraph::kHoleBase + n : n;
}

bool LevelBotPlayer::arrived(int node) const {
    const Runner& runner = m_run->runner();
    const CellCoord c = runner.cell();
    if (c.c != MoveGraph::column_of(node) || c.r != MoveGraph::row_of(node))
        return false;
    return dist2(runner.pos(), grid_cell_center(c.c, c.r)) < 49.0f - 2.0f * 2.0f ||
           runner.state() == kFalling;
}

// The level as it is now, every brick intact: holes close again, and the bot does not plan
// with holes it happens to find open.
// The graph and what is worked out from it are kept while the level does not change (gold
// taken or put down, ladders shown): most cells the runner passes leave it as it was.
void LevelBotPlayer::snapshot() {
    const Playfield& field = m_run->field();
    std::string cells(LevelGrid::kFileColumns * LevelGrid::kFileRows, ' ');
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
        for (int r = 0; r < LevelGrid::kFileRows; ++r)
            cells[(c - 1) * LevelGrid::kFileRows + r] = cell_char(field.kind_at(c, r));
    if (m_graph && cells == m_grid_cells)
        return;
    m_grid_cells = cells;
    m_grid.clear();
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
        for (int r = 0; r < LevelGrid::kFileRows; ++r)
            m_grid.set_cell(c, r, cells[(c - 1) * LevelGrid::kFileRows + r]);
    m_graph = std::make_unique<MoveGraph>(m_grid, false);
    int count = 0;
    m_components = m_graph->components(count);
    m_reach_from = -1;
    m_back.assign(MoveGraph::kNodes, {});
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        for (const MoveGraph::Edge& e : m_graph->edges(n))
            m_back[e.to].push_back(n);
    if (m_second_game)
        find_pits();
}

void LevelBotPlayer::find_pits() {
    // With every brick solid the graph has no digs: the ways a guard has.
    m_guard_grid = m_grid;
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
        for (int r = 0; r < LevelGrid::kFileRows; ++r)
            if (m_guard_grid.at(c, r) == 'T')
                m_guard_grid.set_cell(c, r, 'M');
    m_guard_graph = std::make_unique<MoveGraph>(m_guard_grid, false);
    int count = 0;
    const std::vector<int> comp = m_guard_graph->components(count);
    std::vector<int> size(static_cast<size_t>(count), 0);
    for (int n = 0; n < MoveGraph::kCells; ++n)
        if (m_guard_graph->exists(n))
            ++size[static_cast<size_t>(comp[n])];
    const int main_part =
        static_cast<int>(std::max_element(size.begin(), size.end()) - size.begin());
    std::vector<std::vector<int>> back(MoveGraph::kCells);
    std::vector<bool> reaches(MoveGraph::kCells, false);
    std::vector<int> stack;
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (!m_guard_graph->exists(n))
            continue;
        for (const MoveGraph::Edge& e : m_guard_graph->edges(n))
            if (e.to < MoveGraph::kCells)
                back[e.to].push_back(n);
        if (comp[n] == main_part) {
            reaches[n] = true;
            stack.push_back(n);
        }
    }
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        for (int from : back[n])
            if (!reaches[from]) {
                reaches[from] = true;
                stack.push_back(from);
            }
    }
    // Only a small pit counts: in a large one the runner can still get round a guard.
    for (int n = 0; n < MoveGraph::kCells; ++n)
        m_pit[n] =
            m_guard_graph->exists(n) && !reaches[n] && guard_reach(n, [](int) {}) <= kPitCells;
}

// How many cells a guard in `from` can get to (`from` included), each of them passed to `visit`.
int LevelBotPlayer::guard_reach(int from, const std::function<void(int)>& visit) const {
    std::vector<bool> seen(MoveGraph::kCells, false);
    std::vector<int> stack{from};
    seen[from] = true;
    int count = 0;
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        visit(n);
        ++count;
        for (const MoveGraph::Edge& e : m_guard_graph->edges(n))
            if (e.to < MoveGraph::kCells && !seen[e.to]) {
                seen[e.to] = true;
                stack.push_back(e.to);
            }
    }
    return count;
}

// Guards in a pit with gold in their reach (or carrying gold), the runner not in there with
// them: the gold can no longer be fetched past them.
int LevelBotPlayer::guards_in_gold_pits() const {
    const CellCoord me = m_run->runner().cell();
    const int runner = in_file_area(me.c, me.r) ? MoveGraph::node(me.c, me.r) : -1;
    int count = 0;
    for (const auto& guard : m_run->guards()) {
        const CellCoord at = guard->cell();
        if (!in_file_area(at.c, at.r) || !m_pit[MoveGraph::node(at.c, at.r)])
            continue;
        bool gold = guard->is_carrying_gold(), with_runner = false;
        guard_reach(MoveGraph::node(at.c, at.r), [&](int n) {
            gold = gold || m_graph->has_gold(n);
            with_runner = with_runner || n == runner;
        });
        count += gold && !with_runner;
    }
    return count;
}

const std::vector<bool>& LevelBotPlayer::reachable(int start) {
    if (m_reach_from != start) {
        m_reach = m_graph->reachable_from(start);
        m_reach_from = start;
    }
    return m_reach;
}

// The runner would drop into an open hole that no guard is sitting in.
bool LevelBotPlayer::open_hole_below(int c, int r) const {
    const Cell* below = m_run->field().cell_at(c, r + 1);
    return below != nullptr && below->kind() == kBrick && below->is_passable() &&
           m_run->runner().is_cell_free(c, r + 1, &m_run->runner());
}

// The dig rule's side cell: air, a hidden ladder not shown yet, or an open brick.
bool LevelBotPlayer::diggable_now(int side_c, int side_r) const {
    const Cell* side = m_run->field().cell_at(side_c, side_r);
    const Cell* below = m_run->field().cell_at(side_c, side_r + 1);
    const bool side_ok = side == nullptr || side->kind() == kHiddenLadder ||
                         (side->kind() == kBrick && side->is_passable());
    return side_ok && below != nullptr && below->kind() == kBrick && !below->is_passable();
}

int LevelBotPlayer::edge_ticks(int from, const MoveGraph::Edge& e) const {
    if (e.digs > 0)
        return kDigTicks;
    const int dr = MoveGraph::row_of(e.to) - MoveGraph::row_of(from);
    if (dr == 0)
        return kRunTicks;
    const bool ladder = m_grid.at(MoveGraph::column_of(from), MoveGraph::row_of(from)) == 'H' ||
                        m_grid.at(MoveGraph::column_of(e.to), MoveGraph::row_of(e.to)) == 'H';
    return ladder ? kClimbTicks : kRunTicks;
}

// For every cell, the soonest tick at which some guard could be in it, running the runner's
// move graph at guard speed. A trapped guard counts from the cell above its hole once its time
// in the hole is up.
void LevelBotPlayer::guard_times() {
    std::vector<double> best(MoveGraph::kCells, 1e18);
    using Item = std::pair<double, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    auto seed = [&](int c, int r, double t) {
        if (!grid_in_range(c, r))
            return;
        const int n = MoveGraph::node(c, r);
        if (t < best[n]) {
            best[n] = t;
            queue.push({t, n});
        }
    };
    for (const auto& guard : m_run->guards()) {
        const CellCoord at = guard->cell();
        const int move = guard->guard_move();
        if (move == kMoveTrapped) {
            seed(at.c, at.r - 1,
                 guard->trap_left() / static_cast<double>(kTickMs) + kGuardRiseTicks);
            continue;
        }
        if (move == kMoveLeaving) {
            seed(at.c, at.r, 0.0);
            seed(at.c, at.r - 1, 0.0);
            continue;
        }
        seed(at.c, at.r, 0.0);
        const CellCoord target = guard->target_cell();
        if (target.valid) {
            const Pos centre = grid_cell_center(target.c, target.r);
            const double dx = guard->pos().x - centre.x, dy = guard->pos().y - centre.y;
            seed(target.c, target.r, std::sqrt(dx * dx + dy * dy) / 2.16);
        }
    }
    while (!queue.empty()) {
        const auto [t, n] = queue.top();
        queue.pop();
        if (t != best[n])
            continue;
        for (const MoveGraph::Edge& e : m_graph->edges(n)) {
            if (e.digs > 0 || e.to >= MoveGraph::kCells)
                continue;
            const int ticks = edge_ticks(n, e);
            const double step = ticks == kClimbTicks ? kGuardClimbTicks : kGuardRunTicks;
            if (t + step < best[e.to]) {
                best[e.to] = t + step;
                queue.push({t + step, e.to});
            }
        }
    }
    for (int n = 0; n < MoveGraph::kCells; ++n)
        m_guard_time[n] = best[n] > kNever ? kNever : static_cast<int>(best[n]);
    if (!m_second_game)
        return;
    // A hole is no hiding place: a guard that comes over it or along its row drops in on the
    // runner. (Guards never walk through brick, so the search above leaves holes unreached.)
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
        for (int r = 1; r < LevelGrid::kFileRows; ++r) {
            if (m_grid.at(c, r) != 'T')
                continue;
            double t = best[MoveGraph::node(c, r - 1)];
            for (int d : {-1, 1})
                if (m_grid.at(c + d, r) != 'T' && m_grid.at(c + d, r) != 'M')
                    t = std::min(t, best[MoveGraph::node(c + d, r)]);
            t += kGuardRunTicks;
            if (t < m_guard_time[MoveGraph::node(c, r)])
                m_guard_time[MoveGraph::node(c, r)] = static_cast<int>(t);
        }
}

// Cheapest ways from the start in ticks, never into a cell a guard may reach first, never onto
// an open hole, and dearer near the guards.
void LevelBotPlayer::search(int start) {
    std::fill(m_cost.begin(), m_cost.end(), -1);
    std::fill(m_prev.begin(), m_prev.end(), -1);
    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    m_cost[start] = 0;
    m_time[start] = 0;
    m_chosen[start] = 0;
    queue.push({0, start});
    auto guard_time = [&](int n) { return m_guard_time[n % MoveGraph::kCells]; };
    while (!queue.empty()) {
        const auto [cost, n] = queue.top();
        queue.pop();
        if (cost != m_cost[n])
            continue;
        for (const MoveGraph::Edge& e : m_graph->edges(n)) {
            const int to = e.to;
            const int c = MoveGraph::column_of(to), r = MoveGraph::row_of(to);
            const int t = m_time[n] + edge_ticks(n, e);
            if (e.digs > 0) {
                // A first dig must be possible now; later ones need an intact brick.
                if (n == start ? !diggable_now(c, r - 1) : !m_run->field().is_blocking(c, r))
                    continue;
                if (guard_time(MoveGraph::node(c, r - 1)) < t + m_margin)
                    continue;
            } else if (to < MoveGraph::kCells && open_hole_below(c, r)) {
                continue;
            }
            // A fall cannot be stopped: it is safe only if it is safe all the way down.
            const int chosen = falling_cell(n) ? m_chosen[n] : m_time[n];
            const int slack = guard_time(to) - t;
            if (chosen <= kHorizon && slack < m_margin)
                continue;
            int next = cost + (t - m_time[n]);
            if (slack < kComfort)
                next += (t <= kHorizon ? 2 : 1) * (kComfort - slack);
            // Turning straight back costs a little: no dithering between two cells.
            if (n == start && to == m_last_node)
                next += kTurnBack;
            if (m_cost[to] < 0 || next < m_cost[to]) {
                m_cost[to] = next;
                m_time[to] = t;
                m_chosen[to] = chosen;
                m_prev[to] = n;
                queue.push({next, to});
            }
        }
    }
}

// Nothing holds the runner in this cell: it falls on to the next.
bool LevelBotPlayer::falling_cell(int n) const {
    if (n >= MoveGraph::kCells)
        return false;
    const int c = MoveGraph::column_of(n), r = MoveGraph::row_of(n);
    const char here = m_grid.at(c, r), below = m_grid.at(c, r + 1);
    return here != 'H' && here != '-' && below != 'T' && below != 'M' && below != 'H';
}

// Whether the runner, arriving at `from` after `t0` ticks, still has room to get away from the
// guards there: enough cells it reaches before any guard can. A dead end with a guard at its
// mouth has none.
bool LevelBotPlayer::has_room(int from, int t0) {
    return room(from, t0, kRoomCells, kRoomTicks, m_second_game) >= kRoomCells;
}

// A hole dug to drop through from a small pit: with it, a shaft plugged with brick is dug down,
// not left as a dead end with its gold.
bool LevelBotPlayer::digs_out_of_pit(int from, const MoveGraph::Edge& e) const {
    return m_pit[from % MoveGraph::kCells] &&
           m_run->field().is_blocking(MoveGraph::column_of(e.to), MoveGraph::row_of(e.to));
}

// How many cells (up to `cap`) the runner, in `from` after `t0` ticks, reaches within `ticks`
// more ticks before any guard can. The second game's goals count the way down out of a pit.
int LevelBotPlayer::room(int from, int t0, int cap, int ticks, bool dig_out) {
    // One buffer for every call: cells seen in this call carry this call's stamp.
    std::vector<int>& time = m_room_time;
    std::vector<unsigned>& stamp = m_room_stamp;
    if (++m_room_call == 0) {
        std::fill(stamp.begin(), stamp.end(), 0u);
        m_room_call = 1;
    }
    const unsigned call = m_room_call;
    auto seen = [&](int n) { return stamp[n] == call; };
    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    time[from] = t0;
    stamp[from] = call;
    queue.push({t0, from});
    int count = 0;
    while (!queue.empty()) {
        const auto [t, n] = queue.top();
        queue.pop();
        if (t != time[n])
            continue;
        if (++count >= cap)
            return count;
        for (const MoveGraph::Edge& e : m_graph->edges(n)) {
            const int next = t + edge_ticks(n, e);
            if ((e.digs > 0 && !(dig_out && digs_out_of_pit(n, e))) || next > t0 + ticks ||
                seen(e.to))
                continue;
            const int c = MoveGraph::column_of(e.to), r = MoveGraph::row_of(e.to);
            if ((e.to < MoveGraph::kCells && open_hole_below(c, r)) ||
                m_guard_time[e.to % MoveGraph::kCells] < next + m_margin)
                continue;
            time[e.to] = next;
            stamp[e.to] = call;
            queue.push({next, e.to});
        }
    }
    return count;
}

// Where to go: the gold that strands no other gold (the one first in the order of the move
// graph's components), or the top row once it is the exit. `carried_only` tells that the gold
// still missing is all in the guards' hands, or must wait for a guard to drop its piece.
std::vector<bool> LevelBotPlayer::targets(int start, bool& carried_only) {
    std::vector<bool> out(MoveGraph::kNodes, false);
    carried_only = false;
    const Playfield& field = m_run->field();
    if (field.exit_row() >= 0) {
        for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
            out[MoveGraph::node(c, 0)] = true;
        return out;
    }
    const std::vector<int>& comp = m_components;
    const std::vector<bool>& reach = reachable(start);
    // A guard carrying gold drops it somewhere along its way: gold from which the runner could no
    // longer get to where that guard is would strand the carried piece. Such gold waits until
    // the guard has dropped its piece, or gone where the runner is going anyway.
    std::vector<bool> keeps_carriers(MoveGraph::kNodes, true);
    for (const auto& guard : m_run->guards()) {
        const CellCoord at = guard->cell();
        if (!m_second_game || !guard->is_carrying_gold() || !in_file_area(at.c, at.r))
            continue;
        int node = MoveGraph::node(at.c, at.r);
        if (m_grid.at(at.c, at.r) == 'T')
            node += MoveGraph::kHoleBase;
        if (!m_graph->exists(node) || !reach[node])
            continue;
        std::vector<bool> to_guard(MoveGraph::kNodes, false);
        to_guard[node] = true;
        const std::vector<bool> back = leads_to(to_guard, start);
        for (int n = 0; n < MoveGraph::kNodes; ++n)
            keeps_carriers[n] = keeps_carriers[n] && back[n];
    }
    int first = -1;
    bool any = false, held_back = false;
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (!m_graph->exists(n) || !m_graph->has_gold(n))
            continue;
        any = true;
        held_back = held_back || (reach[n] && !keeps_carriers[n]);
        if (reach[n] && keeps_carriers[n] && comp[n] > first)
            first = comp[n];
    }
    carried_only = !any || (first < 0 && held_back);
    for (int n = 0; n < MoveGraph::kCells; ++n)
        if (m_graph->exists(n) && m_graph->has_gold(n) && reach[n] && keeps_carriers[n] &&
            comp[n] == first)
            out[n] = true;
    return out;
}

// Cells on a floor with air and a brick to dig at both sides: wherever a guard comes from
// along the floor, it can be held in a hole there. With `carriers_only`, none while no guard
// carries gold.
std::vector<bool> LevelBotPlayer::ambush_cells(bool carriers_only) const {
    std::vector<bool> out(MoveGraph::kNodes, false);
    const auto& guards = m_run->guards();
    if (carriers_only && std::none_of(guards.begin(), guards.end(),
                                      [](const auto& g) { return g->is_carrying_gold(); }))
        return out;
    for (int c = 2; c < LevelGrid::kFileColumns; ++c)
        for (int r = 0; r + 1 < LevelGrid::kFileRows; ++r) {
            const char here = m_grid.at(c, r), floor = m_grid.at(c, r + 1);
            if ((here != ' ' && here != '*') || (floor != 'T' && floor != 'M'))
                continue;
            bool both = true;
            for (int d : {-1, 1})
                both = both && m_grid.at(c + d, r) == ' ' && m_grid.at(c + d, r + 1) == 'T';
            out[MoveGraph::node(c, r)] = both;
        }
    return out;
}

// The nodes from which one of the goal nodes (or, with no goal, `start`) can be reached.
std::vector<bool> LevelBotPlayer::leads_to(const std::vector<bool>& goal, int start) const {
    const std::vector<std::vector<int>>& back = m_back;
    std::vector<bool> seen(MoveGraph::kNodes, false);
    std::vector<int> stack;
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if ((goal.empty() && n == start) || (!goal.empty() && goal[n])) {
            seen[n] = true;
            stack.push_back(n);
        }
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        for (int from : back[n])
            if (!seen[from]) {
                seen[from] = true;
                stack.push_back(from);
            }
    }
    return seen;
}
