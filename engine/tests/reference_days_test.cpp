// The engine's reference days: each file of data/days names a place, a convention and a
// date, and the values the day's schedule must give, with their tolerance.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/constants.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"

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
    for (int k = 0; k < kSalatCount; ++k) {
        if (name == names[k]) {
            return k;
        }
    }
    ADD_FAILURE() << "unknown prayer " << name;
    return 0;
}

// One file: the set-up lines, then the day is computed and the other lines checked.
class ReferenceDay : public ::testing::TestWithParam<std::string> {
  protected:
    bool SetUp(const std::string& key, std::istringstream& in) {
        double lat, lon;
        if (key == "town" && in >> lat >> lon >> in_.CurrentTimeZone >> in_.CurrentDst) {
            in_.LatitudeRad = lat * DegToRad;
            in_.LongitudeRad = lon * DegToRad;
        } else if (key == "zone" && in >> text_) {
            in_.zone = zones::FindZone(text_);
        } else if (key == "date") {
            in >> state_.date.Day >> state_.date.Month >> state_.date.Year;
        } else if (key == "angles") {
            in >> k_.FajrTwilightAngle >> k_.IshaTwilightAngle >> k_.SunriseSetAngle;
        } else if (key == "asr") {
            in >> k_.AsrShafi;
        } else if (key == "isha-plus") {
            in >> k_.IshaMaghribMinutes;
            k_.IshaIsMaghribPlus = true;
        } else if (key == "zuhr-fixed") {
            in >> k_.ZuhrHour;
            k_.ZuhrFixe = true;
        } else if (key == "offsets") {
            in >> k_.FajrOffset >> k_.ChouroukOffset >> k_.ZuhrOffset >> k_.AsrOffset >>
                k_.MaghribOffset >> k_.IshaOffset;
        } else if (key == "tolerance") {
            in >> tolerance_;
        } else {
            return false;
        }
        return true;
    }

    void Check(const std::string& key, std::istringstream& in) {
        std::string name, how, text;
        double value = 0;
        if (key == "tzeff" && in >> value) {
            EXPECT_EQ(state_.TZeff, value);
        } else if (key == "dst" && in >> value) {
            EXPECT_EQ(ClockOn(state_.date, in_).dst, value != 0);
        } else if (key == "weekday" && in >> value) {
            EXPECT_EQ(ScheduleWeekday(state_), value);
        } else if ((key == "exact" || key == "adjusted") && in >> name >> how >> value) {
            double got = (key == "exact" ? state_.exact : state_.adjusted)[Kind(name)];
            if (how == "==") {
                EXPECT_EQ(got, value) << key << " " << name;
            } else {
                EXPECT_NEAR(got, value, tolerance_) << key << " " << name;
            }
        } else if (key == "text" && in >> name >> text) {
            EXPECT_EQ(FormatHours(state_.exact[Kind(name)]).text, text) << name;
        } else if (key == "shown") {
            for (int k = 0; k < kSalatCount && in >> text; ++k) {
                EXPECT_EQ(ShownTime(state_.adjusted, state_.found, k), text) << k;
            }
        } else if (key == "found") {
            for (int k = 0; k < kSalatCount && in >> value; ++k) {
                EXPECT_EQ(state_.found[k], value != 0) << k;
            }
        } else {
            ADD_FAILURE() << "unreadable line: " << key << " " << in.str();
        }
    }

    EngineState state_;
    ConventionRules k_;
    DayInputs in_;
    double tolerance_ = 0;
    std::string text_;
};

TEST_P(ReferenceDay, MatchesItsFigures) {
    std::ifstream file("data/days/" + GetParam());
    ASSERT_TRUE(file) << GetParam();
    std::vector<std::string> checks;
    in_.convention = &k_;
    for (std::string line, key; std::getline(file, line);) {
        std::istringstream in(line);
        if (in >> key && key[0] != '#' && !SetUp(key, in)) {
            checks.push_back(line);
        }
    }
    ASSERT_FALSE(checks.empty()) << GetParam();
    ComputeDaySchedule(state_, in_);
    for (const std::string& line : checks) {
        std::istringstream in(line);
        std::string key;
        in >> key;
        Check(key, in);
    }
}

INSTANTIATE_TEST_SUITE_P(Days, ReferenceDay, ::testing::ValuesIn(DayFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace veloranth
