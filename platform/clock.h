// The device's local clock.
#pragma once

namespace veloranth::platform {

struct LocalDateTime {
    int year, month, day, hour, minute, second, millisecond;
};

LocalDateTime LocalTime();

}  // namespace veloranth::platform
