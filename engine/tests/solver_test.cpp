// What the reference days cannot show: the solver's status codes, and its trace.
#include "engine/solver.h"

#include <gtest/gtest.h>

#include "base/text_sink.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

int Status(DayCase& s, int kind, double& hours) {
    return SalatHour(s.state, s.in, Latitude(s.in.LatitudeRad), kind, hours);
}

TEST(Solver, PolarNightAndMidnightSunSayWhichWayTheSunMisses) {
    DayCase winter(fixture::kTromso, 21, 12, 2007);
    ComputeTransit(winter.state, winter.in);
    double hours = -1;
    EXPECT_EQ(Status(winter, Chourouk, hours), kSunAlwaysBelow);
    EXPECT_EQ(hours, 0.0);  // the first pass failed
    EXPECT_EQ(Status(winter, Fajr, hours), kSalatFound);

    DayCase summer(fixture::kTromso, 21, 6, 2007);
    summer.state.TZeff = 2;
    ComputeTransit(summer.state, summer.in);
    for (int kind : {Fajr, Chourouk, Maghrib, Isha}) {
        EXPECT_EQ(Status(summer, kind, hours), kSunAlwaysAbove) << kind;
    }
}

TEST(Solver, TraceOnlyWithATextSink) {
    DayCase s(fixture::kParis, 15, 1, 2007);
    StringSink out;
    ComputeTransit(s.state, s.in);
    double silent, traced;
    Status(s, Asr, silent);
    s.in.trace = &out;
    Status(s, Asr, traced);
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
