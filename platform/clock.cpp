#include "platform/clock.h"

#include <ctime>

namespace platform {

uint32_t milliseconds_since_boot() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(ts.tv_sec * 1000u + ts.tv_nsec / 1000000);
}

}  // namespace platform
