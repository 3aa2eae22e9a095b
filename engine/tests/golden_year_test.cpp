// Both builds must compute the same bits. Every third day of 2007 and some dates far from
// 2000, for towns from the polar circle to the southern hemisphere, compared with a file
// written by the native build (VELORANTH_WRITE_GOLDEN=1 rewrites it).
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/schedule.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

const char kGoldenPath[] = "data/schedules.golden";

std::string Bits(double x) {
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    char buf[20];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, u);
    return buf;
}

void AppendDay(std::string& out, const char* name, fixture::DayCase& s) {
    ComputeDaySchedule(s.state, s.in);
    char head[64];
    std::snprintf(head, sizeof head, "%s %d/%d/%d tz=%g wd=%d", name, s.state.date.Day,
                  s.state.date.Month, s.state.date.Year, s.state.TZeff, ScheduleWeekday(s.state));
    out += head;
    for (int k = 0; k < kSalatCount; ++k) {
        out += ' ';
        out += s.state.found[k] ? "" : "!";
        out += Bits(s.state.adjusted[k]);
    }
    out += '\n';
}

std::string ComputeAll() {
    struct Place {
        const char* name;
        fixture::Town town;
    } places[] = {
        {"paris", {48.8566, 2.3522, 1, 1}},     {"tromso", {69.6492, 18.9553, 1, 1}},
        {"jakarta", {-6.2088, 106.8456, 7, 0}}, {"sydney", {-33.8688, 151.2093, 10, 0}},
        {"newyork", {40.7128, -74.006, -5, 1}}, {"cairo", {30.0444, 31.2357, 2, 2}},
    };
    std::string out;
    for (const Place& p : places) {
        fixture::DayCase s(p.town, 1, 1, 2007);
        // Vary the convention per place so that every rule is exercised.
        if (p.town.timeZone == 2) {
            s.convention.AsrShafi = false;
            s.convention.IshaIsMaghribPlus = true;
            s.convention.IshaMaghribMinutes = 90;
        }
        if (p.town.timeZone == 7) {
            s.convention.ZuhrFixe = true;
            s.convention.ZuhrHour = 12.25;
            s.convention.FajrOffset = -2;
            s.convention.IshaOffset = 3.5;
        }
        const int monthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthLength[month - 1]; day += 3) {
                s.state.date = {day, month, 2007};
                AppendDay(out, p.name, s);
            }
        }
        for (int year : {1850, 1960, 2150}) {
            s.state.date = {21, 6, year};
            AppendDay(out, p.name, s);
        }
    }
    return out;
}

TEST(GoldenSchedules, BothBuildsComputeTheSameBits) {
    std::string computed = ComputeAll();
    if (std::getenv("VELORANTH_WRITE_GOLDEN") != nullptr) {
        std::ofstream(kGoldenPath, std::ios::binary) << computed;
    }
    std::ifstream in(kGoldenPath, std::ios::binary);
    ASSERT_TRUE(in) << kGoldenPath;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(computed, expected.str());  // gtest shows the differing lines
}

}  // namespace
}  // namespace veloranth
