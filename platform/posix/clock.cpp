// The clocks on Linux.
#include "platform/clock.h"

#include <sys/time.h>

#include <ctime>

namespace veloranth::platform {

LocalDateTime LocalTime() {
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm t{};
    time_t seconds = now.tv_sec;
    localtime_r(&seconds, &t);
    return {t.tm_year + 1900,
            t.tm_mon + 1,
            t.tm_mday,
            t.tm_hour,
            t.tm_min,
            t.tm_sec,
            static_cast<int>(now.tv_usec / 1000)};
}

std::int64_t UtcNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec);
}

}  // namespace veloranth::platform
