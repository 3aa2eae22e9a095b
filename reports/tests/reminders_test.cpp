// Reminder windows: truncated prayer minutes, seconds ignored, the later prayer wins,
// Isha's single minute, no reminder for Chourouk or for a time not found.
#include "reports/reminders.h"

#include <gtest/gtest.h>

namespace veloranth {
namespace {

PrayerTimes Day() {
    PrayerTimes t;
    t[Fajr] = 5 + 12 / 60.0 + 40 / 3600.0;  // 05:12:40, shown as 05:13
    t[Chourouk] = 7.0;
    t[Zuhr] = 13.5;
    t[Asr] = 13.6;  // within Zuhr's window on purpose
    t[Maghrib] = 20.5;
    t[Isha] = 22.0;
    return t;
}

TEST(Reminders, WindowsPrecedenceAndThePrayerMinute) {
    const PrayerTimes t = Day();
    const FoundTimes found;
    const struct {
        int hour, minute;
        const char* reminder;  // Asr within Zuhr's window: the later prayer wins
        bool call;
    } cases[] = {{5, 11, "", false}, {5, 12, "Salat Fajr \xE0 faire", true},
                 {5, 13, "Salat Fajr \xE0 faire", true}, {5, 14, "Salat Fajr \xE0 faire", false},
                 {5, 27, "Salat Fajr \xE0 faire", false}, {5, 28, "", false},
                 {7, 0, "", false},  // Chourouk neither reminds nor calls
                 {13, 30, "Salat Zuhr \xE0 faire", true}, {13, 40, "Salat Asr \xE0 faire", false},
                 {20, 31, "Salat Maghrib \xE0 faire", true}, {22, 1, "Salat Isha \xE0 faire", true},
                 {22, 2, "", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReminderText(t, found, c.hour, c.minute), c.reminder)
            << c.hour << ":" << c.minute;
        EXPECT_EQ(IsPrayerTime(t, found, c.hour, c.minute), c.call) << c.hour << ":" << c.minute;
    }
}

TEST(Reminders, ATimeNotFoundNeverRemindsNorCalls) {
    // Polar night: Maghrib not found, stored as 0.0 plus its offset, that is midnight.
    PrayerTimes t = Day();
    t[Maghrib] = 0.0;
    FoundTimes found;
    found.found[Maghrib] = false;
    EXPECT_EQ(ReminderText(t, found, 0, 0), "");
    EXPECT_FALSE(IsPrayerTime(t, found, 0, 0));
    found.found[Maghrib] = true;
    EXPECT_TRUE(IsPrayerTime(t, found, 0, 0));
}

TEST(ClockText, LeadingBlankAndReminderOnTheNextLine) {
    PrayerTimes t = Day();
    FoundTimes found;
    EXPECT_EQ(ClockText(t, found, 9, 5, 3), " 9:05:03\n");
    EXPECT_EQ(ClockText(t, found, 5, 20, 59), " 5:20:59\nSalat Fajr \xE0 faire");
    EXPECT_EQ(ClockText(t, found, 22, 1, 0), "22:01:00\nSalat Isha \xE0 faire");
}

}  // namespace
}  // namespace veloranth
