// The events of the town's days and the rules of what is due.
#include "notify/schedule.h"

#include <algorithm>
#include <cmath>

#include "cli/local_times.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/town_clock.h"

namespace veloranth::notify {
namespace {

// The instant of `hours` of the day's local clock, rounded up to the second (never early).
std::int64_t ExactInstant(const PrayerDay& d, double hours) {
    const double local = static_cast<double>(cli::DaysOf(d.date)) * 86400 + hours * 3600;
    return static_cast<std::int64_t>(std::ceil(local - d.TZeff * 3600));
}

// `exact` is the adjusted time before rounding, `shown` the minute the day shows.
Event At(EventKind kind, int prayer, const PrayerDay& d, double exact, double shown) {
    Event e;
    e.kind = kind;
    e.prayer = prayer;
    e.clock = cli::LocalClockText(d, shown);
    e.shown = cli::ShownInstant(d, shown);
    e.at = std::max(e.shown, ExactInstant(d, exact));
    return e;
}

}  // namespace

std::vector<Event> EventsAround(const DayInputs& in, const ObservationDate& today,
                                int beforeMinutes) {
    std::vector<Event> events;
    EngineMemo memo;
    const std::int64_t day0 = cli::DaysOf(today);
    for (std::int64_t day = day0 - 1; day <= day0 + 1; ++day) {
        const PrayerDay d = ComputeDaySchedule(in, DateOfDays(day), &memo);
        if (d.hijri.month == kRamadan && d.community.found[kImsak]) {
            events.push_back(At(EventKind::Imsak, Fajr, d, d.community.time[kImsak], d.community.shown[kImsak]));
        }
        for (int k : cli::kPrayers) {
            if (!d.found[k]) {
                continue;
            }
            const Event prayer = At(EventKind::Prayer, k, d, d.adjusted[k], d.shown[k]);
            events.push_back(prayer);
            if (beforeMinutes > 0) {
                Event reminder = prayer;
                reminder.kind = EventKind::Reminder;
                reminder.at = prayer.shown - std::int64_t{beforeMinutes} * 60;
                events.push_back(reminder);
            }
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.at < b.at; });
    return events;
}

Plan PlanAt(const std::vector<Event>& events, std::int64_t now, std::int64_t last,
            bool onDeadline) {
    Plan plan;
    plan.last = last;
    for (const Event& e : events) {
        if (e.at <= last) {
            continue;
        }
        if (e.at > now) {
            plan.next = plan.next == 0 ? e.at : std::min(plan.next, e.at);
            continue;
        }
        plan.last = std::max(plan.last, e.at);
        const std::int64_t late = now - e.at;
        // A reminder whose prayer has come says nothing true any more.
        if (late > kMissedWithin || (e.kind == EventKind::Reminder && now >= e.shown)) {
            continue;
        }
        plan.notify.push_back(
            {e, onDeadline && late <= kCallWithin && e.kind == EventKind::Prayer});
    }
    return plan;
}

}  // namespace veloranth::notify
