#include "world/world_run.h"

void WorldRun::reset() {
    m_guards.clear();
    m_runner.reset();
    m_field.reset();
}

void WorldRun::start(const uint8_t* data, size_t size) {
    reset();
    m_field = std::make_unique<Playfield>(m_ctx);
    m_field->load_level_data(data, size);
    build_actors();
}

bool WorldRun::start_level(int level) {
    reset();
    m_field = std::make_unique<Playfield>(m_ctx);
    const bool read = m_field->load_level(level);
    build_actors();
    return read;
}

void WorldRun::build_actors() {
    m_actors_stopped = false;
    m_runner = std::make_unique<Runner>(m_ctx, *m_field, m_guards);
    for (const Pos& start : m_field->guard_starts()) {
        auto guard = std::make_unique<Guard>(m_ctx, *m_field, *m_runner, m_guards);
        guard->place(start);
        m_guards.push_back(std::move(guard));
    }
}

int WorldRun::tick_cells() {
    const int points = m_runner->take_score();
    m_score += points;
    m_field->tick_cells();
    return points;
}

int WorldRun::tick_actors(int elapsed_ms) {
    if (m_actors_stopped) {
        return 0;
    }
    m_runner->update(elapsed_ms);
    m_actors_stopped = m_runner->dead();
    int points = 0;
    for (auto& guard : m_guards) {
        guard->update(elapsed_ms);
        points += guard->take_score();
    }
    m_score += points;
    return points;
}

bool WorldRun::level_finished() const {
    if (!m_field || !m_field->complete()) {
        return false;
    }
    for (const auto& guard : m_guards) {
        if (guard->is_carrying_gold()) {
            return false;
        }
    }
    return true;
}
