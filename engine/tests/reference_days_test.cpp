// The engine's reference days: each file of data/days names a place, a convention and a
// date, and the values the day's schedule must give, with their tolerance. The same
// places and conventions over every third day of their year and far dates make the
// golden schedules that both builds must compute bit for bit (VELORANTH_WRITE_GOLDEN=1
// rewrites them from the native build).
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/format.h"
#include "engine/midnight.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/solver.h"
#include "engine/town_clock.h"
#include "zones/zones.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> DayFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator("data/days")) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

int Kind(const std::string& name) {
    const char* names[kSalatCount] = {"Fajr", "Chourouk", "Zuhr", "Asr", "Maghrib", "Isha"};
    int k = static_cast<int>(std::find(names, names + kSalatCount, name) - names);
    EXPECT_LT(k, kSalatCount) << "unknown prayer " << name;
    return k % kSalatCount;
}

// One file: its set-up lines make the day; the other lines are the checks.
struct ReferenceDay {
    ObservationDate date;
    PrayerDay day;
    ConventionRules k;
    DayInputs in;
    double tolerance = 0;
    bool community = false;  // a line 7's settings: the golden also holds its three times
    std::string zoneName;
    std::vector<std::string> checks;

    explicit ReferenceDay(const std::string& file) {
        std::ifstream lines("data/days/" + file);
        EXPECT_TRUE(lines) << file;
        in.convention = &k;
        for (std::string line, key; std::getline(lines, line);) {
            std::istringstream fields(line);
            if (fields >> key && key[0] != '#' && !SetUp(key, fields)) {
                checks.push_back(line);
            }
        }
    }

    bool SetUp(const std::string& key, std::istringstream& in_) {
        double lat, lon;
        if (key == "town" && in_ >> lat >> lon >> in.CurrentTimeZone >> in.CurrentDst) {
            in.LatitudeRad = lat * DegToRad;
            in.LongitudeRad = lon * DegToRad;
        } else if (key == "zone" && in_ >> zoneName) {
            in.zone = zones::FindZone(zoneName);
            EXPECT_NE(in.zone, nullptr) << zoneName;
        } else if (key == "date") {
            in_ >> date.Day >> date.Month >> date.Year;
        } else if (key == "angles") {
            in_ >> k.FajrTwilightAngle >> k.IshaTwilightAngle >> k.SunriseSetAngle;
        } else if (key == "asr") {
            in_ >> k.AsrShafi;
        } else if (key == "isha-plus") {
            k.IshaIsMaghribPlus = static_cast<bool>(in_ >> k.IshaMaghribMinutes);
        } else if (key == "zuhr-fixed") {
            k.ZuhrFixe = static_cast<bool>(in_ >> k.ZuhrHour);
        } else if (key == "offsets") {
            in_ >> k.FajrOffset >> k.ChouroukOffset >> k.ZuhrOffset >> k.AsrOffset >>
                k.MaghribOffset >> k.IshaOffset;
        } else if (key == "high-lat") {
            in_ >> k.HighLatitudeRule;
        } else if (key == "polar") {
            in_ >> k.PolarRule;
        } else if (key == "daily-sun") {
            in_ >> k.DailySun;
        } else if (key == "community") {
            int midnight = 0;
            community = static_cast<bool>(in_ >> k.MaghribTwilightAngle >> k.ImsakMinutes >>
                                          midnight >> k.RamadanIshaMinutes >> k.SeasonalTwilight);
            k.JafariMidnight = midnight == 1;
        } else if (key == "tolerance") {
            in_ >> tolerance;
        } else {
            return false;
        }
        return true;
    }

