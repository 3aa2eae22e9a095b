// Fixed text forms of angles and decimal hours, shared by every report, window,
// calendar and the Today line. Texts are 8-bit Windows-1252 (degree sign 0xB0).
#pragma once

namespace veloranth {

// Room for the longest text any formatter writes (also for absurd inputs), terminator included.
inline constexpr int kFormatBufferSize = 48;

// A formatter's result, held by value so that a call can stand as a printf argument.
struct FormattedText {
    char text[kFormatBufferSize];
};

// Degrees-minutes-seconds of an angle in radians: " 48°51'00\"".
FormattedText FormatDegrees(double angle);
// Hours-minutes-seconds of an angle in radians (right ascension, sidereal angles).
FormattedText FormatAngleHours(double angle);
// Hours-minutes-seconds of decimal hours: "12h59'56\"" (seconds rounded, carried:
// 6.99999 gives "07h00'00\"").
FormattedText FormatHours(double hours);
// Hours and minutes rounded to the minute: "13:00", or the rounding error text.
FormattedText FormatHoursRounded(double hours);

// A UTC offset in hours (TZeff): whole hours as "%d" (or "%+d" with `plus`), others as
// hours and minutes, and seconds when it has any: "5:30", "+5:45", "-3:30", "-0:30", "-0:44:30".
FormattedText FormatOffset(double hours, bool plus = false);

inline constexpr char kRoundingErrorText[] = "erreur : arrondi au jour suivant";

}  // namespace veloranth
