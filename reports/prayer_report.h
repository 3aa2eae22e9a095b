// The day's prayer times as text: the full diagnostic report, the summary the main
// window paints, and the text of the prayer-time box.
#pragma once

#include <string>

#include "reports/main_state.h"

namespace veloranth {

class TextSink;

// The observation date's day for the selected town; every intermediate value is printed
// on `out` (null: silent).
PrayerDay PrayerTimeReport(const MainState& state, TextSink* out);

// The observation date's day becomes the window's, and DaySummaryText is composed from it
// (also sent to the debugger output). Without a usable town, DaySummaryText says that
// data.cfg could not be read.
void BuildDaySummary(MainState& state);

// The 8-bit text of the prayer-time box, for the observation date.
std::string PrayerTimeBoxText(const MainState& state);

// "DST Applies" or "DST does not apply".
const char* DstText(bool dst);

// "Fajr", "Fajr et Isha", "Fajr, Maghrib et Isha": French names in a list.
std::string NameList(const char* const* names, int count);

// A polar rule's French name, "latitude la plus proche" or "jour le plus proche" ("" for none).
const char* PolarRuleName(int rule);

// What a day's polar rule gave, on a day without sunrise or sunset whose convention has one:
// "R\xE8gle polaire 1 (latitude la plus proche) : Fajr, Chourouk, ... et Isha de la latitude
// 66\xB039'00\"", or "... du 26/11/2007" for the nearest day.
std::string PolarRuleText(const PrayerDay& day);

// A box's text, cut to what its buffer holds.
std::string BoxText(std::string text);

// What stands in place of the summary, and in the boxes, when data.cfg is unusable.
std::u16string ConfigProblemText(const MainState& state);

}  // namespace veloranth
