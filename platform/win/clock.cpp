// The clocks on Windows (GetLocalTime, GetSystemTimeAsFileTime).
#include "platform/clock.h"

#include <windows.h>

namespace veloranth::platform {

LocalDateTime LocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::int64_t UtcNow() {
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    // 100-ns intervals since 1601-01-01; 11644473600 s separate 1601 from 1970.
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000) - 11644473600LL;
}

}  // namespace veloranth::platform
