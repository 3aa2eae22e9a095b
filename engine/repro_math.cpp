// Double-double kernels: a table of sin(j pi/128) with short Taylor polynomials for
// sine and cosine, a table of atan(j/32) with the addition formula for the arctangent.
// In front of them, fast paths on finer tables that return only when a rounding test
// proves they give the same bits; the kernels above remain the exact path.
// No fused multiply-add (the build forbids contraction), so results are reproducible.
#include "engine/repro_math.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/repro_math_paths.h"

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

// ---- fast paths (Ziv) -----------------------------------------------------------------
//
// Each function first evaluates with finer tables and mostly plain products, which leaves
// a head h and an unnormalised tail l with |h + l - f(x)| <= E, E bounded per call below.
// The exact path's unrounded sum S differs from f(x) by at most X (not the 2^-70 of its
// Taylor tails: its roundings dominate; u = 2^-53, M = |a| + |b r| of its table):
// - sine, cosine: the last two additions of the tail (2^-66.7 M each), the cosine tail's
//   and its product's roundings (2^-65.7 + 2^-66.7), the sine tail's (2^-66.3), the rl
//   its tails ignore (2^-65.7), the truncation (2^-66.1): X <= 2^-63.5 M, and M <= 3 |f|
//   (|a| >= sin(pi/128) >= 2 |r| unless a = 0), so X <= 2^-61.9 |f|; we use 2^-61.4.
// - arctangents: the truncation at |v| = 1/64, v^10 / 11 < 2^-63.5 of the angle, the
//   tail's roundings (2^-64.6), the ignored v.lo (2^-65), the sums (2^-65): X <= 2^-62.3
//   of the first-octant angle, which the final angle only exceeds; we use 2^-61.7.
// - tangent: the quotient of the two sums above, divided in double-double (2^-100).
// Measured over 400,000 arguments, X stays below 2^-63 |f|. With B >= E + X, both S and
// f(x) lie in [h + l - B, h + l + B]; if both ends round to the same double, so does every
// real between them (rounding is monotone), and the exact path returns that double too:
// the result is unchanged bit for bit. Otherwise the exact path runs. fl(l +- B) loses at
// most u |l + B|, which the margins of the constants in B absorb.

// h + l when every real within B of it rounds the same way; false otherwise.
inline bool Decide(double h, double l, double bound, double& result) {
    double up = h + (l + bound);
    double down = h + (l - bound);
    result = up;
    return up == down;
}