    void Check(const std::string& line) {
        std::istringstream in_(line);
        std::string key, name, how, text;
        double value = 0;
        in_ >> key;
        if (key == "tzeff" && in_ >> value) {
            EXPECT_EQ(day.TZeff, value);
        } else if (key == "status" && in_ >> name >> value) {  // which way the Sun misses
            double hours;
            PrayerDay copy = day;
            EngineMemo memo;
            DayRun run{copy, in, memo, nullptr};
            EXPECT_EQ(SalatHour(run, Latitude(in.LatitudeRad), Kind(name), hours), value);
        } else if (key == "dst" && in_ >> value) {
            EXPECT_EQ(day.dst, value != 0);
            EXPECT_EQ(ClockOn(date, in).dst, value != 0);
        } else if (key == "weekday" && in_ >> value) {
            EXPECT_EQ(day.weekday, value);
        } else if ((key == "exact" || key == "adjusted") && in_ >> name >> how >> value) {
            double got = (key == "exact" ? day.exact : day.adjusted)[Kind(name)];
            EXPECT_NEAR(got, value, how == "==" ? 0.0 : tolerance) << line;
        } else if (key == "text" && in_ >> name >> text) {
            EXPECT_EQ(FormatHours(day.exact[Kind(name)]).text, text) << name;
        } else if (key == "every-day") {  // of the year: six times, in their order
            EngineMemo memo;
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= DaysInMonth(m, date.Year); ++d) {
                    const PrayerDay p = ComputeDaySchedule(in, {d, m, date.Year}, &memo);
                    bool ordered = true;
                    for (int k = 0; k < kSalatCount; ++k) {
                        ordered =
                            ordered && p.found[k] && (k == 0 || p.adjusted[k - 1] < p.adjusted[k]);
                    }
                    EXPECT_TRUE(ordered) << d << "/" << m;
                }
            }
        } else if (key == "shown" || key == "found") {
            for (int k = 0; k < kSalatCount && in_ >> text; ++k) {
                EXPECT_EQ(key == "shown" ? ShownTime(day.adjusted, day.found, k)
                                         : std::string(day.found[k] ? "1" : "0"),
                          text)
                    << line << ": " << k;
            }
        } else {
            ADD_FAILURE() << "unreadable line: " << line;
        }
    }
};

class ReferenceDays : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceDays, MatchesItsFigures) {
    ReferenceDay day(GetParam());
    ASSERT_FALSE(day.checks.empty()) << GetParam();
    day.day = ComputeDaySchedule(day.in, day.date);
    for (const std::string& line : day.checks) {
        day.Check(line);
    }
}

// A failure names its file ("where GetParam() = ...").
INSTANTIATE_TEST_SUITE_P(Days, ReferenceDays, ::testing::ValuesIn(DayFiles()));

// A day's line of the golden schedules: date, zone, weekday, and the bits of each time.
void AppendDay(std::string& out, const ReferenceDay& ref, int d, int month, int year) {
    const PrayerDay day = ref.community ? ComputeDayWithMidnight(ref.in, {d, month, year})
                                        : ComputeDaySchedule(ref.in, {d, month, year});
    char text[64];
    std::snprintf(text, sizeof text, "%d/%d/%d tz=%g wd=%d", d, month, year, day.TZeff,
                  day.weekday);
    out += text;
    for (int k = 0; k < kSalatCount; ++k) {
        std::uint64_t bits;
        std::memcpy(&bits, &day.adjusted.time[k], sizeof bits);
        std::snprintf(text, sizeof text, " %s%016" PRIx64, day.found[k] ? "" : "!", bits);
        out += text;
    }
    for (int k = 0; ref.community && k < kCommunityCount; ++k) {
        std::uint64_t bits;
        std::memcpy(&bits, &day.community.time[k], sizeof bits);
        std::snprintf(text, sizeof text, " %s%016" PRIx64, day.community.found[k] ? "" : "!", bits);
        out += text;
    }
    out += '\n';
}

TEST(GoldenSchedules, BothBuildsComputeTheSameBits) {
    std::string computed;
    for (const std::string& file : DayFiles()) {
        ReferenceDay day(file);
        const int year = day.date.Year;
        computed += file + "\n";
        for (int month = 1; month <= 12; ++month) {
            for (int d = 1; d <= DaysInMonth(month, year); d += 3) {
                AppendDay(computed, day, d, month, year);
            }
        }
        for (int far : {1850, 1960, 2150}) {
            AppendDay(computed, day, 21, 6, far);
        }
    }
    const char path[] = "data/schedules.golden";
    if (std::getenv("VELORANTH_WRITE_GOLDEN") != nullptr) {  // written, so nothing checked
        std::ofstream(path, std::ios::binary) << computed;
        FAIL() << path << " written: look at its diff, then run again";
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(computed, expected.str());  // gtest shows the differing lines
}

}  // namespace
}  // namespace veloranth
