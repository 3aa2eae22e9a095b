// Double-double kernels: a table of sin(j pi/128) with short Taylor polynomials for
// sine and cosine, a table of atan(j/32) with the addition formula for the arctangent.
// No fused multiply-add (the build forbids contraction), so results are reproducible.
#include "engine/repro_math.h"

#include <cmath>
#include <cstdint>

namespace veloranth::rmath {

namespace {

struct DD {
    double hi;
    double lo;
};

struct TableValue {
    DD value;
    double head;  // 26 significant bits
    double rest;  // value - head
};

#include "engine/math_tables.inc"

// Error-free transformations (Knuth, Dekker).
inline DD TwoSum(double a, double b) {
    double s = a + b;
    double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

inline DD FastTwoSum(double a, double b) {  // requires |a| >= |b| or a == 0
    double s = a + b;
    return {s, b - (s - a)};
}

inline void Split(double a, double& hi, double& lo) {
    double c = 134217729.0 * a;  // 2^27 + 1
    hi = c - (c - a);
    lo = a - hi;
}

inline DD TwoProd(double a, double b) {
    double p = a * b;
    double ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

// a / b given inv = 1 / b.hi: one division serves the quotient and its correction.
inline DD DivByInverse(DD a, DD b, double inv) {
    double q = a.hi * inv;
    DD p = TwoProd(q, b.hi);
    double r = (((a.hi - p.hi) - p.lo) + a.lo) - q * b.lo;
    return TwoSum(q, r * inv);
}

inline DD Div(DD a, DD b) {
    return DivByInverse(a, b, 1.0 / b.hi);
}

inline DD Neg(DD a) {
    return {-a.hi, -a.lo};
}

inline DD Sub(DD a, DD b) {  // a - b
    DD s = TwoSum(a.hi, -b.hi);
    return FastTwoSum(s.hi, s.lo + (a.lo - b.lo));
}

// Round to the nearest integer (ties to even) for |x| < 2^51.
inline double Nearest(double x) {
    const double shifter = 6755399441055744.0;  // 1.5 * 2^52
    return (x + shifter) - shifter;
}

// ---- sine and cosine ------------------------------------------------------------------

// x = k pi/128 + r with |r| <= pi/256; r as a double-double split for exact products
// with the table heads; k modulo 256.
struct Reduced {
    int index;
    double rh;
    double rl;
    double rhHead;  // upper half of rh (Dekker split)
    double rhTail;
};

// Beyond this the three-part constant no longer gives exact products k * part.
constexpr double kReductionLimit = 800000.0;

Reduced Reduce(double x) {
    if (!(std::fabs(x) < kReductionLimit)) {
        // Far outside any date the program handles: only determinism matters here.
        x = std::fmod(x, 2 * kPi.hi);
    }
    double k = Nearest(x * kStep128);
    double a = x - k * kStepHi;  // exact: k has at most 25 bits, kStepHi 28
    DD r = TwoSum(a, -(k * kStepMid));
    r = FastTwoSum(r.hi, r.lo - k * kStepLo);
    Reduced red{static_cast<int>(static_cast<std::int64_t>(k) & 255), r.hi, r.lo, 0, 0};
    Split(r.hi, red.rhHead, red.rhTail);
    return red;
}

// Taylor tails on |r| <= pi/256: sin r - r and cos r - 1, good to 2^-70 relative.
struct Tails {
    double sine;
    double cosine;
};

inline Tails TaylorTails(double rh) {
    double z = rh * rh;
    return {rh * z * (-0.16666666666666666 + z * (0.008333333333333333 - z * 1.984126984126984e-4)),
            z * (-0.5 + z * (0.041666666666666664 - z * 0.001388888888888889))};
}

// a cos r + sign * b sin r for table values a, b, as an unnormalised head and tail;
// the leading product is exact.
inline DD CombineDD(const TableValue& a, const TableValue& b, double sign, const Reduced& red,
                    const Tails& t) {
    double bHead = sign * b.head;
    double bRest = sign * b.rest;
    double p = bHead * red.rhHead;  // exact
    DD s = TwoSum(a.value.hi, p);
    double bhi = bHead + bRest;
    double tail = s.lo + bHead * red.rhTail + bRest * red.rh + bhi * red.rl + a.value.lo +
                  a.value.hi * t.cosine + bhi * t.sine;
    return {s.hi, tail};
}

inline double Combine(const TableValue& a, const TableValue& b, double sign, const Reduced& red,
                      const Tails& t) {
    DD r = CombineDD(a, b, sign, red, t);
    return r.hi + r.lo;
}

inline const TableValue& SineEntry(const Reduced& red) {
    return kSinTable[red.index];
}
inline const TableValue& CosineEntry(const Reduced& red) {
    return kSinTable[(red.index + 64) & 255];
}

// ---- arctangent -----------------------------------------------------------------------

// atan(y / x) for 0 <= y <= x, x > 0, through atan(c) + atan((y - c x) / (x + c y))
// with c = j/32 the table point nearest to y / x. `inverse` is 1 / x.hi.
DD AtanFirstOctant(DD y, DD x, double inverse) {
    int j = static_cast<int>(y.hi * inverse * 32.0 + 0.5);
    double c = j * 0.03125;  // exact
    DD v;
    if (j == 0) {
        v = DivByInverse(y, x, inverse);
    } else {
        // c has at most 6 significant bits: its products with the halves of a split
        // double are exact, and y - c x cancels exactly (y / x is within 1/64 of c).
        double xh, xl, yh, yl;
        Split(x.hi, xh, xl);
        Split(y.hi, yh, yl);
        DD num = TwoSum(y.hi - c * xh, -(c * xl));
        num.lo += y.lo - c * x.lo;
        DD den = TwoSum(x.hi, c * yh);
        den = FastTwoSum(den.hi, den.lo + c * yl + (x.lo + c * y.lo));
        v = DivByInverse(num, den, 1.0 / den.hi);
    }
    double v2 = v.hi * v.hi;  // |v| <= 1/64: four terms reach 2^-70
    double tail =
        v.hi * v2 *
        (-0.3333333333333333 + v2 * (0.2 + v2 * (-0.14285714285714285 + v2 * 0.1111111111111111)));
    DD a = kAtanTable[j];
    DD s = TwoSum(a.hi, v.hi);
    return FastTwoSum(s.hi, s.lo + a.lo + v.lo + tail);
}

// atan2 of |y|, |x| (dd), for the arguments where no scaling or special value is involved.
inline DD AtanOfMagnitudes(DD ay, DD ax) {
    return ay.hi <= ax.hi ? AtanFirstOctant(ay, ax, 1.0 / ax.hi)
                          : Sub(kHalfPi, AtanFirstOctant(ax, ay, 1.0 / ay.hi));
}

// Zeros, infinities, NaNs and magnitudes where the splits could overflow or underflow.
DD AtanOfMagnitudesRare(DD ay, DD ax) {
    if (std::isinf(ax.hi) || std::isinf(ay.hi)) {
        // Directions at infinity, as the C library defines them.
        if (!std::isinf(ay.hi)) {
            return {0.0, 0.0};
        }
        return std::isinf(ax.hi) ? DD{kHalfPi.hi / 2, kHalfPi.lo / 2} : kHalfPi;
    }
    if (ay.hi == 0 && ax.hi == 0) {
        return {0.0, 0.0};
    }
    double big = ax.hi > ay.hi ? ax.hi : ay.hi;
    double scale = big > 0x1p900 ? 0x1p-200 : 0x1p200;
    return AtanOfMagnitudes({ay.hi * scale, ay.lo * scale}, {ax.hi * scale, ax.lo * scale});
}

// atan2 on double-doubles; x or y may be a plain double with lo = 0.
double Atan2DD(DD y, DD x) {
    if (std::isnan(y.hi) || std::isnan(x.hi)) {
        return y.hi + x.hi;
    }
    DD ay = std::signbit(y.hi) ? Neg(y) : y;
    DD ax = std::signbit(x.hi) ? Neg(x) : x;
    double big = ax.hi > ay.hi ? ax.hi : ay.hi;
    DD angle =
        (big < 0x1p900 && big > 0x1p-900) ? AtanOfMagnitudes(ay, ax) : AtanOfMagnitudesRare(ay, ax);
    if (std::signbit(x.hi)) {
        angle = Sub(kPi, angle);
    }
    double result = angle.hi + angle.lo;
    return std::signbit(y.hi) ? -result : result;
}

// sqrt(1 - x^2) as a double-double, for |x| <= 1.
DD CoSide(double x) {
    DD sq = TwoProd(x, x);
    DD w = TwoSum(1.0, -sq.hi);
    w = FastTwoSum(w.hi, w.lo - sq.lo);
    if (w.hi <= 0) {
        return {0.0, 0.0};
    }
    double root = std::sqrt(w.hi);
    DD rr = TwoProd(root, root);
    double lo = (((w.hi - rr.hi) - rr.lo) + w.lo) / (2 * root);
    return FastTwoSum(root, lo);
}

}  // namespace

void SinCos(double x, double& sine, double& cosine) {
    if (!std::isfinite(x)) {
        sine = cosine = x - x;  // NaN
        return;
    }
    Reduced red = Reduce(x);
    Tails t = TaylorTails(red.rh);
    sine = x == 0 ? x : Combine(SineEntry(red), CosineEntry(red), 1.0, red, t);
    cosine = Combine(CosineEntry(red), SineEntry(red), -1.0, red, t);
}

double Sin(double x) {
    if (!std::isfinite(x) || x == 0) {
        return x == 0 ? x : x - x;  // keeps the sign of zero; NaN otherwise
    }
    Reduced red = Reduce(x);
    return Combine(SineEntry(red), CosineEntry(red), 1.0, red, TaylorTails(red.rh));
}

double Cos(double x) {
    if (!std::isfinite(x)) {
        return x - x;
    }
    Reduced red = Reduce(x);
    return Combine(CosineEntry(red), SineEntry(red), -1.0, red, TaylorTails(red.rh));
}

double Tan(double x) {
    if (!std::isfinite(x) || x == 0) {
        return x == 0 ? x : x - x;
    }
    Reduced red = Reduce(x);
    Tails t = TaylorTails(red.rh);
    DD s = CombineDD(SineEntry(red), CosineEntry(red), 1.0, red, t);
    DD c = CombineDD(CosineEntry(red), SineEntry(red), -1.0, red, t);
    DD q = Div(FastTwoSum(s.hi, s.lo), FastTwoSum(c.hi, c.lo));
    return q.hi + q.lo;
}

double Atan2(double y, double x) {
    return Atan2DD({y, 0.0}, {x, 0.0});
}

double Atan(double x) {
    return Atan2DD({x, 0.0}, {1.0, 0.0});
}

double Asin(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return (x - x) / (x - x);  // NaN for |x| > 1 and NaN
    }
    return Atan2DD({x, 0.0}, CoSide(x));
}

double Acos(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return (x - x) / (x - x);
    }
    return Atan2DD(CoSide(x), {x, 0.0});
}

}  // namespace veloranth::rmath
