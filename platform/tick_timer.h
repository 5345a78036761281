#pragma once

#include <atomic>

// The periodic 30 ms tick. The callback runs on the library's timer thread and only posts a
// tick message, unless a tick is still being handled: late ticks are dropped, never queued up
// by the game itself.
class TickTimer {
  public:
    TickTimer() = default;
    ~TickTimer() { stop(); }
    TickTimer(const TickTimer&) = delete;
    TickTimer& operator=(const TickTimer&) = delete;

    bool start(unsigned period_ms, const std::atomic<bool>* tick_in_progress);
    void stop();
    bool running() const { return m_id != 0; }

  private:
    static unsigned on_timer(unsigned interval, void* self);

    int m_id = 0;
    const std::atomic<bool>* m_in_progress = nullptr;
};
