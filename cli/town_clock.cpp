// The town's clock from the tz database or from its hours and summer-time rule.
#include "cli/town_clock.h"

#include "base/calendar_date.h"
#include "engine/schedule.h"
#include "zones/zones.h"

namespace veloranth::cli {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((b - 1 - a) / b);
}

ObservationDate DateOf(std::int64_t seconds) {
    const CivilDate d = CivilFromDays(FloorDiv(seconds, kDay));
    return {d.day, d.month, static_cast<int>(d.year)};
}

// Seconds since 1970 of a local date and time, read as if it were UT.
std::int64_t LocalSeconds(const TownTime& t) {
    return DaysFromCivil(t.date.Year, t.date.Month, t.date.Day) * kDay + t.time.Hour * 3600 +
           t.time.Minute * 60 + t.time.Second;
}

}  // namespace

std::int64_t TownOffsetAt(const Place& place, std::int64_t utc) {
    if (place.zone != nullptr) {
        return zones::OffsetAt(place.zone, utc).seconds;
    }
    const std::int64_t standard = std::int64_t{place.CurrentTimeZone} * 3600;
    const LocalClock clock = ClockOn(DateOf(utc + standard), place);
    return standard + (clock.dst ? 3600 : 0);
}

TownTime TownTimeAt(const Place& place, std::int64_t utc) {
    const std::int64_t local = utc + TownOffsetAt(place, utc);
    const std::int64_t second = local - FloorDiv(local, kDay) * kDay;
    return {DateOf(local),
            {static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
             static_cast<int>(second % 60)}};
}

std::int64_t InstantOf(const Place& place, const TownTime& local) {
    const std::int64_t seconds = LocalSeconds(local);
    // The offsets a day either side; a clock changes at most once within them.
    const std::int64_t before = TownOffsetAt(place, seconds - kDay);
    const std::int64_t after = TownOffsetAt(place, seconds + kDay);
    for (std::int64_t offset : {before, after}) {
        if (TownOffsetAt(place, seconds - offset) == offset) {
            return seconds - offset;  // `before` first: the earlier of two readings
        }
    }
    return seconds - before;
}

}  // namespace veloranth::cli
