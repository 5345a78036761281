#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "world/guard.h"
#include "world/playfield.h"
#include "world/runner.h"

struct WorldContext;

// One level in play without the screen around it: the playfield, the runner and the guards,
// advanced a tick at a time in the order of the play screen. Used by the simulator and tests.
class WorldRun {
  public:
    explicit WorldRun(WorldContext& ctx) : m_ctx(ctx) {}
    ~WorldRun() { reset(); }
    WorldRun(const WorldRun&) = delete;
    WorldRun& operator=(const WorldRun&) = delete;

    // Builds the level from a level file's bytes, or level n of the current set.
    void start(const uint8_t* data, size_t size);
    bool start_level(int level);

    // One tick: points of the runner collected, cells advanced, then (until the runner is
    // dead) the runner and each guard in order, collecting the guards' points.
    void tick(int elapsed_ms = 30);

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
};
