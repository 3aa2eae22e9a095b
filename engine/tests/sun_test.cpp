// Solar coordinates at reference instants and the azimuth convention (from the south).
#include "engine/sun.h"

#include <gtest/gtest.h>

#include "engine/constants.h"

namespace veloranth {
namespace {

const double kAngleTolerance = 1e-9;  // radians

TEST(SunLongitude, AtJ2000) {
    EXPECT_NEAR(SunLongitude(0.0), DegToRad * 280.38215, 1e-5 * DegToRad);
}

TEST(SunLongitude, StaysInOneTurnBefore2000) {
    for (double T : {-0.01, -0.5, -1.0, -3.3}) {
        double lambda = SunLongitude(T);
        EXPECT_GE(lambda, 0.0) << T;
        EXPECT_LT(lambda, TwoPi) << T;
        double theta0 = Theta0(T);
        EXPECT_GE(theta0, 0.0) << T;
        EXPECT_LT(theta0, TwoPi) << T;
    }
}

TEST(SunRaDec, EquinoxesAndSolstice) {
    double RA, delta;
    SunRaDec(0.0, RA, delta);
    EXPECT_NEAR(RA, 0.0, kAngleTolerance);
    EXPECT_NEAR(delta, 0.0, kAngleTolerance);
    SunRaDec(Pi, RA, delta);
    EXPECT_NEAR(RA, Pi, kAngleTolerance);
    EXPECT_NEAR(delta, 0.0, kAngleTolerance);
    SunRaDec(Pi / 2, RA, delta);
    EXPECT_NEAR(RA, Pi / 2, kAngleTolerance);
    EXPECT_NEAR(delta, 23.43999 * DegToRad, kAngleTolerance);
}

TEST(Theta0, AtJ2000) {
    EXPECT_DOUBLE_EQ(Theta0(0.0), DegToRad * 280.46061837);
}

TEST(AltitudeAzimuth, MeridianWestAndEast) {
    double h, az;
    AltitudeAzimuth(48 * DegToRad, 0.0, 10 * DegToRad, h, az);
    EXPECT_NEAR(az, 0.0, kAngleTolerance);
    EXPECT_NEAR(h, 52 * DegToRad, kAngleTolerance);
    AltitudeAzimuth(48 * DegToRad, Pi / 2, 0.0, h, az);
    EXPECT_NEAR(h, 0.0, kAngleTolerance);
    EXPECT_NEAR(az, Pi / 2, kAngleTolerance);
    AltitudeAzimuth(48 * DegToRad, -Pi / 2, 0.0, h, az);
    EXPECT_NEAR(az, 3 * Pi / 2, kAngleTolerance);
}

}  // namespace
}  // namespace veloranth
