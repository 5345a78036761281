#pragma once

// The level bot's player: one level, one seed at a time. Shared by level_bot.cpp (the play loop
// and the actions) and level_bot_search.cpp (the picture of the level and the ways through it).

#include <cstddef>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/keyboard_state.h"
#include "levels/level_bot.h"
#include "levels/level_checker.h"
#include "world/game_params.h"
#include "world/sim_support.h"
#include "world/world_context.h"
#include "world/world_run.h"

namespace level_bot {

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
// After going back, decisions are varied for this long.
constexpr long kExploreTicks = 150;
// Ticks a runner with nowhere better to be stands before looking again.
constexpr int kStandTicks = 2;
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
constexpr long kNoProgressTicks = 1500;
// How far along the runner's floor a guard is worth a hole: any guard when there is no safe way
// on, a guard running at the runner always.
constexpr int kTrapReach = 7;
constexpr int kChaseReach = 6;
// A pit a guard cannot leave, this many cells or fewer: a guard in it holds all of it.
constexpr int kPitCells = 20;

}  // namespace level_bot

class LevelBotPlayer {
  public:
    LevelBotPlayer(const GameParams& rules, const std::string& level, const BotLimits& limits)
        : m_params(rules), m_level(level), m_limits(limits) {}

    BotResult play(unsigned seed);

  private:
    enum class End { kFinished, kCaught, kBuried, kGaveUp, kOutOfTime };
    enum class DigPhase { kNone, kFace, kCool, kCheck };
    enum class Variation { kNone, kTaken, kAnyGoal };

    BotResult play_game(unsigned seed);
    End play_life(int& gold_taken);
    void new_world();
    void advance(const std::vector<int>& keys);
    void reset_actions();
    void go_back(End end);
    Variation vary(int start, const std::vector<bool>& goal);
    std::vector<int> control();
    std::vector<int> decide();
    std::vector<int> choose();
    std::vector<int> start_step(int from, int to);
    std::vector<int> start_dig(int dir, int c, int r, bool enter);
    std::vector<int> dig_tick();

    void snapshot();
    void guard_times();
    void search(int start);
    std::vector<bool> targets(int start, bool& carried_only);
    std::vector<bool> ambush_cells(bool carriers_only) const;
    const std::vector<bool>& reachable(int start);
    int edge_ticks(int from, const MoveGraph::Edge& e) const;
    bool open_hole_below(int c, int r) const;
    bool diggable_now(int side_c, int side_r) const;
    int runner_node() const;
    bool arrived(int node) const;
    int trap_dig_direction(bool coming_only) const;
    std::vector<int> new_plan(int start, int target, bool retreat);
    std::vector<int> follow_plan(int start);
    bool plan_holds(int start, const std::vector<bool>& goal);
    bool has_room(int from, int t0);
    int room(int from, int t0, int cap, int ticks, bool dig_out = false);
    bool digs_out_of_pit(int from, const MoveGraph::Edge& e) const;
    bool falling_cell(int n) const;
    std::vector<bool> leads_to(const std::vector<bool>& goal, int start) const;
    void find_pits();
    int guards_in_gold_pits() const;
    int guard_reach(int from, const std::function<void(int)>& visit) const;

    GameParams m_params;
    std::string m_level;
    BotLimits m_limits;
    unsigned m_seed = 0;
    ScriptedKeyboard* m_keys = nullptr;
    std::unique_ptr<KeyboardState> m_keyboard;
    std::unique_ptr<WorldContext> m_ctx;
    std::unique_ptr<WorldRun> m_run;

    LevelGrid m_grid;
    std::string m_grid_cells;  // the cells m_graph was built from
    std::unique_ptr<MoveGraph> m_graph;
    std::vector<int> m_components;
    std::vector<std::vector<int>> m_back;  // the graph's edges the other way
    // The level as a guard, which never digs, moves in it, and the cells from which it can never
    // get back to the level's main part (the largest set of cells that all reach one another):
    // shafts it may drop into and not climb out of.
    std::unique_ptr<MoveGraph> m_guard_graph;
    LevelGrid m_guard_grid;
    std::vector<bool> m_pit = std::vector<bool>(MoveGraph::kCells, false);
    std::vector<bool> m_reach;  // the nodes reachable from m_reach_from
    int m_reach_from = -1;
    std::vector<int> m_room_time = std::vector<int>(MoveGraph::kNodes, 0);
    std::vector<unsigned> m_room_stamp = std::vector<unsigned>(MoveGraph::kNodes, 0u);
    unsigned m_room_call = 0;
    std::vector<int> m_guard_time = std::vector<int>(MoveGraph::kCells, level_bot::kNever);
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
    int m_margin = level_bot::kMargin;
    // The second game of a seed lost in the first: it lies in wait for guards, leaves gold a
    // carrier could strand, runs off only where the gold can still be reached, after a stall
    // goes back bolder, digs down out of pits guards cannot leave, and goes back at once when a
    // guard falls into one that still holds gold.
    bool m_second_game = false;
    int m_pit_guards = -1;  // guards in pits with gold at the last decision (-1: not yet looked)

    // The keys of every tick played: the lives lost so far, and the life in play.
    std::vector<std::vector<std::vector<int>>> m_lost_lives;
    std::vector<std::vector<int>> m_life_keys;
    std::mt19937 m_random;
    long m_vary_until = -1;  // decisions before this tick of the life are varied
    int m_wait = 0;          // ticks to stand still yet
    int m_retries = 0;
    long m_ticks_played = 0;         // this seed's, every going back included
    bool m_plan_forced = false;      // a varied plan, followed whatever the goal
    std::vector<int> m_keys_chosen;  // the keys of a variation taken
};
