// The day's prayer times as text: the full diagnostic report, the summary the main
// window paints, and the text of the prayer-time box.
#pragma once

#include <string>

#include "reports/main_state.h"

namespace veloranth {

class TextSink;

// Computes TZeff and both PrayerTimes of the observation date for the selected town;
// prints every intermediate value on `out` while Verbose is non-zero.
void PrayerTimeReport(MainState& state, TextSink& out);

// PrayerTimeReport, then DaySummaryText (also sent to the debugger output). Without a
// usable town, DaySummaryText says that data.cfg could not be read.
void BuildDaySummary(MainState& state, TextSink& out);

// The 8-bit text of the prayer-time box: Verbose is set to 0 and the day recomputed.
std::string PrayerTimeBoxText(MainState& state, TextSink& out);

// "DST Applies" or "DST does not apply" for the observation date.
const char* DstText(const MainState& state);

// The weekday name of the last computation (its local date).
const char* ScheduleDayName(const MainState& state);

// A box's text, cut to what its buffer holds.
std::string BoxText(std::string text);

// What stands in place of the summary, and in the boxes, when data.cfg is unusable.
std::u16string ConfigProblemText(const MainState& state);

}  // namespace veloranth
