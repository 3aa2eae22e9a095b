// The values the command line accepts: numbers, dates, times and words from a list.
#pragma once

#include <string>

#include "engine/day.h"

namespace veloranth::cli {

// A whole number with an optional sign ("-1", "+2", "25"), at most nine digits.
bool ParseInt(const std::string& text, int& value);

// A decimal number of the whole text ("-33.9", "5.5"); no hexadecimal, nan or inf.
bool ParseNumber(const std::string& text, double& value);

// A date that exists, D/M/YYYY or ISO YYYY-MM-DD, of the years 1583 to 9999.
bool ParseDate(const std::string& text, ObservationDate& date);

// A Hijri date, YYYY-MM-DDH or D/M/YYYYH, of a month 1 to 12 and a day 1 to 30 (whether the
// month has that day is the calendar's to say).
bool ParseHijriDate(const std::string& text, HijriDate& date);

// A time of the day, H:M or H:M:S.
bool ParseTime(const std::string& text, ObservationTime& time);

// The index of `text` among the blank-separated words of `choices`, or -1.
int ChoiceIndex(const std::string& text, const char* choices);

}  // namespace veloranth::cli
