// The companion's rules at their bounds: nothing early and nothing twice, the call only on
// time, a prayer missed while asleep notified within 15 minutes, a reminder only before its
// prayer. notify_test.py follows the events of real days.
#include "notify/schedule.h"

#include <gtest/gtest.h>

namespace veloranth::notify {
namespace {

Event At(EventKind kind, std::int64_t at, std::int64_t shown) {
    Event e;
    e.kind = kind, e.at = at, e.shown = shown;
    return e;
}

TEST(Schedule, WhatIsDueAndWhetherTheCallSounds) {
    // A reminder of Zuhr, Zuhr due at 1000 (its shown minute at 990), Asr at 5000.
    const std::vector<Event> events = {At(EventKind::Reminder, 700, 990),
                                       At(EventKind::Prayer, 1000, 990),
                                       At(EventKind::Prayer, 5000, 5000)};
    struct {
        std::int64_t now, last;
        bool onDeadline;
        const char* notified;  // R a reminder, P a prayer, * with the call
        std::int64_t last2, next;
    } const cases[] = {
        {699, kNothingYet, true, "", kNothingYet, 700},  // nothing early
        {700, kNothingYet, true, "R", 700, 1000},
        {1000, 700, true, "P*", 1000, 5000},
        {1000, 1000, true, "", 1000, 5000},    // nothing twice
        {1060, 700, true, "P*", 1000, 5000},   // a minute late still calls
        {1061, 700, true, "P", 1000, 5000},
        {1000, 700, false, "P", 1000, 5000},   // at a resume or a start: no call
        {1900, 600, false, "P", 1000, 5000},   // 15 minutes late; the reminder is past
        {1901, 600, false, "", 1000, 5000},    // later: skipped
        {9000, kNothingYet, false, "", 5000, 0},
    };
    for (const auto& c : cases) {
        const Plan plan = PlanAt(events, c.now, c.last, c.onDeadline);
        std::string notified;
        for (const Due& d : plan.notify) {
            notified += std::string(d.event.kind == EventKind::Reminder ? "R" : "P") +
                        (d.call ? "*" : "");
        }
        EXPECT_EQ(notified, c.notified) << "at " << c.now;
        EXPECT_EQ(plan.last, c.last2) << "at " << c.now;
        EXPECT_EQ(plan.next, c.next) << "at " << c.now;
    }
}

}  // namespace
}  // namespace veloranth::notify
