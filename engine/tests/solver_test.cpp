// What the reference days cannot show: the solver's status codes (the Verbose report's
// goldens show its trace).
#include "engine/solver.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace veloranth
