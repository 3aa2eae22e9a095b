// Local minutes of the shown times, their dates and instants.
#include "cli/local_times.h"

#include <cmath>

#include "base/calendar_date.h"
#include "base/text_sink.h"
#include "engine/town_clock.h"

namespace veloranth::cli {

namespace {

// Local minutes from the day's midnight, rounded as the shown times are (may leave 0..1439).
std::int64_t LocalMinutes(double hours) {
    return static_cast<std::int64_t>(std::floor(hours * 60 + 0.5));
}

}  // namespace

int OffsetMinutes(const PrayerDay& day) {
    return static_cast<int>(std::lround(day.TZeff * 60));
}

std::int64_t DaysOf(const ObservationDate& date) {
    return DaysFromCivil(date.Year, date.Month, date.Day);
}

std::int64_t ShownInstant(const PrayerDay& day, double hours) {
    std::int64_t local = DaysOf(day.date) * 1440 + LocalMinutes(hours);
    return (local - OffsetMinutes(day)) * 60;
}

std::string LocalClockText(const PrayerDay& day, double hours, ObservationDate* date) {
    std::int64_t minutes = LocalMinutes(hours);
    std::int64_t dayShift = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
    minutes -= dayShift * 1440;
    if (date != nullptr) {
        *date = DateOfDays(DaysOf(day.date) + dayShift);
    }
    StringSink text;
    Print(&text, "%02d:%02d", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return text.str();
}

}  // namespace veloranth::cli
