// The four formatters. Components are truncated toward zero, so a negative value
// keeps its sign in every component, as the reports have always shown it; seconds that
// round to 60 carry into the minutes.
#include "engine/format.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/constants.h"
#include "base/truncate.h"

namespace veloranth {

namespace {

struct Sexagesimal {
    int whole;
    int minutes;
    double seconds;
};

Sexagesimal Split(double value) {
    Sexagesimal r;
    r.whole = TruncToInt(value);
    double m = (value - r.whole) * 60;
    r.minutes = TruncToInt(m);
    r.seconds = (m - r.minutes) * 60;
    return r;
}

// The seconds as "%02.0f" shows them; when they show 60, a minute instead, and 60
// minutes an hour or a degree, each carry with the value's sign ("24.45" is 24°27'00").
Sexagesimal Rounded(double value) {
    Sexagesimal r = Split(value);
    const double shown = std::nearbyint(r.seconds);  // the conversion's own rounding
    const int sign = value < 0 ? -1 : 1;
    if (std::fabs(shown) == 60.0 && r.whole != INT_MAX && r.whole != INT_MIN) {
        r.seconds = 0.0;
        r.minutes += sign;
        if (std::abs(r.minutes) == 60) {
            r.minutes = 0;
            r.whole += sign;
        }
    }
    return r;
}

}  // namespace

FormattedText FormatDegrees(double angle) {
    Sexagesimal p = Rounded(angle * RadToDeg);
    FormattedText out;
    std::snprintf(out.text, sizeof out.text, "%3d\xB0%02d'%02.0f\"", p.whole, p.minutes, p.seconds);
    return out;
}

FormattedText FormatAngleHours(double angle) {
    return FormatHours(angle * RadToHours);
}

FormattedText FormatHours(double hours) {
    Sexagesimal p = Rounded(hours);
    FormattedText out;
    std::snprintf(out.text, sizeof out.text, "%02dh%02d'%02.0f\"", p.whole, p.minutes, p.seconds);
    return out;
}

FormattedText FormatHoursRounded(double hours) {
    Sexagesimal p = Split(hours);
    FormattedText out;
    // The guard only matters for absurd values, whose components saturate.
    if (p.seconds >= 30.0 && p.minutes < INT_MAX && p.whole < INT_MAX) {
        p.minutes += 1;
        if (p.minutes == 60) {
            p.minutes = 0;
            p.whole += 1;
            if (p.whole == 24) {
                std::snprintf(out.text, sizeof out.text, "%s", kRoundingErrorText);
                return out;
            }
        }
    }
    std::snprintf(out.text, sizeof out.text, "%02d:%02d", p.whole, p.minutes);
    return out;
}

FormattedText FormatOffset(double hours, bool plus) {
    FormattedText out;
    if (hours == std::trunc(hours) && std::fabs(hours) <= INT_MAX) {
        std::snprintf(out.text, sizeof out.text, plus ? "%+d" : "%d", static_cast<int>(hours));
        return out;
    }
    // Only a zone's offset has a fraction, and zones stay within a day.
    const int seconds = static_cast<int>(std::lround(hours * 3600));
    const char* sign = seconds < 0 ? "-" : plus ? "+" : "";
    const int s = std::abs(seconds);
    if (s % 60 == 0) {
        std::snprintf(out.text, sizeof out.text, "%s%d:%02d", sign, s / 3600, s / 60 % 60);
    } else {
        std::snprintf(out.text, sizeof out.text, "%s%d:%02d:%02d", sign, s / 3600, s / 60 % 60,
                      s % 60);
    }
    return out;
}

}  // namespace veloranth
