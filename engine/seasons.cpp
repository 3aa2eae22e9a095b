// The Moonsighting Committee's seasonal Fajr and Isha, applied to the solved day.
// The Committee's formula as it publishes it (S. Khalid Shaukat, "Fajr and Isha", Moonsighting
// Committee Worldwide): four values a, b, c, d of minutes, each 75 (62 for the red twilight)
// plus a coefficient / 55 times the latitude, joined by straight lines over the days since
// the winter solstice: a on the solstice, b 91 days after, c at 137, d on the summer solstice
// (183), then back through c (229) and b (275) to a.
#include <cmath>

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/day_rules.h"

namespace veloranth {

namespace {

// From this latitude on (degrees, either hemisphere) the Committee bounds Fajr and Isha by
// a seventh of the night instead of the twilight angle.
constexpr double kCommitteeSeventhLatitude = 55;

struct Season {
    double base;        // minutes at the equator
    double a, b, c, d;  // minutes per 55 degrees of latitude
};

constexpr Season kFajr{75, 28.65, 19.44, 32.74, 48.1};
constexpr Season kIsha[] = {
    {75, 25.6, 2.05, -9.21, 6.14},   // general
    {62, 17.4, -7.16, 5.12, 19.44},  // ahmer
    {75, 25.6, 7.16, 36.84, 81.84},  // abyad
};

// Days since the last winter solstice: 21 December in the north, 21 June in the south.
int DaysSinceWinterSolstice(double latitude, const ObservationDate& date) {
    const int month = latitude >= 0 ? 12 : 6;
    const std::int64_t today = DaysFromCivil(date.Year, date.Month, date.Day);
    std::int64_t solstice = DaysFromCivil(date.Year, month, 21);
    if (solstice > today) {
        solstice = DaysFromCivil(date.Year - 1, month, 21);
    }
    return static_cast<int>(today - solstice);
}

double Minutes(const Season& s, double latitude, const ObservationDate& date) {
    const double phi = std::fabs(latitude);
    const double at[4] = {s.base + s.a / 55.0 * phi, s.base + s.b / 55.0 * phi,
                          s.base + s.c / 55.0 * phi, s.base + s.d / 55.0 * phi};
    // Each stretch: its first day, the values it joins, its length in days.
    static const struct {
        int start, from, to, length;
    } kStretches[] = {{0, 0, 1, 91},   {91, 1, 2, 46},  {137, 2, 3, 46},
                      {183, 3, 2, 46}, {229, 2, 1, 46}, {275, 1, 0, 91}};
    const int days = DaysSinceWinterSolstice(latitude, date);
    int i = 0;
    while (i + 1 < 6 && days >= kStretches[i + 1].start) {
        ++i;
    }
    const auto& stretch = kStretches[i];
    return at[stretch.from] +
           (at[stretch.to] - at[stretch.from]) / stretch.length * (days - stretch.start);
}

// Minutes before sunrise of the Committee's earliest Fajr on `date` at `latitude` (degrees).
double SeasonalFajrMinutes(double latitude, const ObservationDate& date) {
    return Minutes(kFajr, latitude, date);
}

// Minutes after sunset of its latest Isha for the twilight `shafaq` (a Shafaq).
double SeasonalIshaMinutes(int shafaq, double latitude, const ObservationDate& date) {
    const int i = shafaq >= kShafaqGeneral && shafaq <= kShafaqAbyad ? shafaq - 1 : 0;
    return Minutes(kIsha[i], latitude, date);
}

// The season's Fajr or Isha (`kind`), where the day has a night.
void ApplySeason(PrayerDay& day, const DayInputs& in, int kind) {
    const ConventionRules& k = *in.convention;
    PrayerTimes& e = day.exact;
    const double sunset = day.community.time[kSunset];
    const double latitude = in.LatitudeRad * RadToDeg;
    const bool fajr = kind == Fajr;
    TimeRule& rule = fajr ? day.rules.fajr : day.rules.isha;
    if (std::fabs(latitude) >= kCommitteeSeventhLatitude) {
        const double span = 1.0 / 7.0 * NightHours(day);
        e[kind] = fajr ? e[Chourouk] - span : sunset + span;
        day.found.found[kind] = true;
        rule = TimeRule::Night;
    }
    const double season =
        fajr ? e[Chourouk] - SeasonalFajrMinutes(latitude, day.date) * MinuteInHours
             : sunset + SeasonalIshaMinutes(k.SeasonalTwilight, latitude, day.date) * MinuteInHours;
    if (!day.found[kind] || (fajr ? season > e[kind] : season < e[kind])) {
        e[kind] = season;
        day.found.found[kind] = true;
        rule = TimeRule::Season;
    }
}

}  // namespace

void ApplySeasons(PrayerDay& day, const DayInputs& in) {
    const ConventionRules& k = *in.convention;
    if (k.SeasonalTwilight == kNoSeason || !day.found[Chourouk] || !day.community.found[kSunset]) {
        return;
    }
    ApplySeason(day, in, Fajr);
    if (!k.IshaIsMaghribPlus) {
        ApplySeason(day, in, Isha);
    }
}

}  // namespace veloranth