inline std::uint64_t Bits(double x) {
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

inline double FromBits(std::uint64_t u) {
    double x;
    std::memcpy(&x, &u, sizeof x);
    return x;
}

// Beyond this the reduction below needs more than 21 bits of k.
constexpr double kFastTrigLimit = 8192.0;

// x = k pi/512 + rh + rl, |rh| <= pi/1024 (and a hair), |rl| <= ulp(rh) / 2 + 2^-100.
struct FastReduced {
    int index;  // k modulo 1024
    double rh;
    double rl;
    bool ok;  // false when |rh| < 2^-54: the final fast two-sum could be inexact
};

inline FastReduced FastReduce(double x) {
    const double shifter = 6755399441055744.0;  // 1.5 * 2^52: its low bits then hold k
    double t = x * kFastStep512 + shifter;
    double k = t - shifter;
    // |k| < 2^21 and the constant parts have 32 bits: both products are exact, and so is
    // x - k hi (Sterbenz for |k| >= 2; for |k| = 1 both are multiples of ulp(x)).
    DD s = TwoSum(x - k * kFastStepHi, -(k * kFastStepMid));
    // |k lo| < 2^-55.6, so the fast two-sum is exact whenever |s.hi| >= 2^-54.
    DD r = FastTwoSum(s.hi, s.lo - k * kFastStepLo);
    return {static_cast<int>(Bits(t) & 1023), r.hi, r.lo, std::fabs(s.hi) >= 0x1p-54};
}

// a cos r + b sin r as h + l for table values a, b (b possibly negated) with the bound B.
// With |r| <= pi/1024: sin r - r to r^5 and cos r - 1 to r^6 leave below 2^-70. The only
// large error is that of the plain product p = b.hi rh, at most 2^-53 |p| (the fast
// two-sum of a.hi and p is exact: |a.hi| >= sin(pi/512) > |p| unless a.hi = 0). The
// tail's roundings, the dropped b.lo rl and rl's effect on the polynomials stay below
// 2^-65 (|a| + |p|), and |f(x)| <= |a| + |p|: with the exact path's 2^-61.4 |f|,
// B = 2^-52.86 |p| + 2^-61.19 (|a.hi| + |p|).
struct FastTails {
    double sine;    // sin r - r
    double cosine;  // cos r - 1
};

inline FastTails FastTaylorTails(double rh) {
    double z = rh * rh;
    return {rh * z * (-0.16666666666666666 + z * 0.008333333333333333),
            z * (-0.5 + z * (0.041666666666666664 - z * 0.001388888888888889))};
}

inline bool FastCombine(const DD& a, const DD& b, const FastReduced& red, const FastTails& t,
                        double& result) {
    double p = b.hi * red.rh;
    double h = a.hi + p;
    double e = (a.hi - h) + p;
    double l = e + ((a.lo + (b.lo * red.rh + b.hi * red.rl)) + (a.hi * t.cosine + b.hi * t.sine));
    double ap = std::fabs(p);
    double bound = ap * 0x1.1p-53 + (std::fabs(a.hi) + ap) * 0x1.Cp-62;
    return Decide(h, l, bound, result) && red.ok;
}

inline const DD& FastSineEntry(const FastReduced& red) {
    return kFastSin[red.index];
}
inline DD FastCosineEntry(const FastReduced& red) {
    return kFastSin[(red.index + 256) & 1023];
}
inline DD FastMinusSineEntry(const FastReduced& red) {
    return Neg(kFastSin[red.index]);
}

// sin x, or cos x = sin(x + pi/2), whose table entries are the cosine and minus the sine.
bool FastSinOrCos(double x, bool cosine, double& result) {
    if (!(std::fabs(x) < kFastTrigLimit)) {
        return false;
    }
    FastReduced red = FastReduce(x);
    return cosine ? FastCombine(FastCosineEntry(red), FastMinusSineEntry(red), red,
                                FastTaylorTails(red.rh), result)
                  : FastCombine(FastSineEntry(red), FastCosineEntry(red), red,
                                FastTaylorTails(red.rh), result);
}

bool FastSin(double x, double& result) {
    return FastSinOrCos(x, false, result);
}

bool FastCos(double x, double& result) {
    return FastSinOrCos(x, true, result);
}

// The same head, tail and bound as FastCombine, for the tangent's quotient.
struct FastPart {
    double h;
    double l;
    double bound;
};

inline FastPart FastCombineParts(const DD& a, const DD& b, const FastReduced& red,
                                 const FastTails& t) {
    double p = b.hi * red.rh;
    double h = a.hi + p;
    double e = (a.hi - h) + p;
    double l = e + ((a.lo + (b.lo * red.rh + b.hi * red.rl)) + (a.hi * t.cosine + b.hi * t.sine));
    double ap = std::fabs(p);
    return {h, l, ap * 0x1.1p-53 + (std::fabs(a.hi) + ap) * 0x1.Cp-62};
}

// tan = s / c as a double-double quotient (Dekker's remainder, exact product by splits).
// Relative errors add: Bs / |s| + Bc / |c| (each covering the fast and the exact sine and
// cosine), plus 2^-66 for the quotient's own roundings and the exact path's division.
bool FastTan(double x, double& result) {
    if (!(std::fabs(x) < kFastTrigLimit)) {
        return false;
    }
    FastReduced red = FastReduce(x);
    FastTails t = FastTaylorTails(red.rh);
    FastPart s = FastCombineParts(FastSineEntry(red), FastCosineEntry(red), red, t);
    FastPart c = FastCombineParts(FastCosineEntry(red), FastMinusSineEntry(red), red, t);
    // Normalised, so that dividing the remainder by the head alone costs only 2^-53 of it.
    DD sn = FastTwoSum(s.h, s.l);
    DD cn = FastTwoSum(c.h, c.l);
    double inv = 1.0 / cn.hi;
    double q = sn.hi * inv;
    DD p = TwoProd(q, cn.hi);
    double ql = ((((sn.hi - p.hi) - p.lo) + sn.lo) - q * cn.lo) * inv;
    double aq = std::fabs(q);
    double bound = (s.bound + aq * c.bound) * std::fabs(inv) * 1.0001 + aq * 0x1p-66;
    return Decide(q, ql, bound, result) && red.ok;
}

// atan2 for |y| and |x| (hi parts both in [2^-500, 2^500]) as h + l, with the bound B.
// q = y / x picks c, q rounded to 8 significant bits (q >= 2^-10), |q - c| <= 2^-8 c.
// With x split, c x.hi is the exact sum of two products, and y - c (x.hi's head) cancels
// exactly (Sterbenz); the numerator then carries one rounding (2u, u = 2^-53), the
// denominator x + c y three (3u), the quotient v one: |dv| <= 6.2u |v|. |v| <= 2^-9 and
// |v| <= 2^-7.3 atan(q): the dropped v^7 / 7 is below 2^-64 of the angle, the roundings
// of the polynomial and the sums below 2^-70. Subtracting from pi/2 or pi only grows the
// angle, and adds roundings of size u l. With the exact path's 2^-61.7:
// B = 6.5u |v| + 2^-61.36 |angle|.
bool FastAtan2DD(DD y, DD x, double& result) {
    double ay = std::fabs(y.hi);
    double ax = std::fabs(x.hi);
    if (!(ay > 0x1p-500 && ay < 0x1p500 && ax > 0x1p-500 && ax < 0x1p500)) {
        return false;
    }
    const bool yNegative = std::signbit(y.hi);
    const bool xNegative = std::signbit(x.hi);
    if (yNegative) {
        y = Neg(y);
    }
    if (xNegative) {
        x = Neg(x);
    }
    const bool swap = y.hi > x.hi;
    const DD n = swap ? x : y;  // the smaller side
    const DD d = swap ? y : x;
    double q = n.hi / d.hi;
    if (!(q >= 0x1p-10)) {
        return false;
    }
    const int drop = 45;  // 52 - 7 stored mantissa bits
    std::uint64_t cb = (Bits(q) + (std::uint64_t{1} << (drop - 1))) >> drop;
    double c = FromBits(cb << drop);
    const DD& a = kFastAtan[cb - (Bits(0x1p-10) >> drop)];
    double dh, dl;
    Split(d.hi, dh, dl);
    double num = ((n.hi - c * dh) - c * dl) + (n.lo - c * d.lo);
    double den = d.hi + (c * n.hi + (d.lo + c * n.lo));
    double v = num / den;
    double v2 = v * v;
    double tail = v * v2 * (-0.3333333333333333 + v2 * 0.2);
    double h = a.hi + v;  // exact with its error term: |a.hi| > |v|
    double l = ((a.hi - h) + v) + (a.lo + tail);
    if (swap) {
        double g = kHalfPi.hi - h;
        l = ((kHalfPi.hi - g) - h) + (kHalfPi.lo - l);
        h = g;
    }
    if (xNegative) {
        double g = kPi.hi - h;
        l = ((kPi.hi - g) - h) + (kPi.lo - l);
        h = g;
    }
    double angle;
    if (!Decide(h, l, std::fabs(v) * 0x1.Ap-51 + h * 0x1.9p-62, angle)) {
        return false;
    }
    result = yNegative ? -angle : angle;
    return true;
}

}  // namespace

