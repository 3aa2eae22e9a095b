// Transit and solver against the reference days: Paris in winter (both Asr rules),
// Jakarta south of the Sun, Tromso in polar night and midnight sun, New York.
#include "engine/solver.h"

#include <gtest/gtest.h>

#include "engine/format.h"
#include "engine/tests/engine_fixture.h"
#include "engine/text_sink.h"

namespace veloranth {
namespace {

using fixture::DayCase;

const double kHourTolerance = 1e-5;  // hours, the precision of the reference figures

double Solve(DayCase& s, int kind, int* status = nullptr) {
    double hours = -1;
    int st = SalatHour(s.state, s.in, kind, hours);
    if (status) {
        *status = st;
    }
    return hours;
}

TEST(Solver, ParisWinterDay) {
    DayCase s(fixture::kParis, 15, 1, 2007);
    ComputeTransit(s.state, s.in);
    EXPECT_EQ(s.state.exact[Zuhr], 12.999013531062598);
    EXPECT_NEAR(Solve(s, Fajr), 6.76933, kHourTolerance);
    EXPECT_NEAR(Solve(s, Chourouk), 8.65270, kHourTolerance);
    EXPECT_NEAR(Solve(s, Asr), 15.02541, kHourTolerance);
    EXPECT_NEAR(Solve(s, Maghrib), 17.35170, kHourTolerance);
    EXPECT_NEAR(Solve(s, Isha), 19.13208, kHourTolerance);
    EXPECT_STREQ(FormatHours(Solve(s, Fajr)).text, "06h46'10\"");
    EXPECT_STREQ(FormatHours(Solve(s, Isha)).text, "19h07'55\"");

    s.convention.AsrShafi = false;
    EXPECT_NEAR(Solve(s, Asr), 15.59322, kHourTolerance);
    EXPECT_STREQ(FormatHours(Solve(s, Asr)).text, "15h35'36\"");
}

TEST(Solver, AsrAltitudeUsesLatitudeMinusDeclinationWhenSouthOfTheSun) {
    DayCase s(fixture::kJakarta, 15, 6, 2007);
    ComputeTransit(s.state, s.in);
    EXPECT_NEAR(Solve(s, Asr), 15.25162, kHourTolerance);
    EXPECT_STREQ(FormatHours(Solve(s, Asr)).text, "15h15'06\"");
}

TEST(Solver, PolarNightLeavesZeroForSunriseAndSunset) {
    DayCase s(fixture::kTromso, 21, 12, 2007);
    ComputeTransit(s.state, s.in);
    int status = 0;
    EXPECT_EQ(Solve(s, Chourouk, &status), 0.0);
    EXPECT_EQ(status, kSunAlwaysBelow);
    EXPECT_EQ(Solve(s, Maghrib, &status), 0.0);
    EXPECT_EQ(status, kSunAlwaysBelow);
    EXPECT_STREQ(FormatHours(Solve(s, Fajr, &status)).text, "06h28'16\"");
    EXPECT_EQ(status, kSalatFound);
    EXPECT_STREQ(FormatHours(Solve(s, Isha, &status)).text, "16h43'34\"");
    EXPECT_EQ(status, kSalatFound);
}

TEST(Solver, MidnightSunLeavesZeroForTwilightsAndSunriseSunset) {
    DayCase s(fixture::kTromso, 21, 6, 2007);
    s.state.TZeff = 2;
    ComputeTransit(s.state, s.in);
    for (int kind : {Fajr, Chourouk, Maghrib, Isha}) {
        int status = 0;
        EXPECT_EQ(Solve(s, kind, &status), 0.0) << kind;
        EXPECT_EQ(status, kSunAlwaysAbove) << kind;
    }
}

TEST(Solver, NegativeFirstTransitEstimate) {
    DayCase s(fixture::kNewYork, 15, 1, 2007);
    ComputeTransit(s.state, s.in);
    EXPECT_NEAR(s.state.exact[Zuhr], 12.09, 0.01);
    EXPECT_STREQ(FormatHours(s.state.exact[Zuhr]).text, "12h05'25\"");
}

TEST(Solver, TraceOnlyWithATextSink) {
    DayCase s(fixture::kParis, 15, 1, 2007);
    StringSink out;
    ComputeTransit(s.state, s.in);
    double silent = Solve(s, Asr);
    s.in.trace = &out;
    double traced = Solve(s, Asr);
    EXPECT_EQ(silent, traced);
    const std::string& t = out.str();
    EXPECT_EQ(t.rfind(" 1st iter ", 0), 0u);
    EXPECT_NE(t.find("** corrected values ** :\n 2nd iter \xE0 "), std::string::npos);
    EXPECT_NE(t.find(" 3rd iter \xE0 "), std::string::npos);
    // The Asr altitude is traced in the third pass only.
    size_t altitude = t.find("\xB0  ie altitude ");
    ASSERT_NE(altitude, std::string::npos);
    EXPECT_EQ(altitude, t.rfind("\xB0  ie altitude "));
    EXPECT_GT(altitude, t.find(" 3rd iter "));
}

}  // namespace
}  // namespace veloranth
