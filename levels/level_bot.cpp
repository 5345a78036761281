#include "levels/level_bot.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "levels/level_bot_player.h"
#include "world/cell.h"
#include "world/guard.h"
#include "world/playfield.h"

using namespace level_bot;

BotResult LevelBotPlayer::play(unsigned seed) {
    BotResult first;
    if (!m_limits.second_game_only) {
        m_second_game = false;
        first = play_game(seed);
        if (first.finished)
            return first;
    }
    // A seed the usual play loses is played once more, from the start, with the bolder and more
    // cunning choices on: seeds it finishes keep their first game exactly.
    m_second_game = true;
    BotResult second = play_game(seed);
    second.second_game = true;
    return second.finished || m_limits.second_game_only ? second : first;
}

BotResult LevelBotPlayer::play_game(unsigned seed) {
    BotResult result;
    result.seed = seed;
    m_seed = seed;
    m_random.seed(seed * 7919u + 17u);
    m_lost_lives.clear();
    m_ticks_played = 0;
    m_graph.reset();  // the picture of the level is drawn afresh, with what this game looks at
    new_world();
    const long dead_ticks = std::max<long>(0, m_params.m_player_dead_time / kTickMs);
    std::string causes;
    for (int life = 0; life < m_limits.lives; ++life) {
        int taken = 0;
        const End end = play_life(taken);
        result.ticks += static_cast<long>(m_life_keys.size());
        result.gold_total = static_cast<int>(std::count(m_level.begin(), m_level.end(), '*'));
        result.best_gold = std::max(result.best_gold, taken);
        result.retries += m_retries;
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
        m_lost_lives.push_back(std::move(m_life_keys));
    }
    result.cause = causes;
    return result;
}

// A fresh game of this seed: the random generator seeded as the game does, a new keyboard and
// world, and the lives lost so far played again key for key.
void LevelBotPlayer::new_world() {
    m_run.reset();
    m_ctx.reset();
    std::srand(m_seed);
    auto device = std::make_unique<ScriptedKeyboard>();
    m_keys = device.get();
    m_keyboard = std::make_unique<KeyboardState>();
    m_keyboard->create(std::move(device));
    m_ctx = std::make_unique<WorldContext>(m_params, *m_keyboard);
    m_run = std::make_unique<WorldRun>(*m_ctx);
    for (const auto& life : m_lost_lives) {
        m_run->start(reinterpret_cast<const uint8_t*>(m_level.data()), m_level.size());
        for (const auto& keys : life)
            advance(keys);
    }
}

void LevelBotPlayer::advance(const std::vector<int>& keys) {
    m_keys->hold(keys);
    m_keyboard->poll();
    m_run->tick();
}

void LevelBotPlayer::reset_actions() {
    m_moving = false;
    m_dig = DigPhase::kNone;
    m_plan.clear();
    m_plan_retreat = false;
    m_pressed_die = false;
    m_idle_out = false;
    m_last_node = -1;
    m_wait = 0;
    m_plan_forced = false;
    m_pit_guards = -1;
}

LevelBotPlayer::End LevelBotPlayer::play_life(int& gold_taken) {
    m_run->start(reinterpret_cast<const uint8_t*>(m_level.data()), m_level.size());
    reset_actions();
    m_life_keys.clear();
    m_life_ticks = 0;
    m_progress_tick = 0;
    m_vary_until = -1;
    m_margin = kMargin;
    m_retries = 0;
    const int total = m_run->field().gold_left();
    m_gold_left = total;
    while (true) {
        End end = End::kOutOfTime;
        for (; m_life_ticks < m_limits.ticks_per_life; ++m_life_ticks) {
            const std::vector<int> keys = control();
            m_life_keys.push_back(keys);
            advance(keys);
            ++m_ticks_played;
            gold_taken = std::max(gold_taken, total - m_run->field().gold_left());
            if (m_run->level_finished())
                return End::kFinished;
            const Runner& runner = m_run->runner();
            if (runner.dead()) {
                ++m_life_ticks;
                end = m_pressed_die                  ? End::kGaveUp
                      : runner.animation().m_visible ? End::kCaught
                                                     : End::kBuried;
                break;
            }
        }
        if (m_retries >= m_limits.retries || m_ticks_played >= m_limits.ticks_played)
            return end;
        ++m_retries;
        go_back(end);
    }
}