namespace slow {

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

}  // namespace slow

namespace fast {

bool Sin(double x, double& result) {
    return FastSin(x, result);
}

bool Cos(double x, double& result) {
    return FastCos(x, result);
}

bool SinCos(double x, double& sine, double& cosine) {
    if (!(std::fabs(x) < kFastTrigLimit)) {
        return false;
    }
    FastReduced red = FastReduce(x);
    FastTails t = FastTaylorTails(red.rh);
    bool sineDone = FastCombine(FastSineEntry(red), FastCosineEntry(red), red, t, sine);
    bool cosineDone = FastCombine(FastCosineEntry(red), FastMinusSineEntry(red), red, t, cosine);
    return sineDone && cosineDone;
}

bool Tan(double x, double& result) {
    return FastTan(x, result);
}

bool Atan2(double y, double x, double& result) {
    return FastAtan2DD({y, 0.0}, {x, 0.0}, result);
}

bool Atan(double x, double& result) {
    return FastAtan2DD({x, 0.0}, {1.0, 0.0}, result);
}

bool Asin(double x, double& result) {
    return std::fabs(x) <= 1.0 && FastAtan2DD({x, 0.0}, CoSide(x), result);
}

bool Acos(double x, double& result) {
    return std::fabs(x) <= 1.0 && FastAtan2DD(CoSide(x), {x, 0.0}, result);
}

}  // namespace fast

void SinCos(double x, double& sine, double& cosine) {
    if (std::fabs(x) < kFastTrigLimit) {
        FastReduced red = FastReduce(x);
        FastTails t = FastTaylorTails(red.rh);
        bool sineDone = FastCombine(FastSineEntry(red), FastCosineEntry(red), red, t, sine);
        bool cosineDone =
            FastCombine(FastCosineEntry(red), FastMinusSineEntry(red), red, t, cosine);
        if (sineDone && cosineDone) {
            return;
        }
        // The exact SinCos computes each value as the exact Sin and Cos do; one reduction
        // serves both when both are needed.
        if (sineDone) {
            cosine = slow::Cos(x);
        } else if (cosineDone) {
            sine = slow::Sin(x);
        } else {
            slow::SinCos(x, sine, cosine);
        }
        return;
    }
    slow::SinCos(x, sine, cosine);
}

double Sin(double x) {
    double r;
    return FastSin(x, r) ? r : slow::Sin(x);
}

double Cos(double x) {
    double r;
    return FastCos(x, r) ? r : slow::Cos(x);
}

double Tan(double x) {
    double r;
    return FastTan(x, r) ? r : slow::Tan(x);
}

double Atan2(double y, double x) {
    double r;
    return FastAtan2DD({y, 0.0}, {x, 0.0}, r) ? r : slow::Atan2(y, x);
}

double Atan(double x) {
    double r;
    return FastAtan2DD({x, 0.0}, {1.0, 0.0}, r) ? r : slow::Atan(x);
}

// As the exact Asin and Acos, whose co-side the fallback reuses.
double Asin(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return slow::Asin(x);
    }
    DD side = CoSide(x);
    double r;
    return FastAtan2DD({x, 0.0}, side, r) ? r : Atan2DD({x, 0.0}, side);
}

double Acos(double x) {
    if (!(std::fabs(x) <= 1.0)) {
        return slow::Acos(x);
    }
    DD side = CoSide(x);
    double r;
    return FastAtan2DD(side, {x, 0.0}, r) ? r : Atan2DD(side, {x, 0.0});
}
}  // namespace veloranth::rmath
