// The desktop companion's loop (Linux): it sleeps until its deadline, a change of the
// realtime clock, a change of the files it watches, or a wake asked for by the bus (a
// resume), and then calls one handler with the reason. Nothing polls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace veloranth::platform {

enum class WakeReason {
    Started,       // the loop's first turn
    Deadline,      // the time asked for with WakeAfter has come
    ClockSet,      // the realtime clock was set (by hand, by NTP stepping it, a zone change)
    Resume,        // the machine woke from a suspend
    FilesChanged,  // a watched file was written, replaced, created or removed
};

using WakeHandler = std::function<void(WakeReason)>;

// The realtime clock in milliseconds since 1970 UTC.
std::int64_t RealTimeMilliseconds();

// Wakes the handler after `milliseconds` of running time, replacing the deadline before.
void WakeAfter(std::int64_t milliseconds);

// Watches these files, whether or not they exist yet (a link's own folder is watched).
void WatchFiles(const std::vector<std::string>& paths);

// Wakes the handler for `reason` on the loop's next turn.
void WakeFor(WakeReason reason);

// Runs the loop until SIGTERM or SIGINT (0) or QuitLoop (its status); returns the status.
int RunLoop(const WakeHandler& handler);
void QuitLoop(int status);

}  // namespace veloranth::platform
