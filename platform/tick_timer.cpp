#include "platform/tick_timer.h"

#include <SDL.h>

#include "platform/platform.h"

bool TickTimer::start(unsigned period_ms, const std::atomic<bool>* tick_in_progress) {
    stop();
    m_in_progress = tick_in_progress;
    m_id = SDL_AddTimer(period_ms, &TickTimer::on_timer, this);
    return m_id != 0;
}

void TickTimer::stop() {
    if (m_id != 0) {
        SDL_RemoveTimer(m_id);
        m_id = 0;
    }
}

unsigned TickTimer::on_timer(unsigned interval, void* self) {
    const TickTimer* timer = static_cast<const TickTimer*>(self);
    if (!timer->m_in_progress || !timer->m_in_progress->load()) {
        platform::post_tick();
    }
    return interval;
}
