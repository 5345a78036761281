#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the machine started (a monotonic clock), for seeding the random generator.
uint32_t milliseconds_since_boot();

}  // namespace platform