// Back to a tick a few seconds before the life was lost (before the last piece of gold was
// taken, when it was lost for want of progress), with the decisions from there on varied.
void LevelBotPlayer::go_back(End end) {
    const long lost_at = m_life_ticks;
    long back = 30 + static_cast<long>(m_random() % 150) + 5L * m_retries;
    // A life lost for want of progress was too careful: a larger lead would only wait longer
    // (the second game's bolder choice).
    const bool stalled = end == End::kOutOfTime || (end == End::kGaveUp && m_idle_out);
    if (stalled)
        back = lost_at - m_progress_tick + static_cast<long>(m_random() % 300);
    const long to = std::max(0L, lost_at - back);
    m_life_keys.resize(static_cast<size_t>(to));
    new_world();
    m_run->start(reinterpret_cast<const uint8_t*>(m_level.data()), m_level.size());
    m_gold_left = m_run->field().gold_left();
    m_progress_tick = 0;
    for (long t = 0; t < to; ++t) {
        advance(m_life_keys[static_cast<size_t>(t)]);
        if (m_run->field().gold_left() != m_gold_left || m_run->field().complete()) {
            m_gold_left = m_run->field().gold_left();
            m_progress_tick = t + 1;
        }
    }
    m_life_ticks = to;
    reset_actions();
    // Up to where the life was lost at least: a long wait for a safe way is varied all along.
    m_vary_until = to + std::max(kExploreTicks, back);
    // Below zero the runner goes where a guard could be first, betting it goes elsewhere: a
    // guard that does is led on, or met with a hole.
    static constexpr int kMargins[] = {-60, -30, -10, 2, 4, 8, 14, 20};
    m_margin = kMargins[m_random() % (stalled && m_second_game ? 4 : 8)];
}

// The keys for this tick: go on with the action under way, or choose the next one.
std::vector<int> LevelBotPlayer::control() {
    const Runner& runner = m_run->runner();
    if (m_run->field().gold_left() != m_gold_left || m_run->field().complete()) {
        m_gold_left = m_run->field().gold_left();
        m_progress_tick = m_life_ticks;
    }
    if (m_life_ticks - m_progress_tick > kNoProgressTicks) {
        if (m_limits.trace)
            std::fprintf(stderr, "no progress at %d,%d: %d gold left\n", m_run->runner().cell().c,
                         m_run->runner().cell().r, m_run->field().gold_left());
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
    if (m_wait > 0) {
        --m_wait;
        return {};
    }
    if (m_moving) {
        if (!arrived(m_move_node) && --m_move_budget > 0)
            return {m_move_key};
        m_moving = false;
    }
    return decide();
}

std::vector<int> LevelBotPlayer::new_plan(int start, int target, bool retreat) {
    m_plan.clear();
    for (int n = target; n >= 0; n = m_prev[n])
        m_plan.push_back(n);
    std::reverse(m_plan.begin(), m_plan.end());
    m_plan_retreat = retreat;
    m_plan_pos = 0;
    m_plan_age = 0;
    return follow_plan(start);
}

std::vector<int> LevelBotPlayer::follow_plan(int start) {
    ++m_plan_age;
    ++m_plan_pos;
    return start_step(start, m_plan[m_plan_pos]);
}

// Whether to go on with the plan: the runner is on it (a fall may have carried it several
// nodes on), its end is still a goal, it is not too old, and the next few steps still keep
// ahead of the guards.
bool LevelBotPlayer::plan_holds(int start, const std::vector<bool>& goal) {
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
        if (m_guard_time[to % MoveGraph::kCells] < t + m_margin)
            return false;
    }
    return true;
}

