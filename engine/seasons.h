// The Moonsighting Committee's seasonal twilight: Fajr and Isha as minutes before sunrise
// and after sunset, by latitude and the day of the season.
#pragma once

#include "engine/day.h"

namespace veloranth {

// From this latitude on (degrees, either hemisphere) the Committee bounds Fajr and Isha by
// a seventh of the night instead of the twilight angle.
inline constexpr double kCommitteeSeventhLatitude = 55;

// Minutes before sunrise of the Committee's earliest Fajr on `date` at `latitude` (degrees).
double SeasonalFajrMinutes(double latitude, const ObservationDate& date);

// Minutes after sunset of its latest Isha for the twilight `shafaq` (a Shafaq, not
// kNoSeason).
double SeasonalIshaMinutes(int shafaq, double latitude, const ObservationDate& date);

}  // namespace veloranth
