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

// The reference sum: the equation of the centre from the sines of M, 2M and 3M (the last
// of the rounded 3 Mr), then the mean longitude.
struct LongitudeTerms {
    double Mr, k1, k2, L0;
    explicit LongitudeTerms(double T) {
        double T2 = T * T;
        double M = ((T * 35999.0503) + 357.5291) - T2 * 0.0001559 - (T2 * T) * 4.8e-07;
        Mr = DegToRad * M;
        k1 = (1.9146 - T * 0.004817) - T2 * 1.4e-05;
        k2 = 0.019993 - T * 0.000101;
        L0 = (T * 0.0003032 + 36000.76983) * T + 280.46645;
    }
    double Ceq(double sinM, double sin2M, double sin3M) const {
        return k1 * sinM + k2 * sin2M + sin3M * 0.00029;
    }
};

// The declination's cosine from the longitude's sine: sin(delta) = sin(lambda) sin(eps).
double CosineOfDeclination(double sinL) {
    double s = sinL * ObliquityOfEcliptic().sine;
    return std::sqrt(1 - s * s);
}

// The declination from the longitude's sine and the declination's cosine.
double DeclinationFrom(double sinL, double c) {
    return rmath::Atan2(sinL * ObliquityOfEcliptic().sine, c);
}

// Half-angle form: RA in [-pi, pi].
double HalfAngleRightAscension(double sinL, double cosL, double c) {
    return 2 * rmath::Atan2(sinL * ObliquityOfEcliptic().cosine, c + cosL);
}

}  // namespace

double SunLongitudeExact(double T) {
    const LongitudeTerms t(T);
    const double Mr = t.Mr;
    double Ceq = t.Ceq(rmath::Sin(Mr), rmath::Sin(2 * Mr), rmath::Sin(3 * Mr));
    return DegToRad * ReduceDegrees(Ceq + t.L0);
}

// One sine and cosine instead of three sines: sin 2M = 2 s c and sin 3M = s (3 - 4 s^2)
// estimate the other two, and the sum is accepted when every Ceq within the estimate's
// bound D gives the same Ceq + L0 (rounding is monotone); otherwise the exact path runs.
// D, against the exact path's Ceq (u = 2^-53; s and c are that path's own sin M and cos M,
// within u/2 of the true values, so k1 s is the same product):
// - 2 s c is within 2^-51.4 of sin 2M, the exact path's sine within u/2: 2^-51.2, times
//   |k2| <= 0.0201 for |T| <= 1, plus a rounding of the product: 2^-56.3;
// - s (3 - 4 s^2) is within 2^-49.7 of sin 3M; the exact path takes the sine of 3 Mr
//   rounded, up to |3 Mr| u/2 away, then rounds: 2^-49.7 + 1.5 |Mr| u + u/2, times 0.00029;
// - the two sums may round apart: 2 ulp(2) = 2^-51.
// D <= 2^-50.7 + 2^-63.2 |Mr|. The bound used, B = 2^-49 + 2^-62 |Mr|, also covers the
// rounding of Ceq -+ B (2^-53) and |T| up to 2 (years 1800 to 2200).
bool SunLongitudeEstimate(double T, double& lambda) {
    if (!(std::fabs(T) <= 2)) {
        return false;
    }
    const LongitudeTerms t(T);
    double s, c;
    rmath::SinCos(t.Mr, s, c);
    double estimate = t.Ceq(s, 2 * s * c, s * (3 - 4 * (s * s)));
    double bound = 0x1p-49 + std::fabs(t.Mr) * 0x1p-62;
    double low = (estimate - bound) + t.L0;
    double high = (estimate + bound) + t.L0;
    lambda = DegToRad * ReduceDegrees(low);
    return low == high;
}

double SunLongitude(double T) {
    double lambda;
    return SunLongitudeEstimate(T, lambda) ? lambda : SunLongitudeExact(T);
}


// rmath::Sin gives the bits rmath::SinCos gives: the split changes no value.
double DeclinationAt(double lambda) {
    double sinL = rmath::Sin(lambda);
    return DeclinationFrom(sinL, CosineOfDeclination(sinL));
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
    delta = DeclinationFrom(sinL, c);
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
