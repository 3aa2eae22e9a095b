// What the desktop companion notifies and when: the five prayers (and Imsak on Ramadan
// days, and reminders before the prayers when asked) of the town's days around an instant,
// and what is due once the clock has moved, never early, never twice, and a prayer missed
// while the machine slept only when it is still recent.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/day.h"

namespace veloranth::notify {

enum class EventKind { Prayer, Imsak, Reminder };

struct Event {
    EventKind kind = EventKind::Prayer;
    int prayer = Fajr;       // a SalatKind (Fajr for Imsak)
    std::int64_t at = 0;     // when it is notified, seconds since 1970 UTC
    std::int64_t shown = 0;  // the shown minute's start (the prayer's, for a reminder)
    std::string clock;       // the shown local time, "HH:MM"
};

// A prayer is notified at the later of its adjusted instant and its shown minute's start
// (rounding to the nearest minute may show the minute before the instant), Imsak likewise;
// a reminder `beforeMinutes` before the prayer's shown minute (0: none). The days are the
// town's days from the day before `today` to the day after, in time order.
std::vector<Event> EventsAround(const DayInputs& inputs, const ObservationDate& today,
                                int beforeMinutes);

// A prayer notified at most this late (after a resume, a start, a clock change) is still
// notified, without the call; a later one is skipped.
inline constexpr std::int64_t kMissedWithin = 15 * 60;
// The call sounds for a prayer reached by the companion's own deadline within this delay.
inline constexpr std::int64_t kCallWithin = 60;
inline constexpr std::int64_t kNothingYet = std::numeric_limits<std::int64_t>::min();

struct Due {
    Event event;
    bool call = false;
};

struct Plan {
    std::vector<Due> notify;          // in time order
    std::int64_t last = kNothingYet;  // the latest instant dealt with (notified or skipped)
    std::int64_t next = 0;            // the next event's instant; 0 when none is known
};

// At `now`, with the events up to `last` already dealt with: what to notify, and the next
// deadline. `onDeadline`: woken by the companion's own deadline (not a resume or a start).
Plan PlanAt(const std::vector<Event>& events, std::int64_t now, std::int64_t last, bool onDeadline);

}  // namespace veloranth::notify
