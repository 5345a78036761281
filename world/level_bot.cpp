#include "world/level_bot.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <queue>
#include <utility>
#include <vector>

#include "app/keyboard_state.h"
#include "world/cell.h"
#include "world/guard.h"
#include "world/level_checker.h"
#include "world/playfield.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace {

// Ticks the runner needs per cell: it runs 4 units a tick and climbs 2; a dig takes a turn, the
// fire key and the walk into the hole.
constexpr int kRunTicks = 7;
constexpr int kClimbTicks = 13;
constexpr int kDigTicks = 20;
// A guard runs 2.16 units a tick and climbs half as fast.
constexpr double kGuardRunTicks = 25.0 / 2.16;
constexpr double kGuardClimbTicks = 25.0 / 1.08;
// A trapped guard needs about this long to rise out of its hole once its time is up.
constexpr double kGuardRiseTicks = 12.0;
constexpr int kNever = 1 << 29;
// The runner enters a cell only when every guard needs this many ticks more to get there.
constexpr int kMargin = 8;
// Beyond this many ticks ahead the guards will have gone elsewhere: no more hard limits.
constexpr int kHorizon = 90;
// Cells a guard can reach less than this many ticks after the runner cost extra.
constexpr int kComfort = 60;
constexpr int kStepBudget = 80;
constexpr int kTurnBack = 15;
// Room to get away at a goal: this many cells within this many ticks, ahead of the guards.
constexpr int kRoomCells = 6;
constexpr int kRoomTicks = 70;
constexpr int kRetreatRoom = 25;  // enough room: more is no better
constexpr size_t kGoalsTried = 4;
constexpr int kPlanSteps = 6;  // steps taken on a plan before it is searched afresh
// Without a gold piece taken for this long the bot gives up the life and starts again.
constexpr long kNoProgressTicks = 3000;
// How far along the runner's floor a guard is worth a hole: any guard when there is no safe way
// on, a guard running at the runner always.
constexpr int kTrapReach = 7;
constexpr int kChaseReach = 6;

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

class Bot {
  public:
    Bot(const GameParams& rules, const std::string& level, const BotLimits& limits)
        : m_params(rules), m_level(level), m_limits(limits) {
        auto device = std::make_unique<ScriptedKeyboard>();
        m_keys = device.get();
        m_keyboard.create(std::move(device));
    }

    BotResult play(unsigned seed);

  private:
    enum class End { kFinished, kCaught, kBuried, kGaveUp, kOutOfTime };
    enum class DigPhase { kNone, kFace, kCool, kCheck };

    End play_life(long& ticks, int& gold_taken);
    std::vector<int> control();
    std::vector<int> decide();
    std::vector<int> choose();
    std::vector<int> start_step(int from, int to);
    std::vector<int> start_dig(int dir, int c, int r, bool enter);
    std::vector<int> dig_tick();

    void snapshot();
    void guard_times();
    void search(int start);
    std::vector<bool> targets(int start, bool& carried_only) const;
    int edge_ticks(int from, const MoveGraph::Edge& e) const;
    bool open_hole_below(int c, int r) const;
    bool diggable_now(int side_c, int side_r) const;
    int runner_node() const;
    bool arrived(int node) const;
    int trap_dig_direction(bool coming_only) const;
    std::vector<int> new_plan(int start, int target, bool retreat);
    std::vector<int> follow_plan(int start);
    bool plan_holds(int start, const std::vector<bool>& goal);
    bool has_room(int from, int t0) const;
    int room(int from, int t0, int cap, int ticks) const;
    bool falling_cell(int n) const;
    std::vector<bool> leads_to(const std::vector<bool>& goal, int start) const;

    GameParams m_params;
    std::string m_level;
    BotLimits m_limits;
    ScriptedKeyboard* m_keys = nullptr;
    KeyboardState m_keyboard;
    std::unique_ptr<WorldContext> m_ctx;
    std::unique_ptr<WorldRun> m_run;

