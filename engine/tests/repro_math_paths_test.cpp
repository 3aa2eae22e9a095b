// The fast paths of the elementary functions (and of the Sun's longitude) against their
// exact paths, bit for bit, on random arguments: the engine's ranges and wide ones, up to
// huge angles.
// VELORANTH_MATH_SAMPLES sets the count per function (200,000 by default; 10,000,000 for a long run by hand). Prints the
// share of arguments each fast path decides.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "engine/repro_math.h"
#include "engine/repro_math_paths.h"
#include "engine/sun.h"

namespace veloranth::rmath {
namespace {

using Rng = std::mt19937_64;
using Draw = std::function<double(Rng&)>;
using Pair = std::pair<double, double>;  // a result, or sine and cosine

Draw Uniform(double lo, double hi) {
    return [=](Rng& g) { return std::uniform_real_distribution<double>(lo, hi)(g); };
}

// Random sign, magnitude log-uniform over [10^lo, 10^hi].
Draw Magnitude(double lo, double hi) {
    return [=](Rng& g) {
        double m = std::pow(10.0, std::uniform_real_distribution<double>(lo, hi)(g));
        return (g() & 1) ? -m : m;
    };
}

// One function: its three forms over (x, y), and the argument draws, taken in turn.
struct Case {
    const char* name;
    std::function<Pair(double, double)> exact, production;
    std::function<bool(double, double, Pair&)> fastPath;
    std::vector<std::pair<Draw, Draw>> draws;  // second draw empty for one argument
};

#define ONE_ARGUMENT(f)                                                         \
    [](double x, double) { return Pair{slow::f(x), 0}; },                       \
        [](double x, double) { return Pair{f(x), 0}; },                         \
        [](double x, double, Pair& r) { return fast::f(x, r.first); }

std::vector<Case> Cases() {
    const Draw none, angle = Uniform(0, 6.3);
    // Declination and half-angle right ascension arguments, as the Sun's position has them.
    Draw sineOfDeclination = [=](Rng& g) { return std::sin(angle(g)) * 0.3977; };
    Draw coSide = [=](Rng& g) { return std::sqrt(1 - std::pow(std::sin(angle(g)) * 0.3978, 2)); };
    Draw halfAngle = [=](Rng& g) {
        double l = angle(g);
        return std::sqrt(1 - 0.158 * std::sin(l) * std::sin(l)) + std::cos(l);
    };
    Draw nearOne = [](Rng& g) {  // either sign
        double d = std::pow(10.0, Uniform(-14, -1)(g));
        return (g() & 1) ? d - 1 : 1 - d;
    };
    std::vector<std::pair<Draw, Draw>> trig = {{Uniform(-1900, 1900), none},
                                               {Uniform(-7, 7), none},
                                               {Uniform(-0.41, 0.41), none},
                                               {Magnitude(-12, 6), none},
                                               {Magnitude(6, 300), none}},
                                       inverse = {{Uniform(-1, 1), none},
                                                  {nearOne, none},
                                                  {Magnitude(-12, 0), none}};
    auto sinCos = [](void (*f)(double, double&, double&)) {
        return [f](double x, double) { Pair r; f(x, r.first, r.second); return r; };
    };
    return {
        {"sin", ONE_ARGUMENT(Sin), trig},
        {"cos", ONE_ARGUMENT(Cos), trig},
        {"sincos", sinCos(slow::SinCos), sinCos(SinCos),
         [](double x, double, Pair& r) { return fast::SinCos(x, r.first, r.second); }, trig},
        // The solver calls Sin and Cos apart where it needs one of them: SinCos's bits.
        {"sin,cos", sinCos(slow::SinCos), [](double x, double) { return Pair{Sin(x), Cos(x)}; },
         [](double x, double, Pair& r) { return fast::SinCos(x, r.first, r.second); }, trig},
        {"tan",
         ONE_ARGUMENT(Tan),
         {{Uniform(0, 1.57), none}, {Uniform(-1.5707, 1.5707), none}, {Magnitude(-12, 4), none}}},
        {"atan", ONE_ARGUMENT(Atan), {{Uniform(0, 1), none}, {Magnitude(-9, 9), none}}},
        {"atan2",
         [](double y, double x) { return Pair{slow::Atan2(y, x), 0}; },
         [](double y, double x) { return Pair{Atan2(y, x), 0}; },
         [](double y, double x, Pair& r) { return fast::Atan2(y, x, r.first); },
         {{sineOfDeclination, coSide},
          {Uniform(-0.92, 0.92), halfAngle},
          {Uniform(-1, 1), Uniform(-1, 1)},
          {Magnitude(-12, 12), Magnitude(-12, 12)}}},
        {"asin", ONE_ARGUMENT(Asin), inverse},
        {"acos", ONE_ARGUMENT(Acos), inverse},
        // The Sun's longitude from one sine and cosine of the anomaly: years 1800 to 2200,
        // around 2000 (where the sum is small and finely rounded), and beyond.
        {"sunlong",
         [](double T, double) { return Pair{SunLongitudeExact(T), 0}; },
         [](double T, double) { return Pair{SunLongitude(T), 0}; },
         [](double T, double, Pair& r) { return SunLongitudeEstimate(T, r.first); },
         {{Uniform(-2, 2), none}, {Uniform(-0.01, 0.01), none}, {Magnitude(0, 3), none}}},
    };
}

bool SameBits(const Pair& a, const Pair& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;  // two doubles, no padding
}

TEST(ReproMathPaths, FastPathsAgreeWithTheExactPathsBitForBit) {
    const char* text = std::getenv("VELORANTH_MATH_SAMPLES");
    const long samples = text && std::atol(text) > 0 ? std::atol(text) : 200000;
    Rng rng(20261207);
    for (const Case& c : Cases()) {
        const std::size_t n = c.draws.size();
        long mismatches = 0;
        std::vector<long> decided(n);
        for (long i = 0; i < samples; ++i) {
            const auto& draw = c.draws[i % n];
            const double x = draw.first(rng), y = draw.second ? draw.second(rng) : 0.0;
            const Pair want = c.exact(x, y);
            Pair fastValue;
            const bool fastDecided = c.fastPath(x, y, fastValue);
            decided[i % n] += fastDecided;
            if ((!SameBits(c.production(x, y), want) || (fastDecided && !SameBits(fastValue, want))) &&
                ++mismatches <= 5) {
                ADD_FAILURE() << c.name << "(" << std::hexfloat << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(mismatches, 0) << c.name;
        std::printf("%-7s %ld samples, fast path decided (by range, in order):", c.name, samples);
        for (std::size_t d = 0; d < n; ++d) {
            std::printf(" %.2f %%", 100.0 * decided[d] * n / samples);
        }
        std::printf("\n");
    }
}

}  // namespace
}  // namespace veloranth::rmath