// A guard coming along the runner's floor from one side, with a brick to dig in its way: the
// side (-1 or +1), or 0.
int LevelBotPlayer::trap_dig_direction(bool coming_only) const {
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

std::vector<int> LevelBotPlayer::decide() {
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

std::vector<int> LevelBotPlayer::choose() {
    snapshot();
    guard_times();
    const int start = runner_node();
    // A guard that drops into a pit with gold in it stays there for good, and the gold is as good
    // as lost: a mistake of the last few seconds, better undone at once than played on.
    if (m_second_game) {
        const int in_pits = guards_in_gold_pits();
        const bool more = m_pit_guards >= 0 && in_pits > m_pit_guards;
        m_pit_guards = in_pits;
        if (more) {
            if (m_limits.trace)
                std::fprintf(stderr, "a guard fell into a pit with gold\n");
            m_pressed_die = true;
            return {m_params.m_die_key};
        }
    }
    bool carried_only = false;
    std::vector<bool> goal = targets(start, carried_only);
    // The gold still wanted is in a guard's hands: lie in wait where a hole can be dug on either
    // side, so that the guard, coming for the runner, falls in and drops its piece.
    if (carried_only && m_second_game)
        goal = ambush_cells(true);
    // A guard running at the runner along a brick floor gets a hole in its way, whatever the
    // plan: it costs two ticks, and the guard is out of the game for a while.
    if (m_run->runner().dig_cooldown() == 0 && m_run->runner().state() != kFalling) {
        if (const int d = trap_dig_direction(true)) {
            m_plan.clear();
            return start_dig(d, m_run->runner().cell().c + d, m_run->runner().cell().r + 1, false);
        }
    }
    if (m_plan_forced && plan_holds(start, std::vector<bool>()))
        return follow_plan(start);
    m_plan_forced = false;
    bool any_goal = false;
    if (m_life_ticks < m_vary_until) {
        search(start);
        const Variation v = vary(start, carried_only ? std::vector<bool>() : goal);
        if (v == Variation::kTaken)
            return m_keys_chosen;
        any_goal = v == Variation::kAnyGoal;
    } else {
        m_margin = kMargin;
    }
    if (!m_plan_retreat && plan_holds(start, goal))
        return follow_plan(start);
    search(start);
    // The nearest goal that does not leave the runner cornered (the exit row needs no room);
    // when varying, any of the nearest few.
    std::vector<int> reached;
    for (int n = 0; n < MoveGraph::kNodes; ++n)
        if (goal[n] && m_cost[n] >= 0)
            reached.push_back(n);
    std::sort(reached.begin(), reached.end(),
              [this](int a, int b) { return m_cost[a] < m_cost[b]; });
    const bool exit_open = m_run->field().exit_row() >= 0;
    if (any_goal && !reached.empty()) {
        const size_t pick = m_random() % std::min(reached.size(), kGoalsTried);
        std::swap(reached[0], reached[pick]);
    }
    for (size_t i = 0; i < reached.size() && i < kGoalsTried; ++i) {
        const int best = reached[i];
        if (!exit_open && !(any_goal && i == 0) && !has_room(best, m_time[best]))
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
    const std::vector<bool>& reach = reachable(start);
    bool reachable = false;
    for (int n = 0; n < MoveGraph::kNodes && !reachable; ++n)
        reachable = goal[n] && reach[n];
    const bool in_closing_hole = start >= MoveGraph::kHoleBase && m_graph->edges(start).empty();
    if ((!reachable && !carried_only) || in_closing_hole) {
        if (m_limits.trace)
            std::fprintf(stderr, "no way on at %d,%d:%s%s, %d gold left, %d carried\n",
                         MoveGraph::column_of(start), MoveGraph::row_of(start),
                         reachable ? "" : " goal out of reach",
                         in_closing_hole ? " in a closing hole" : "", m_run->field().gold_left(),
                         static_cast<int>(
                             std::count_if(m_run->guards().begin(), m_run->guards().end(),
                                           [](const auto& g) { return g->is_carrying_gold(); })));
        if (m_limits.trace)
            for (int n = 0; n < MoveGraph::kCells; ++n)
                if (m_graph->exists(n) && m_graph->has_gold(n))
                    std::fprintf(stderr, "  gold at %d,%d%s\n", MoveGraph::column_of(n),
                                 MoveGraph::row_of(n), reach[n] ? "" : " out of reach");
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
    if (safest < 0 || safest == start) {
        // Nothing better than here: look again in a few ticks, not every tick.
        m_wait = kStandTicks;
        return {};
    }
    return new_plan(start, safest, true);
}

// Something else than last time, after going back: stand still a moment (a guard may pass or
// come closer to be led away), dig a hole at one side (a trap, or the first of a row), run off
// to some cell the guards cannot cut off (leading them away from the gold), take another of
// the nearest goals, or lie in wait where a guard that comes can be held in a hole.
LevelBotPlayer::Variation LevelBotPlayer::vary(int start, const std::vector<bool>& goal) {
    const Runner& runner = m_run->runner();
    const CellCoord me = runner.cell();
    switch (m_random() % 10) {
        case 0:
        case 1:
            if (!runner.moved())
                break;
            m_wait = 4 + static_cast<int>(m_random() % 40);
            m_keys_chosen = {};
            return Variation::kTaken;
        case 2:
        case 3: {
            const int d = m_random() % 2 ? 1 : -1;
            if (runner.dig_cooldown() > 0 || !diggable_now(me.c + d, me.r))
                break;
            m_keys_chosen = start_dig(d, me.c + d, me.r + 1, false);
            return Variation::kTaken;
        }
        case 4: {
            // Only cells the goal can still be reached from: a dug brick at the bottom row, say,
            // is a grave.
            const std::vector<bool> way_on =
                m_second_game ? leads_to(goal, start) : std::vector<bool>(MoveGraph::kNodes, true);
            std::vector<int> safe;
            for (int n = 0; n < MoveGraph::kNodes; ++n)
                if (m_cost[n] >= 0 && n != start && m_time[n] <= 120 && way_on[n])
                    safe.push_back(n);
            if (safe.empty())
                break;
            m_keys_chosen = new_plan(start, safe[m_random() % safe.size()], true);
            m_plan_forced = true;
            return Variation::kTaken;
        }
        case 5:
        case 6:
            return Variation::kAnyGoal;
        case 7: {
            if (!m_second_game)
                break;
            // Lie in wait for the guards on a floor with brick to dig at both sides, on the way
            // on: a guard that comes is held in a hole and crossed on its head.
            const std::vector<bool> ambush = ambush_cells(false);
            const std::vector<bool> way_on = leads_to(goal, start);
            int best = -1;
            for (int n = 0; n < MoveGraph::kNodes; ++n)
                if (m_cost[n] >= 0 && ambush[n] && way_on[n] && m_time[n] <= 150 &&
                    (best < 0 || m_cost[n] < m_cost[best]))
                    best = n;
            if (best < 0)
                break;
            if (best == start) {
                m_wait = 10 + static_cast<int>(m_random() % 50);
                m_keys_chosen = {};
            } else {
                m_keys_chosen = new_plan(start, best, true);
                m_plan_forced = true;
            }
            return Variation::kTaken;
        }
        default:
            break;
    }
    return Variation::kNone;
}

std::vector<int> LevelBotPlayer::start_step(int from, int to) {
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

std::vector<int> LevelBotPlayer::start_dig(int dir, int c, int r, bool enter) {
    m_dig_dir = dir;
    m_dig_c = c;
    m_dig_r = r;
    m_dig_enter = enter;
    m_dig = m_run->runner().facing() == dir ? DigPhase::kCool : DigPhase::kFace;
    return dig_tick();
}

// Turn to the brick's side (one tick's step), wait out the dig cooldown, fire, and when the
// hole is for the route walk on over it to drop in.
std::vector<int> LevelBotPlayer::dig_tick() {
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

BotResult play_level_bot(const GameParams& rules, const std::string& level_text, unsigned seed,
                         const BotLimits& limits) {
    LevelBotPlayer bot(rules, level_text, limits);
    return bot.play(seed);
}
