// Solar coordinates. Sums and products stand in the order of the reference
// computation: the results are compared bit for bit.
#include "engine/sun.h"

#include <cmath>

#include "engine/repro_math.h"

#include "base/constants.h"
#include "base/truncate.h"

namespace veloranth {

namespace {

// Reduces degrees to [0, 360) with a truncating quotient, as the reference does.
double ReduceDegrees(double x) {
    x = x - 360 * std::trunc(x * 0.002777777777777778);
    if (x < 0) {
        x += 360.0;
    }
    return x;
}

// The obliquity is constant (23.43999 degrees): its sine and cosine are computed once.
struct Obliquity {
    double sine;
    double cosine;
};

const Obliquity& ObliquityOfEcliptic() {
    static const Obliquity eps = [] {
        double e = DegToRad * 23.43999;
        Obliquity o;
        rmath::SinCos(e, o.sine, o.cosine);
        return o;
    }();
    return eps;
}

}  // namespace

double SunLongitude(double T) {
    double T2 = T * T;
    double M = ((T * 35999.0503) + 357.5291) - T2 * 0.0001559 - (T2 * T) * 4.8e-07;
    double Mr = DegToRad * M;
    double Ceq = ((1.9146 - T * 0.004817) - T2 * 1.4e-05) * rmath::Sin(Mr) +
                 (0.019993 - T * 0.000101) * rmath::Sin(2 * Mr) + rmath::Sin(3 * Mr) * 0.00029;
    double L0 = (T * 0.0003032 + 36000.76983) * T + 280.46645;
    return DegToRad * ReduceDegrees(Ceq + L0);
}

namespace {

// The declination's cosine from the longitude's sine: sin(delta) = sin(lambda) sin(eps).
double CosineOfDeclination(double sinL) {
    double s = sinL * ObliquityOfEcliptic().sine;
    return std::sqrt(1 - s * s);
}

// Half-angle form: RA in [-pi, pi].
double HalfAngleRightAscension(double sinL, double cosL, double c) {
    return 2 * rmath::Atan2(sinL * ObliquityOfEcliptic().cosine, c + cosL);
}

}  // namespace

// rmath::Sin and rmath::Cos give the bits rmath::SinCos gives: the split changes no value.
SunDeclination DeclinationOf(double lambda) {
    SunDeclination d;
    d.lambda = lambda;
    d.sinL = rmath::Sin(lambda);
    d.c = CosineOfDeclination(d.sinL);
    d.delta = rmath::Atan2(d.sinL * ObliquityOfEcliptic().sine, d.c);
    return d;
}

double RightAscensionOf(const SunDeclination& d) {
    return HalfAngleRightAscension(d.sinL, rmath::Cos(d.lambda), d.c);
}

double RightAscensionAt(double lambda) {
    double sinL, cosL;
    rmath::SinCos(lambda, sinL, cosL);
    return HalfAngleRightAscension(sinL, cosL, CosineOfDeclination(sinL));
}

void SunRaDec(double lambda, double& RA, double& delta) {
    double sinL, cosL;
    rmath::SinCos(lambda, sinL, cosL);
    double c = CosineOfDeclination(sinL);
    delta = rmath::Atan2(sinL * ObliquityOfEcliptic().sine, c);
    RA = HalfAngleRightAscension(sinL, cosL, c);
}

double Theta0(double T) {
    double theta = ((T * 0.000387933 + 13185000.770053742) * T + 280.46061837) -
                   ((T * T) * T) * 2.5833118057349522e-08;
    return DegToRad * ReduceDegrees(theta);
}

void AltitudeAzimuth(double latitude, double tau, double delta, double& h, double& az) {
    double sinTau, cosTau, sinLat, cosLat, sinDelta, cosDelta;
    rmath::SinCos(tau, sinTau, cosTau);
    rmath::SinCos(latitude, sinLat, cosLat);
    rmath::SinCos(delta, sinDelta, cosDelta);
    h = rmath::Asin((cosTau * cosDelta) * cosLat + sinDelta * sinLat);
    az = rmath::Atan2(-sinTau, rmath::Tan(delta) * cosLat - cosTau * sinLat) - Pi;
    if (az < 0) {
        az += TwoPi;
    }
}

}  // namespace veloranth
