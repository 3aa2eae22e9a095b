// The fast paths of the elementary functions against their exact paths, bit for bit, on
// random arguments: the engine's ranges and wide ones. VELORANTH_MATH_SAMPLES sets the
// count per function (200,000 by default; 10,000,000 for a long run by hand). Prints the
// share of arguments each fast path decides.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/repro_math.h"
#include "engine/repro_math_paths.h"

namespace veloranth::rmath {
namespace {

std::uint64_t Bits(double x) {
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

long Samples() {
    const char* text = std::getenv("VELORANTH_MATH_SAMPLES");
    long n = text ? std::strtol(text, nullptr, 10) : 0;
    return n > 0 ? n : 200000;
}

using Rng = std::mt19937_64;
using Draw = std::function<double(Rng&)>;

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

// One function of one or two arguments, checked on a mix of argument draws.
struct Case {
    std::string name;
    std::function<double(double, double)> exact;
    std::function<double(double, double)> production;
    std::function<bool(double, double, double&)> fastPath;
    std::vector<std::pair<Draw, Draw>> draws;  // second draw empty for one argument
};

const double kObliquity = 23.43999 * 0.017453292519943295;

std::vector<Case> Cases() {
    Draw none;
    // Declination and half-angle right ascension arguments, as the Sun's position has them.
    Draw sineOfDeclination = [](Rng& g) {
        return std::sin(std::uniform_real_distribution<double>(0, 6.3)(g)) * std::sin(kObliquity);
    };
    Draw coSide = [](Rng& g) {
        double s = std::sin(std::uniform_real_distribution<double>(0, 6.3)(g)) * 0.3978;
        return std::sqrt(1 - s * s);
    };
    Draw halfAngle = [](Rng& g) {
        double l = std::uniform_real_distribution<double>(0, 6.3)(g);
        return std::sqrt(1 - 0.158 * std::sin(l) * std::sin(l)) + std::cos(l);
    };
    Draw nearOne = [](Rng& g) {
        double d = std::pow(10.0, std::uniform_real_distribution<double>(-14, -1)(g));
        return (g() & 1) ? d - 1 : 1 - d;
    };
    auto one = [](double (*f)(double)) { return [f](double x, double) { return f(x); }; };
    auto fastOne = [](bool (*f)(double, double&)) {
        return [f](double x, double, double& r) { return f(x, r); };
    };
    std::vector<std::pair<Draw, Draw>> trig = {{Uniform(-1900, 1900), none},
                                               {Uniform(-7, 7), none},
                                               {Uniform(-0.41, 0.41), none},
                                               {Magnitude(-12, 6), none}};
    return {
        {"sin", one(slow::Sin), one(Sin), fastOne(fast::Sin), trig},
        {"cos", one(slow::Cos), one(Cos), fastOne(fast::Cos), trig},
        {"sincos",
         [](double x, double) {
             double s, c;
             slow::SinCos(x, s, c);
             return s * 0.5 + c;  // both bit patterns matter: compared separately below
         },
         nullptr, nullptr, trig},
        {"tan",
         one(slow::Tan),
         one(Tan),
         fastOne(fast::Tan),
         {{Uniform(0, 1.57), none}, {Uniform(-1.5707, 1.5707), none}, {Magnitude(-12, 4), none}}},
        {"atan",
         one(slow::Atan),
         one(Atan),
         fastOne(fast::Atan),
         {{Uniform(0, 1), none}, {Magnitude(-9, 9), none}}},
        {"atan2",
         [](double y, double x) { return slow::Atan2(y, x); },
         [](double y, double x) { return Atan2(y, x); },
         [](double y, double x, double& r) { return fast::Atan2(y, x, r); },
         {{sineOfDeclination, coSide},
          {Uniform(-0.92, 0.92), halfAngle},
          {Uniform(-1, 1), Uniform(-1, 1)},
          {Magnitude(-12, 12), Magnitude(-12, 12)}}},
        {"asin",
         one(slow::Asin),
         one(Asin),
         fastOne(fast::Asin),
         {{Uniform(-1, 1), none}, {nearOne, none}, {Magnitude(-12, 0), none}}},
        {"acos",
         one(slow::Acos),
         one(Acos),
         fastOne(fast::Acos),
         {{Uniform(-1, 1), none}, {nearOne, none}, {Magnitude(-12, 0), none}}},
    };
}

TEST(ReproMathPaths, FastPathsAgreeWithTheExactPathsBitForBit) {
    const long samples = Samples();
    Rng rng(20261207);
    for (const Case& c : Cases()) {
        long decided = 0, mismatches = 0;
        std::vector<long> decidedByDraw(c.draws.size());
        for (long i = 0; i < samples; ++i) {
            const auto& draw = c.draws[i % c.draws.size()];
            double x = draw.first(rng);
            double y = draw.second ? draw.second(rng) : 0.0;
            bool agree;
            bool fastDecided;
            if (c.name == "sincos") {
                double es, ec, ps, pc, fs, fc;
                slow::SinCos(x, es, ec);
                SinCos(x, ps, pc);
                fastDecided = fast::SinCos(x, fs, fc);
                agree = Bits(ps) == Bits(es) && Bits(pc) == Bits(ec) &&
                        (!fastDecided || (Bits(fs) == Bits(es) && Bits(fc) == Bits(ec)));
            } else {
                double want = c.exact(x, y);
                double fastValue = 0;
                fastDecided = c.fastPath(x, y, fastValue);
                agree = Bits(c.production(x, y)) == Bits(want) &&
                        (!fastDecided || Bits(fastValue) == Bits(want));
            }
            decided += fastDecided;
            decidedByDraw[i % c.draws.size()] += fastDecided;
            if (!agree && ++mismatches <= 5) {
                ADD_FAILURE() << c.name << "(" << std::hexfloat << x << ", " << y << ")";
            }
        }
        EXPECT_EQ(mismatches, 0) << c.name;
        std::printf("%-7s %ld samples, fast path decided %.3f %% (by range, in order:",
                    c.name.c_str(), samples, 100.0 * decided / samples);
        for (std::size_t d = 0; d < c.draws.size(); ++d) {
            long drawn = (samples - static_cast<long>(d) + static_cast<long>(c.draws.size()) - 1) /
                         static_cast<long>(c.draws.size());
            std::printf(" %.2f", 100.0 * decidedByDraw[d] / drawn);
        }
        std::printf(")\n");
    }
}

}  // namespace
}  // namespace veloranth::rmath
