#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "world/guard.h"
#include "world/playfield.h"
#include "world/runner.h"

struct WorldContext;

// One level in play: the playfield, the runner and the guards, advanced a tick at a time. The
// game session drives it between its reveal, death pause and messages; the simulator, the
// level bot, the benchmarks and the tests drive it alone.
class WorldRun {
  public:
    explicit WorldRun(WorldContext& ctx) : m_ctx(ctx) {}
    ~WorldRun() { reset(); }
    WorldRun(const WorldRun&) = delete;
    WorldRun& operator=(const WorldRun&) = delete;

    // Builds the level from a level file's bytes, or level n of the current set.
    void start(const uint8_t* data, size_t size);
    bool start_level(int level);

    // The cells' part of a tick, which also runs while a level is uncovered or a message
    // shows: the runner's points collected, then the cells advanced. Returns those points.
    int tick_cells();
    // The actors' part: the runner, then each guard in order, collecting the guards' points,
    // which it returns. Once the runner is found dead after his own move the actors stop (a
    // guard that catches him leaves him that one move).
    int tick_actors(int elapsed_ms = kTickMs);
    // Both parts; the points go to score().
    void tick(int elapsed_ms = kTickMs) {
        tick_cells();
        tick_actors(elapsed_ms);
    }
    bool actors_stopped() const { return m_actors_stopped; }

    Playfield& field() { return *m_field; }
    Runner& runner() { return *m_runner; }
    const GuardList& guards() const { return m_guards; }
    Guard& guard(size_t i) { return *m_guards[i]; }
    int score() const { return m_score; }
    // The runner reached the exit and no guard still carries gold.
    bool level_finished() const;

  private:
    void reset();
    void build_actors();

    WorldContext& m_ctx;
    std::unique_ptr<Playfield> m_field;
    GuardList m_guards;
    std::unique_ptr<Runner> m_runner;
    int m_score = 0;
    bool m_actors_stopped = false;
};