    LevelGrid m_grid;
    std::unique_ptr<MoveGraph> m_graph;
    std::vector<int> m_guard_time = std::vector<int>(MoveGraph::kCells, kNever);
    std::vector<int> m_cost = std::vector<int>(MoveGraph::kNodes, -1);
    std::vector<int> m_time = std::vector<int>(MoveGraph::kNodes, 0);
    std::vector<int> m_prev = std::vector<int>(MoveGraph::kNodes, -1);
    std::vector<int> m_chosen = std::vector<int>(MoveGraph::kNodes, 0);  // the last free choice

    // The action under way.
    bool m_moving = false;
    int m_move_key = 0;
    int m_move_node = -1;
    int m_move_budget = 0;
    int m_last_node = -1;  // where the last step started
    // The way chosen at the last search: to the goal, or away from the guards.
    std::vector<int> m_plan;
    size_t m_plan_pos = 0;
    int m_plan_age = 0;
    bool m_plan_retreat = false;
    DigPhase m_dig = DigPhase::kNone;
    int m_dig_dir = 0;
    int m_dig_c = 0;
    int m_dig_r = 0;
    bool m_dig_enter = false;
    bool m_pressed_die = false;
    bool m_idle_out = false;  // given up for want of progress, not for want of a way
    long m_life_ticks = 0;
    long m_progress_tick = 0;
    int m_gold_left = 0;
};

BotResult Bot::play(unsigned seed) {
    BotResult result;
    result.seed = seed;
    std::srand(seed);
    m_ctx = std::make_unique<WorldContext>(m_params, m_keyboard);
    m_run = std::make_unique<WorldRun>(*m_ctx);
    const long dead_ticks = std::max<long>(0, m_params.m_player_dead_time / kTickMs);
    std::string causes;
    for (int life = 0; life < m_limits.lives; ++life) {
        int taken = 0;
        const End end = play_life(result.ticks, taken);
        result.gold_total = static_cast<int>(std::count(m_level.begin(), m_level.end(), '*'));
        result.best_gold = std::max(result.best_gold, taken);
        if (end == End::kFinished) {
            result.finished = true;
            return result;
        }
        ++result.lives_lost;
        result.ticks += dead_ticks;
        const CellCoord at = m_run->runner().cell();
        const std::string where = " at column " + std::to_string(at.c) + ", row " +
                                  std::to_string(at.r) + " after " +
                                  std::to_string(m_life_ticks * kTickMs / 1000) + " s";
        std::string cause;
        switch (end) {
            case End::kCaught:
                cause = "caught" + where;
                break;
            case End::kBuried:
                cause = "buried in a hole" + where;
                break;
            case End::kGaveUp:
                cause = (m_idle_out ? "no progress" : "no way on") + where;
                break;
            default:
                cause = "out of time" + where;
                break;
        }
        causes += (causes.empty() ? "" : "; ") + cause;
    }
    result.cause = causes;
    return result;
}

Bot::End Bot::play_life(long& ticks, int& gold_taken) {
    m_run->start(reinterpret_cast<const uint8_t*>(m_level.data()), m_level.size());
    m_moving = false;
    m_dig = DigPhase::kNone;
    m_plan.clear();
    m_pressed_die = false;
    m_idle_out = false;
    m_life_ticks = 0;
    m_progress_tick = 0;
    const int total = m_run->field().gold_left();
    m_gold_left = total;
    for (; m_life_ticks < m_limits.ticks_per_life; ++m_life_ticks) {
        m_keys->hold(control());
        m_keyboard.poll();
        m_run->tick();
        ++ticks;
        gold_taken = total - m_run->field().gold_left();
        if (m_run->level_finished())
            return End::kFinished;
        const Runner& runner = m_run->runner();
        if (runner.dead()) {
            if (m_pressed_die)
                return End::kGaveUp;
            return runner.sprite().m_visible ? End::kCaught : End::kBuried;
        }
    }
    return End::kOutOfTime;
}

// The keys for this tick: go on with the action under way, or choose the next one.
std::vector<int> Bot::control() {
    const Runner& runner = m_run->runner();
    if (m_run->field().gold_left() != m_gold_left || m_run->field().complete()) {
        m_gold_left = m_run->field().gold_left();
        m_progress_tick = m_life_ticks;
    }
    if (m_life_ticks - m_progress_tick > kNoProgressTicks) {
        m_pressed_die = true;
        m_idle_out = true;
        return {m_params.m_die_key};
    }
    if (m_dig != DigPhase::kNone)
        return dig_tick();
    if (runner.state() == kFalling) {
        m_moving = false;
        return {};
    }
    if (m_moving) {
        if (!arrived(m_move_node) && --m_move_budget > 0)
            return {m_move_key};
        m_moving = false;
    }
    return decide();
}

