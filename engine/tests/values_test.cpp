// The engine's small functions against the figures of data/values.txt: text forms byte
// for byte, Julian days, weekdays, the summer-time periods and the Sun's coordinates.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "base/constants.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/sun.h"
#include "engine/timebase.h"
#include "engine/town_clock.h"

namespace veloranth {
namespace {

std::string Text(const std::string& kind, double x) {
    const FormattedText text = kind == "hours"           ? FormatHours(x)
                               : kind == "angle-hours"   ? FormatAngleHours(x)
                               : kind == "degrees"       ? FormatDegrees(x * DegToRad)
                               : kind == "rounded"       ? FormatHoursRounded(x)
                               : kind == "offset"        ? FormatOffset(x)
                               : kind == "signed-offset" ? FormatOffset(x, true)
                                                         : FormattedText{"unknown kind"};
    return kind == "clock" ? ClockTime(x) : text.text;
}

void CheckPeriod(std::istringstream& in) {
    int rule, year, firstDay, firstMonth, lastDay, lastMonth;
    ASSERT_TRUE(in >> rule >> year >> firstDay >> firstMonth >> lastDay >> lastMonth);
    EXPECT_EQ(DstApplies(year, firstMonth, firstDay, rule, 1), 1);
    EXPECT_EQ(DstApplies(year, firstMonth, firstDay - 1, rule, 1), 0);
    EXPECT_EQ(DstApplies(year, lastMonth, lastDay, rule, 1), 1);
    EXPECT_EQ(DstApplies(year, lastMonth, lastDay + 1, rule, 1), 0);
    EXPECT_EQ(DstApplies(year, 7, 1, rule, 1) + DstApplies(year, 1, 1, rule, 1), 1);
    EXPECT_EQ(DstApplies(year, 12, 31, rule, 1), 0);
}

void CheckSunAngle(const std::string& kind, std::istringstream& in) {
    double T, want, tolerance;
    ASSERT_TRUE(in >> T);
    const double got = kind == "theta0" ? Theta0(T) : SunLongitude(T);
    if (in >> want >> tolerance) {
        EXPECT_NEAR(got, want, tolerance);
    } else {
        EXPECT_TRUE(got >= 0 && got < TwoPi) << got;
    }
}

void CheckSunPlace(const std::string& kind, std::istringstream& in) {
    double a, b, c, want1, want2, got1, got2;
    ASSERT_TRUE(in >> a >> b >> c);
    if (kind == "radec") {
        SunRaDec(a, got1, got2);
        want1 = b, want2 = c;
    } else {
        ASSERT_TRUE(in >> want1 >> want2);
        AltitudeAzimuth(a, b, c, got1, got2);
    }
    EXPECT_NEAR(got1, want1, 1e-9);
    EXPECT_NEAR(got2, want2, 1e-9);
}

void CheckLine(const std::string& line) {
    std::istringstream in(line);
    std::string kind;
    double x;
    int day, month, year;
    in >> kind;
    const std::size_t bar = line.find('|');
    if (bar != std::string::npos && in >> x) {
        EXPECT_EQ(Text(kind, x), line.substr(bar + 1, line.find('|', bar + 1) - bar - 1));
    } else if (kind == "julian-day" && in >> day >> month >> year >> x) {
        double hours = x, julianDay;
        in >> julianDay;  // centuries; a day is 2.7e-5
        EXPECT_NEAR(JulianCenturies(day, month, year, hours), (julianDay - 2451545.0) / 36525.0,
                    1e-12);
    } else if (kind == "weekday" && in >> day >> month >> year >> x) {
        const double noon = 12 * 1.140771161305042e-06;
        EXPECT_EQ(DayOfWeek(JulianCenturies(day, month, year, 0.0) + noon), x);
    } else if (kind == "dst") {
        CheckPeriod(in);
    } else if (kind == "sun-longitude" || kind == "theta0") {
        CheckSunAngle(kind, in);
    } else if (kind == "radec" || kind == "altaz") {
        CheckSunPlace(kind, in);
    } else {
        ADD_FAILURE() << "unreadable line";
    }
}

TEST(Values, AsTheFiguresSay) {
    std::ifstream file("data/values.txt", std::ios::binary);
    ASSERT_TRUE(file);
    int checked = 0;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != '#') {
            SCOPED_TRACE(line);
            CheckLine(line);
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

}  // namespace
}  // namespace veloranth
