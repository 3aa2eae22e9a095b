// The next prayer across midnight, the qibla's bearing with the Sun's, and the day's other
// times, in the window's words.
#include "cli/answers.h"

#include <cstdint>

#include "base/constants.h"
#include "base/text_sink.h"
#include "cli/local_times.h"
#include "engine/midnight.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/sun_position.h"
#include "engine/town_clock.h"
#include "reports/qibla.h"

namespace veloranth::cli {

std::string NextPrayerText(const MainState& s, std::int64_t nowUtc) {
    const DayInputs in = InputsOf(s);
    const std::int64_t day0 = DaysOf(s.date);
    EngineMemo memo;
    // Yesterday's Isha may fall after midnight, and after today's Isha comes tomorrow's Fajr.
    const PrayerDay days[3] = {ComputeDaySchedule(in, DateOfDays(day0 - 1), &memo),
                               ComputeDaySchedule(in, s.date, &memo),
                               ComputeDaySchedule(in, DateOfDays(day0 + 1), &memo)};
    const PrayerDay* best = nullptr;
    int bestKind = 0;
    std::int64_t bestUtc = 0;
    for (const PrayerDay& d : days) {
        for (int k : kPrayers) {
            std::int64_t at = d.found[k] ? UtcSeconds(d, k) : nowUtc;  // a time not found is none
            if (at > nowUtc && (best == nullptr || at < bestUtc)) {
                best = &d, bestKind = k, bestUtc = at;
            }
        }
    }
    if (best == nullptr) {
        return "Prochaine pri\xE8re : aucune d'ici demain soir (le Soleil n'atteint pas les "
               "hauteurs voulues)\n";
    }
    ObservationDate when;
    std::string clock = LocalClockText(*best, bestKind, &when);
    std::int64_t left = (bestUtc - nowUtc + 59) / 60;  // whole minutes, never "0 min" early
    StringSink text;
    Print(&text, "Prochaine pri\xE8re : %s%s \xE0 %s, dans %d h %02d min\n", kSalatNames[bestKind],
          DaysOf(when) > day0 ? " demain" : "", clock.c_str(), static_cast<int>(left / 60),
          static_cast<int>(left % 60));
    return text.str();
}

std::string QiblaAnswerText(const MainState& s) {
    // The window's Sun line needs the Sun's azimuth at the observation time.
    const SolarState sun = SunPositionAt(InputsOf(s), s.date, s.time);
    double qibla = QiblaBearing(s.config.LatitudeRad, s.config.LongitudeRad);
    double degrees = qibla * RadToDeg;
    degrees = degrees < 0 ? degrees + 360 : degrees;
    StringSink text;
    Print(&text, "Qibla : %.2f\xB0 depuis le nord (sens horaire)\n", degrees);
    return text.str() + QiblaText(qibla, sun.az, sun.TZeff, sun.UTHour) + "\n";
}

namespace {

}  // namespace

std::string AllTimesText(const MainState& s) {
    const PrayerDay d = ComputeDayWithMidnight(InputsOf(s), s.date);
    const char* const labels[kCommunityCount] = {"Imsak   =", "Coucher =", "Minuit  ="};
    StringSink text;
    for (int k = 0; k < kCommunityCount; ++k) {
        Print(&text, "%s%s\n", labels[k], ShownTime(d.community, k).c_str());
    }
    Print(&text, "R\xE8gle de Fajr : %s\n", RuleNamesOf(d.rules.fajr).text);
    Print(&text, "R\xE8gle d'Isha : %s\n", RuleNamesOf(d.rules.isha).text);
    Print(&text, "Isha du Ramadan : %s\n", d.rules.ramadanIsha ? "oui" : "non");
    return text.str();
}

}  // namespace veloranth::cli
