// The qibla compass: the great-circle direction of the Kaaba, where the arrows and the
// pictures go on the 150 x 150 compass rose, and the two lines of text under it.
#pragma once

#include <string>

namespace veloranth {

// Direction of the Kaaba from (latitude, longitude) in radians, clockwise from north,
// in (-pi, pi].
double QiblaBearing(double latitude, double longitude);

// An arrow from the rose's centre (75, 75) toward `angle` (radians, clockwise from north):
// the 16 x 16 picture's top-left corner, the tip and the ends of the two barbs, in pixels.
struct CompassArrow {
    int pictureX, pictureY;
    int tipX, tipY;
    int barb1X, barb1Y;
    int barb2X, barb2Y;
};
CompassArrow ArrowToward(double angle);

// "Quibla à partir du Nord : ..." and "Soleil à partir du Nord à HH:MM : ..." (8-bit); the
// Sun's azimuth `az` is from the south, as SolarState holds it.
std::string QiblaText(double qibla, double az, double tzEff, double utHour);

}  // namespace veloranth
