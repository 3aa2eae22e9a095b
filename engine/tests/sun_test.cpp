// Solar coordinates at reference instants and the azimuth convention (from the south).
#include "engine/sun.h"

#include <gtest/gtest.h>

#include "base/constants.h"

namespace veloranth {
namespace {

const double kAngleTolerance = 1e-9;  // radians

TEST(Sun, ReferenceInstantsAndOneTurnBefore2000) {
    EXPECT_NEAR(SunLongitude(0.0), DegToRad * 280.38215, 1e-5 * DegToRad);
    EXPECT_DOUBLE_EQ(Theta0(0.0), DegToRad * 280.46061837);
    for (double T : {-0.01, -0.5, -1.0, -3.3}) {
        EXPECT_TRUE(SunLongitude(T) >= 0 && SunLongitude(T) < TwoPi) << T;
        EXPECT_TRUE(Theta0(T) >= 0 && Theta0(T) < TwoPi) << T;
    }
}

TEST(SunRaDec, EquinoxesAndSolstice) {
    const struct {
        double lambda, RA, delta;
    } cases[] = {{0, 0, 0}, {Pi, Pi, 0}, {Pi / 2, Pi / 2, 23.43999 * DegToRad}};
    for (const auto& c : cases) {
        double RA, delta;
        SunRaDec(c.lambda, RA, delta);
        EXPECT_NEAR(RA, c.RA, kAngleTolerance) << c.lambda;
        EXPECT_NEAR(delta, c.delta, kAngleTolerance) << c.lambda;
    }
}

TEST(AltitudeAzimuth, MeridianWestAndEast) {
    const struct {
        double tau, delta, h, az;
    } cases[] = {
        {0, 10 * DegToRad, 52 * DegToRad, 0}, {Pi / 2, 0, 0, Pi / 2}, {-Pi / 2, 0, 0, 3 * Pi / 2}};
    for (const auto& c : cases) {
        double h, az;
        AltitudeAzimuth(48 * DegToRad, c.tau, c.delta, h, az);
        EXPECT_NEAR(h, c.h, kAngleTolerance) << c.tau;
        EXPECT_NEAR(az, c.az, kAngleTolerance) << c.tau;
    }
}

}  // namespace
}  // namespace veloranth
