// The local clock on Windows (GetLocalTime).
#include "platform/clock.h"

#include <windows.h>

namespace veloranth::platform {

LocalDateTime LocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace veloranth::platform
