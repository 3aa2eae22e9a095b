// Reminder windows, compared on the minute of the day only.
#include "reports/reminders.h"

#include <cstdio>

#include "base/truncate.h"

namespace veloranth {

namespace {

struct Reminder {
    int kind;
    double limit;  // minutes
    const char* text;
};

const Reminder kReminders[] = {
    {Fajr, 15.0, "Salat Fajr \xE0 faire"}, {Zuhr, 15.0, "Salat Zuhr \xE0 faire"},
    {Asr, 15.0, "Salat Asr \xE0 faire"},   {Maghrib, 15.0, "Salat Maghrib \xE0 faire"},
    {Isha, 1.0, "Salat Isha \xE0 faire"},
};

}  // namespace

bool IsWithinMinutesAfter(double t, int hour, int minute, double limit) {
    int now = 60 * hour + minute;
    int prayer = TruncToInt(60 * t);
    double d = static_cast<double>(now) - prayer;
    return 0 <= d && d <= limit;
}

std::string ReminderText(const PrayerTimes& shown, const FoundTimes& found, int hour,
                         int minute) {
    std::string text;
    for (const Reminder& r : kReminders) {
        if (found[r.kind] && IsWithinMinutesAfter(shown[r.kind], hour, minute, r.limit)) {
            text = r.text;  // a later prayer replaces an earlier one
        }
    }
    return text;
}

bool IsPrayerTime(const PrayerTimes& shown, const FoundTimes& found, int hour, int minute) {
    return PrayersCalling(shown, found, hour, minute) != 0;
}

unsigned PrayersCalling(const PrayerTimes& shown, const FoundTimes& found, int hour,
                        int minute) {
    unsigned calling = 0;
    for (const Reminder& r : kReminders) {
        if (found[r.kind] && IsWithinMinutesAfter(shown[r.kind], hour, minute, 1.0)) {
            calling |= 1u << r.kind;
        }
    }
    return calling;
}

std::string ClockText(const PrayerTimes& shown, const FoundTimes& found, int hour, int minute,
                      int second) {
    char clock[48];
    std::snprintf(clock, sizeof clock, "%2d:%02d:%02d\n", hour, minute, second);
    return clock + ReminderText(shown, found, hour, minute);
}

}  // namespace veloranth