int Bot::runner_node() const {
    const CellCoord c = m_run->runner().cell();
    if (!in_file_area(c.c, c.r))
        return MoveGraph::node(std::clamp(c.c, 1, 32), std::clamp(c.r, 0, 21));
    const int n = MoveGraph::node(c.c, c.r);
    return m_run->field().kind_at(c.c, c.r) == kBrick ? MoveGraph::kHoleBase + n : n;
}

bool Bot::arrived(int node) const {
    const Runner& runner = m_run->runner();
    const CellCoord c = runner.cell();
    if (c.c != MoveGraph::column_of(node) || c.r != MoveGraph::row_of(node))
        return false;
    return dist2(runner.pos(), grid_cell_center(c.c, c.r)) < 49.0f - 2.0f * 2.0f ||
           runner.state() == kFalling;
}

// The level as it is now, every brick intact: holes close again, and the bot does not plan
// with holes it happens to find open.
void Bot::snapshot() {
    m_grid.clear();
    const Playfield& field = m_run->field();
    for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
        for (int r = 0; r < LevelGrid::kFileRows; ++r)
            m_grid.set_cell(c, r, cell_char(field.kind_at(c, r)));
    m_graph = std::make_unique<MoveGraph>(m_grid, false);
}

// The runner would drop into an open hole that no guard is sitting in.
bool Bot::open_hole_below(int c, int r) const {
    const Cell* below = m_run->field().cell_at(c, r + 1);
    return below != nullptr && below->kind() == kBrick && below->is_passable() &&
           m_run->runner().is_cell_free(c, r + 1, &m_run->runner());
}

// The dig rule's side cell: air, a hidden ladder not shown yet, or an open brick.
bool Bot::diggable_now(int side_c, int side_r) const {
    const Cell* side = m_run->field().cell_at(side_c, side_r);
    const Cell* below = m_run->field().cell_at(side_c, side_r + 1);
    const bool side_ok = side == nullptr || side->kind() == kHiddenLadder ||
                         (side->kind() == kBrick && side->is_passable());
    return side_ok && below != nullptr && below->kind() == kBrick && !below->is_passable();
}

int Bot::edge_ticks(int from, const MoveGraph::Edge& e) const {
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
void Bot::guard_times() {
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
}

// Cheapest ways from the start in ticks, never into a cell a guard may reach first, never onto
// an open hole, and dearer near the guards.
void Bot::search(int start) {
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
                if (guard_time(MoveGraph::node(c, r - 1)) < t + kMargin)
                    continue;
            } else if (to < MoveGraph::kCells && open_hole_below(c, r)) {
                continue;
            }
            // A fall cannot be stopped: it is safe only if it is safe all the way down.
            const int chosen = falling_cell(n) ? m_chosen[n] : m_time[n];
            const int slack = guard_time(to) - t;
            if (chosen <= kHorizon && slack < kMargin)
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
bool Bot::falling_cell(int n) const {
    if (n >= MoveGraph::kCells)
        return false;
    const int c = MoveGraph::column_of(n), r = MoveGraph::row_of(n);
    const char here = m_grid.at(c, r), below = m_grid.at(c, r + 1);
    return here != 'H' && here != '-' && below != 'T' && below != 'M' && below != 'H';
}

// Whether the runner, arriving at `from` after `t0` ticks, still has room to get away from the
// guards there: enough cells it reaches before any guard can. A dead end with a guard at its
// mouth has none.
bool Bot::has_room(int from, int t0) const {
    return room(from, t0, kRoomCells, kRoomTicks) >= kRoomCells;
}

// How many cells (up to `cap`) the runner, in `from` after `t0` ticks, reaches within `ticks`
// more ticks before any guard can.
int Bot::room(int from, int t0, int cap, int ticks) const {
    std::vector<int> time(MoveGraph::kNodes, -1);
    using Item = std::pair<int, int>;
    std::priority_queue<Item, std::vector<Item>, std::greater<Item>> queue;
    time[from] = t0;
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
            if (e.digs > 0 || next > t0 + ticks || time[e.to] >= 0)
                continue;
            const int c = MoveGraph::column_of(e.to), r = MoveGraph::row_of(e.to);
            if ((e.to < MoveGraph::kCells && open_hole_below(c, r)) ||
                m_guard_time[e.to % MoveGraph::kCells] < next + kMargin)
                continue;
            time[e.to] = next;
            queue.push({next, e.to});
        }
    }
    return count;
}

