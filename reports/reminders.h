// The main window's clock line, prayer reminders and the call to the front at prayer time.
#pragma once

#include <string>

#include "engine/day.h"

namespace veloranth {

// True when the clock's minute of the day (seconds ignored) is 0 to `limit` minutes after
// the minute in which `t` (decimal hours, truncated) falls. The date is not looked at.
bool IsWithinMinutesAfter(double t, int hour, int minute, double limit);

// The reminder for the clock's minute: the last of Fajr, Zuhr, Asr, Maghrib, Isha still
// within its window (15 minutes, Isha 1); empty when none. Chourouk has none, and a time
// that was not found that day never reminds.
std::string ReminderText(const PrayerTimes& shown, const FoundTimes& found, int hour,
                         int minute);

// True during the minute of one of those five times and the next: the window comes to
// the front.
bool IsPrayerTime(const PrayerTimes& shown, const FoundTimes& found, int hour, int minute);
// The prayers (bits 1 << SalatKind) whose time it is in that sense.
unsigned PrayersCalling(const PrayerTimes& shown, const FoundTimes& found, int hour,
                        int minute);

// The clock area's 8-bit text: "%2d:%02d:%02d\n" and the reminder.
std::string ClockText(const PrayerTimes& shown, const FoundTimes& found, int hour, int minute,
                      int second);

}  // namespace veloranth
