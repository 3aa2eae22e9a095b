// The qibla bearing, where the compass draws, and the lines under the rose.
#include "reports/qibla.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/constants.h"
#include "engine/format.h"

namespace veloranth {
namespace {

TEST(QiblaBearing, FromParisSydneyAndTheKaabasMeridian) {
    const struct {
        double latitude, longitude, bearing, tolerance;
        const char* text;
    } cases[] = {{48.8566, 2.3522, 2.0797889, 1e-7, "119\26009'47\""},  // \260: the degree sign
                 {-33.87, 151.21, -1.4399212, 1e-7, "-82\260-30'-5\""},
                 {40, 39.82620120048523, Pi, 1e-12, "180\26000'00\""},  // due south
                 {-10, 39.82620120048523, 0, 1e-12, "  0\26000'00\""}};
    for (const auto& c : cases) {
        double q = QiblaBearing(c.latitude * DegToRad, c.longitude * DegToRad);
        EXPECT_NEAR(q, c.bearing, c.tolerance) << c.latitude;
        EXPECT_STREQ(FormatDegrees(q).text, c.text) << c.latitude;
    }
}

TEST(ArrowToward, ParisQiblaAndTheSunDueSouth) {
    CompassArrow a = ArrowToward(QiblaBearing(48.8566 * DegToRad, 2.3522 * DegToRad));
    EXPECT_EQ((std::vector<int>{a.pictureX, a.pictureY, a.tipX, a.tipY, a.barb1X, a.barb1Y,
                                a.barb2X, a.barb2Y}),
              (std::vector<int>{125, 99, 124, 102, 118, 93, 114, 102}));
    CompassArrow sun = ArrowToward(0.0 - Pi);  // azimuth 0 from the south
    // cos(3 pi / 2) is a hair below zero in doubles: truncation gives column 74.
    EXPECT_EQ(sun.tipX, 74);
    EXPECT_EQ(sun.tipY, 131);
    EXPECT_EQ(sun.pictureY, 134);  // centred on the circle of radius 67.5
}

TEST(QiblaText, LocalTimeWrapsOnceEachWay) {
    EXPECT_EQ(QiblaText(0.5, Pi, 2, 23.5),
              "Quibla \xE0 partir du Nord :  28\26038'52\"\n"
              "Soleil \xE0 partir du Nord \xE0 01:30 :   0\26000'00\"");
    EXPECT_NE(QiblaText(0.5, Pi, -3, 0.5).find("\xE0 21:30 : "), std::string::npos);
}

}  // namespace
}  // namespace veloranth