// Where to go: the gold that strands no other gold (the one first in the order of the move
// graph's components), or the top row once it is the exit. `carried_only` tells that the gold
// still missing is all in the guards' hands.
std::vector<bool> Bot::targets(int start, bool& carried_only) const {
    std::vector<bool> out(MoveGraph::kNodes, false);
    carried_only = false;
    const Playfield& field = m_run->field();
    if (field.exit_row() >= 0) {
        for (int c = 1; c <= LevelGrid::kFileColumns; ++c)
            out[MoveGraph::node(c, 0)] = true;
        return out;
    }
    int count = 0;
    const std::vector<int> comp = m_graph->components(count);
    const std::vector<bool> reach = m_graph->reachable_from(start);
    int first = -1;
    bool any = false;
    for (int n = 0; n < MoveGraph::kCells; ++n) {
        if (!m_graph->exists(n) || !m_graph->has_gold(n))
            continue;
        any = true;
        if (reach[n] && comp[n] > first)
            first = comp[n];
    }
    carried_only = !any;
    for (int n = 0; n < MoveGraph::kCells; ++n)
        if (m_graph->exists(n) && m_graph->has_gold(n) && reach[n] && comp[n] == first)
            out[n] = true;
    return out;
}

// The nodes from which one of the goal nodes (or, with no goal, `start`) can be reached.
std::vector<bool> Bot::leads_to(const std::vector<bool>& goal, int start) const {
    std::vector<std::vector<int>> back(MoveGraph::kNodes);
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        for (const MoveGraph::Edge& e : m_graph->edges(n))
            back[e.to].push_back(n);
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

std::vector<int> Bot::new_plan(int start, int target, bool retreat) {
    m_plan.clear();
    for (int n = target; n >= 0; n = m_prev[n])
        m_plan.push_back(n);
    std::reverse(m_plan.begin(), m_plan.end());
    m_plan_retreat = retreat;
    m_plan_pos = 0;
    m_plan_age = 0;
    return follow_plan(start);
}

std::vector<int> Bot::follow_plan(int start) {
    ++m_plan_age;
    ++m_plan_pos;
    return start_step(start, m_plan[m_plan_pos]);
}

// Whether to go on with the plan: the runner is on it (a fall may have carried it several
// nodes on), its end is still a goal, it is not too old, and the next few steps still keep
// ahead of the guards.
bool Bot::plan_holds(int start, const std::vector<bool>& goal) {
    if (m_plan_age >= kPlanSteps || m_plan.empty())
        return false;
    size_t at = m_plan_pos;
    while (at < m_plan.size() && m_plan[at] != start)
        ++at;
    if (at + 1 >= m_plan.size() || (!goal.empty() && !goal[m_plan.back()]))
        return false;
    m_plan_pos = at;
    int t = 0;
    for (size_t i = at; i + 1 < m_plan.size() && i < at + 4; ++i) {
        const int from = m_plan[i], to = m_plan[i + 1];
        const auto& edges = m_graph->edges(from);
        const auto e = std::find_if(edges.begin(), edges.end(),
                                    [to](const MoveGraph::Edge& x) { return x.to == to; });
        if (e == edges.end())
            return false;
        t += edge_ticks(from, *e);
        const int c = MoveGraph::column_of(to), r = MoveGraph::row_of(to);
        if (e->digs > 0 ? (i == at && !diggable_now(c, r - 1))
                        : to < MoveGraph::kCells && open_hole_below(c, r))
            return false;
        if (m_guard_time[to % MoveGraph::kCells] < t + kMargin)
            return false;
    }
    return true;
}

// A guard coming along the runner's floor from one side, with a brick to dig in its way: the
// side (-1 or +1), or 0.
int Bot::trap_dig_direction(bool coming_only) const {
    const CellCoord me = m_run->runner().cell();
    const int reach = coming_only ? kChaseReach : kTrapReach;
    for (int d : {-1, 1}) {
        if (!diggable_now(me.c + d, me.r))
            continue;
        for (const auto& guard : m_run->guards()) {
            const int move = guard->guard_move();
            if (move == kMoveTrapped || move == kMoveLeaving || move == kMoveDrop)
                continue;
            const CellCoord g = guard->cell();
            const int distance = (g.c - me.c) * d;
            if (g.r != me.r || distance < 2 || distance > reach)
                continue;
            if (coming_only && move != (d > 0 ? kMoveLeft : kMoveRight))
                continue;
            bool open = true;
            for (int c = me.c + d; c != g.c && open; c += d)
                open = !m_run->field().is_blocking(c, me.r);
            if (open)
                return d;
        }
    }
    return 0;
}

std::vector<int> Bot::decide() {
    std::vector<int> keys = choose();
    if (m_limits.trace) {
        const Runner& runner = m_run->runner();
        std::fprintf(stderr, "tick %ld at %.1f,%.1f cell %d,%d keys", m_life_ticks, runner.pos().x,
                     runner.pos().y, runner.cell().c, runner.cell().r);
        for (int k : keys)
            std::fprintf(stderr, " %d", k);
        if (m_moving)
            std::fprintf(stderr, " -> %d,%d%s", MoveGraph::column_of(m_move_node),
                         MoveGraph::row_of(m_move_node),
                         m_move_node >= MoveGraph::kHoleBase ? " hole" : "");
        if (m_dig != DigPhase::kNone)
            std::fprintf(stderr, " dig %d,%d", m_dig_c, m_dig_r);
        for (const auto& guard : m_run->guards())
            std::fprintf(stderr, " | guard %.1f,%.1f move %d", guard->pos().x, guard->pos().y,
                         guard->guard_move());
        std::fprintf(stderr, "\n");
    }
    return keys;
}

std::vector<int> Bot::choose() {
    snapshot();
    guard_times();
    const int start = runner_node();
    bool carried_only = false;
    const std::vector<bool> goal = targets(start, carried_only);
    // A guard running at the runner along a brick floor gets a hole in its way, whatever the
    // plan: it costs two ticks, and the guard is out of the game for a while.
    if (m_run->runner().dig_cooldown() == 0 && m_run->runner().state() != kFalling) {
        if (const int d = trap_dig_direction(true)) {
            m_plan.clear();
            return start_dig(d, m_run->runner().cell().c + d, m_run->runner().cell().r + 1, false);
        }
    }
    if (!m_plan_retreat && plan_holds(start, goal))
        return follow_plan(start);
    search(start);
    // The nearest goal that does not leave the runner cornered (the exit row needs no room).
    std::vector<int> reached;
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if (goal[n] && m_cost[n] >= 0)
            reached.push_back(n);
    std::sort(reached.begin(), reached.end(),
              [this](int a, int b) { return m_cost[a] < m_cost[b]; });
    const bool exit_open = m_run->field().exit_row() >= 0;
    for (size_t i = 0; i < reached.size() && i < kGoalsTried; ++i) {
        const int best = reached[i];
        if (!exit_open && !has_room(best, m_time[best]))
            continue;
        if (best == start)
            return {};
        return new_plan(start, best, false);
    }
    if (m_plan_retreat && plan_holds(start, std::vector<bool>()))
        return follow_plan(start);

    // No safe way to the goal. Trap a guard coming along the floor, or make room.
    if (const int d = trap_dig_direction(false))
        return start_dig(d, m_run->runner().cell().c + d, m_run->runner().cell().r + 1, false);
    const std::vector<bool> reach = m_graph->reachable_from(start);
    bool reachable = false;
    for (int n = 0; n < MoveGraph::kNodes && !reachable; ++n)
        reachable = goal[n] && reach[n];
    const bool in_closing_hole = start >= MoveGraph::kHoleBase && m_graph->edges(start).empty();
    if ((!reachable && !carried_only) || in_closing_hole) {
        m_pressed_die = true;
        return {m_params.m_die_key};
    }
    // Retreat to the cell where the guards are furthest behind, among those from which the goal
    // (or, while the guards hold the gold, this cell) can still be reached.
    const std::vector<bool> way_on = leads_to(carried_only ? std::vector<bool>() : goal, start);
    auto slack = [&](int n) {
        return std::min(m_guard_time[n % MoveGraph::kCells] - m_time[n], 400);
    };
    // Cells with room to move on beat dead ends, however far they are from the guards.
    std::vector<int> room(MoveGraph::kNodes, 0);
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if (m_cost[n] >= 0 && way_on[n])
            room[n] = this->room(n, m_time[n], kRetreatRoom, 2 * kRoomTicks);
    room[start] = this->room(start, 0, kRetreatRoom, 2 * kRoomTicks);
    auto better = [&](int a, int b) {
        if (room[a] != room[b])
            return room[a] > room[b];
        if (slack(a) != slack(b))
            return slack(a) > slack(b);
        return m_time[a] < m_time[b];
    };
    // The guards wait for the runner's first move: standing still would wait for ever.
    const bool frozen = !m_run->runner().moved();
    int safest = frozen ? -1 : start;
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if (m_cost[n] >= 0 && way_on[n] && n != start && (safest < 0 || better(n, safest)))
            safest = n;
    if (safest < 0 || safest == start)
        return {};
    return new_plan(start, safest, true);
}

std::vector<int> Bot::start_step(int from, int to) {
    const bool dig = to >= MoveGraph::kHoleBase && to - MoveGraph::kHoleBase != from;
    const int dc = MoveGraph::column_of(to) - MoveGraph::column_of(from);
    const int dr = MoveGraph::row_of(to) - MoveGraph::row_of(from);
    if (dig)
        return start_dig(dc < 0 ? -1 : 1, MoveGraph::column_of(to), MoveGraph::row_of(to), true);
    m_moving = true;
    m_move_node = to;
    m_last_node = from;
    m_move_budget = kStepBudget;
    m_move_key = dc < 0   ? m_params.m_left_key
                 : dc > 0 ? m_params.m_right_key
                 : dr < 0 ? m_params.m_up_key
                          : m_params.m_down_key;
    return {m_move_key};
}

std::vector<int> Bot::start_dig(int dir, int c, int r, bool enter) {
    m_dig_dir = dir;
    m_dig_c = c;
    m_dig_r = r;
    m_dig_enter = enter;
    m_dig = m_run->runner().facing() == dir ? DigPhase::kCool : DigPhase::kFace;
    return dig_tick();
}

// Turn to the brick's side (one tick's step), wait out the dig cooldown, fire, and when the
// hole is for the route walk on over it to drop in.
std::vector<int> Bot::dig_tick() {
    const int side_key = m_dig_dir < 0 ? m_params.m_left_key : m_params.m_right_key;
    switch (m_dig) {
        case DigPhase::kFace:
            m_dig = DigPhase::kCool;
            return {side_key};
        case DigPhase::kCool:
            if (m_run->runner().dig_cooldown() > 0 || m_run->runner().state() == kFalling)
                return {};
            m_dig = DigPhase::kCheck;
            return {m_params.m_fire_key};
        default:
            break;
    }
    m_dig = DigPhase::kNone;
    const Cell* brick = m_run->field().cell_at(m_dig_c, m_dig_r);
    if (m_dig_enter && brick != nullptr && brick->is_passable()) {
        m_moving = true;
        m_move_node = MoveGraph::kHoleBase + MoveGraph::node(m_dig_c, m_dig_r);
        m_move_budget = kStepBudget;
        m_move_key = side_key;
        return {m_move_key};
    }
    return decide();
}

}  // namespace

BotResult play_level_bot(const GameParams& rules, const std::string& level_text, unsigned seed,
                         const BotLimits& limits) {
    Bot bot(rules, level_text, limits);
    return bot.play(seed);
}
