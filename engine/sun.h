// The Sun's apparent place: low-accuracy solar coordinates and sidereal time of Meeus
// (Astronomical Algorithms, ch. 12 and 25), constant obliquity, no nutation or aberration.
#pragma once

namespace veloranth {

// Where the Sun stands for an observer at an instant: every quantity the Sun report and
// the Sun box show, and the clock they were read on. Angles in radians.
struct SolarState {
    double T = 0;       // Julian centuries of the instant
    double lambda = 0;  // true ecliptic longitude, [0, 2pi)
    double RA = 0;      // right ascension, [-pi, pi]
    double delta = 0;   // declination
    double theta0 = 0;  // Greenwich sidereal angle, [0, 2pi)
    double theta = 0;   // local sidereal angle, theta0 + longitude, not reduced
    double tau = 0;     // hour angle
    double h = 0;       // altitude
    double az = 0;      // azimuth from the south, toward the west, [0, 2pi)
    double UTHour = 0;  // the instant in decimal hours UT
    int day = 0;        // its UT day of the observation month (0: the last of the one before)
    double TZeff = 0;   // the town's offset from UT that day, hours
    bool dst = false;   // summer time makes it so
};

double SunLongitude(double T);
// SunLongitude's two paths, for the test that compares them bit for bit: the estimate from
// one sine and cosine, false when it cannot decide the sum's rounding, and the exact path
// from three correctly rounded sines, which SunLongitude then takes.
bool SunLongitudeEstimate(double T, double& lambda);
double SunLongitudeExact(double T);
void SunRaDec(double lambda, double& RA, double& delta);
// SunRaDec's declination alone, without the longitude's cosine, which enters only the
// right ascension; and its right ascension alone, without the declination's arctangent.
double DeclinationAt(double lambda);
double RightAscensionAt(double lambda);
double Theta0(double T);
void AltitudeAzimuth(double latitude, double tau, double delta, double& h, double& az);

}  // namespace veloranth
