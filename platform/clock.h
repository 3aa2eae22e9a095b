// The device's clocks: the local date and time, and the current instant.
#pragma once

#include <cstdint>

namespace veloranth::platform {

struct LocalDateTime {
    int year, month, day, hour, minute, second, millisecond;
};

LocalDateTime LocalTime();

// Seconds since 1970-01-01T00:00:00Z: the instant, whatever zone the machine is set to.
std::int64_t UtcNow();

}  // namespace veloranth::platform
