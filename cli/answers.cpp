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
#include "reports/prayer_report.h"
#include "reports/qibla.h"

namespace veloranth::cli {

NextPrayer FindNextPrayer(const MainState& s, std::int64_t nowUtc) {
    const DayInputs in = InputsOf(s);
    const std::int64_t day0 = DaysOf(s.date);
    EngineMemo memo;
    // Yesterday's Isha may fall after midnight, and after today's Isha comes tomorrow's Fajr.
    const PrayerDay days[3] = {ComputeDaySchedule(in, DateOfDays(day0 - 1), &memo),
                               ComputeDaySchedule(in, s.date, &memo),
                               ComputeDaySchedule(in, DateOfDays(day0 + 1), &memo)};
    NextPrayer next;
    next.today = days[1];
    for (const PrayerDay& d : days) {
        for (int k : kPrayers) {
            std::int64_t at = d.found[k] ? UtcSeconds(d, k) : nowUtc;  // a time not found is none
            if (at > nowUtc && (!next.found || at < next.instant)) {
                next.found = true, next.day = d, next.kind = k, next.instant = at;
            }
        }
    }
    if (next.found) {
        ObservationDate when;
        next.clock = LocalClockText(next.day, next.kind, &when);
        if (next.day.shown[next.kind] >= 24) {  // past its day's end: on the clock of its
            const TownTime at = TownTimeAt(in, next.instant);  // instant, which a change moves
            when = at.date;
            next.clock = LocalClockText(next.day, at.time.Hour + at.time.Minute / 60.0);
        }
        next.secondsLeft = next.instant - nowUtc;
        next.tomorrow = DaysOf(when) > day0;
    }
    return next;
}

std::string NextPrayerText(const MainState& s, std::int64_t nowUtc) {
    const NextPrayer next = FindNextPrayer(s, nowUtc);
    if (!next.found) {
        return "Prochaine pri\xE8re : aucune d'ici demain soir (le Soleil n'atteint pas les "
               "hauteurs voulues)\n";
    }
    std::int64_t left = (next.secondsLeft + 59) / 60;  // whole minutes, never "0 min" early
    StringSink text;
    Print(&text, "Prochaine pri\xE8re : %s%s \xE0 %s, dans %d h %02d min\n", kSalatNames[next.kind],
          next.tomorrow ? " demain" : "", next.clock.c_str(), static_cast<int>(left / 60),
          static_cast<int>(left % 60));
    return text.str();
}

std::string NextPrayerLine(const NextPrayer& next) {
    if (!next.found) {
        return kNoTimeText;
    }
    const std::int64_t left = (next.secondsLeft + 59) / 60;
    StringSink text;
    Print(&text, "%s %s (-", kSalatNames[next.kind], next.clock.c_str());
    if (left < 60) {
        Print(&text, "%d min)", static_cast<int>(left));
    } else {
        Print(&text, "%d h %02d)", static_cast<int>(left / 60), static_cast<int>(left % 60));
    }
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
    if (d.polar.rule != kNoPolarRule) {
        Print(&text, "%s\n", PolarRuleText(d).c_str());
    }
    return text.str();
}

}  // namespace veloranth::cli
