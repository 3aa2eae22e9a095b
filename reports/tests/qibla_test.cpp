// The qibla bearing, where the compass draws, and the lines under the rose.
#include "reports/qibla.h"

#include <gtest/gtest.h>

#include "base/constants.h"
#include "engine/format.h"

namespace veloranth {
namespace {

const double kDeg = 0.017453292519943295;

TEST(QiblaBearing, FromParisSydneyAndTheKaabasMeridian) {
    double paris = QiblaBearing(48.8566 * kDeg, 2.3522 * kDeg);
    EXPECT_NEAR(paris, 2.0797889, 1e-7);
    EXPECT_STREQ(FormatDegrees(paris).text,
                 "119\xB0"
                 "09'47\"");
    EXPECT_NEAR(QiblaBearing(40 * kDeg, 39.82620120048523 * kDeg), Pi, 1e-12);
    EXPECT_NEAR(QiblaBearing(-10 * kDeg, 39.82620120048523 * kDeg), 0.0, 1e-12);
    double sydney = QiblaBearing(-33.87 * kDeg, 151.21 * kDeg);
    EXPECT_NEAR(sydney, -1.4399212, 1e-7);
    EXPECT_EQ(std::string(FormatDegrees(sydney).text).substr(0, 4), "-82\xB0");
}

TEST(ArrowToward, PictureTipAndBarbsOfTheParisQibla) {
    CompassArrow a = ArrowToward(QiblaBearing(48.8566 * kDeg, 2.3522 * kDeg));
    EXPECT_EQ(a.pictureX, 125);
    EXPECT_EQ(a.pictureY, 99);
    EXPECT_EQ(a.tipX, 124);
    EXPECT_EQ(a.tipY, 102);
    EXPECT_EQ(a.barb1X, 118);
    EXPECT_EQ(a.barb1Y, 93);
    EXPECT_EQ(a.barb2X, 114);
    EXPECT_EQ(a.barb2Y, 102);
}

TEST(ArrowToward, SunDueSouthPointsStraightDown) {
    double azimuthFromSouth = 0.0;
    CompassArrow a = ArrowToward(azimuthFromSouth - Pi);
    // cos(3 pi / 2) is a hair below zero in doubles: truncation gives column 74.
    EXPECT_EQ(a.tipX, 74);
    EXPECT_EQ(a.tipY, 131);
    EXPECT_EQ(a.pictureY, 134);  // centred on the circle of radius 67.5
}

TEST(QiblaText, LocalTimeWrapsOnceEachWay) {
    std::string late = QiblaText(0.5, Pi, 2, 23.5);
    EXPECT_EQ(late,
              "Quibla \xE0 partir du Nord :  28\xB0"
              "38'52\"\n"
              "Soleil \xE0 partir du Nord \xE0 01:30 :   0\xB0"
              "00'00\"");
    std::string early = QiblaText(0.5, Pi, -3, 0.5);
    EXPECT_NE(early.find("\xE0 21:30 : "), std::string::npos) << early;
}

}  // namespace
}  // namespace veloranth
