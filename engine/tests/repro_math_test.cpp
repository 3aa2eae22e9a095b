// The engine's own elementary functions against correctly rounded references (200-bit
// arithmetic, tools/gen_math_reference.py), and their special values.
#include "engine/repro_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace veloranth::rmath {
namespace {

double FromBits(const std::string& hex) {
    std::uint64_t u = std::stoull(hex, nullptr, 16);
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

std::int64_t UlpDistance(double a, double b) {
    std::int64_t ia, ib;
    std::memcpy(&ia, &a, sizeof a);
    std::memcpy(&ib, &b, sizeof b);
    return ia > ib ? ia - ib : ib - ia;
}

double Evaluate(const std::string& f, double x, double y) {
    using Function = double (*)(double, double);
    static const std::map<std::string, Function> functions = {
        {"sin", [](double x, double) { return Sin(x); }},
        {"cos", [](double x, double) { return Cos(x); }},
        {"tan", [](double x, double) { return Tan(x); }},
        {"atan", [](double x, double) { return Atan(x); }},
        {"atan2", [](double y, double x) { return Atan2(y, x); }},
        {"asin", [](double x, double) { return Asin(x); }},
        {"acos", [](double x, double) { return Acos(x); }}};
    auto found = functions.find(f);
    EXPECT_NE(found, functions.end()) << "unknown function " << f;
    return found == functions.end() ? 0 : found->second(x, y);
}

TEST(ReproMath, CorrectlyRoundedAlmostAlways) {
    std::ifstream in("data/math_reference.txt");
    ASSERT_TRUE(in);
    std::map<std::string, int> cases, misrounded;
    std::string f, x, y, want;
    while (in >> f >> x >> y >> want) {
        double got = Evaluate(f, FromBits(x), FromBits(y));
        std::int64_t d = UlpDistance(got, FromBits(want));
        ASSERT_LE(d, 1) << f << "(" << FromBits(x) << ", " << FromBits(y) << ")";
        cases[f]++;
        misrounded[f] += d != 0;
    }
    ASSERT_EQ(cases.size(), 7u);
    for (const auto& [name, n] : cases) {
        EXPECT_LE(misrounded[name] * 1000, n) << name;  // at most 1 in 1000
    }
}

TEST(ReproMath, SpecialValuesExactly) {
    std::ifstream in("data/math_special.txt");
    ASSERT_TRUE(in);
    int cases = 0;
    for (std::string line, f, x, y, want; std::getline(in, line);) {
        std::istringstream fields(line);
        if (line[0] != '#' && fields >> f >> x >> y >> want) {
            double got = Evaluate(f, std::strtod(x.c_str(), nullptr), std::strtod(y.c_str(), nullptr));
            double expected = std::strtod(want.c_str(), nullptr);
            EXPECT_TRUE(std::isnan(expected) ? std::isnan(got) : UlpDistance(got, expected) == 0)
                << line << ": " << std::hexfloat << got;
            ++cases;
        }
    }
    EXPECT_GT(cases, 20);
}

}  // namespace
}  // namespace veloranth::rmath
