// The main program's state loaded from data/reports.cfg for a town, date and time, and
// golden files: committed expected bytes (VELORANTH_WRITE_GOLDEN=1 rewrites them, to be
// reviewed before committing).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "base/codepage.h"
#include "config/parser.h"
#include "config/reader.h"
#include "reports/main_state.h"

namespace veloranth::fixture {

// The towns of data/reports.cfg, in file order.
enum TestTown { kParis, kMecca, kTromso, kNewYork, kLongNames, kMarkup, kSaintEtienne };
// The towns of data/zones.cfg, named by their tz database zone.
enum ZoneTown { kCasablanca = 0, kHyderabad = 3, kTehran = 4, kKathmandu = 5, kStJohns = 6 };

struct Loaded {
    MainState s;
    Loaded(int town, ObservationDate date, ObservationTime time = {12, 0, 0},
           const char16_t* config = u"data/reports.cfg") {
        StringSink messages;
        EXPECT_EQ(ReadConfigFile(config, u"", s.config, messages), kReadOk) << messages.str();
        s.config.TownSelected = town;
        ApplySelectedTown(s.config);
        s.townApplied = true;
        s.date = date;
        s.time = time;
    }
};

// Compares with data/<name> (gtest shows the differing lines). VELORANTH_WRITE_GOLDEN=1
// writes the golden instead and fails: a run that wrote its own expectations checked none.
inline void ExpectGolden(const std::string& name, const std::string& actual) {
    if (std::getenv("VELORANTH_WRITE_GOLDEN") != nullptr) {
        std::ofstream("data/" + name, std::ios::binary) << actual;
        ADD_FAILURE() << "data/" << name << " written: look at its diff, then run again";
        return;
    }
    std::stringstream golden;
    golden << std::ifstream("data/" + name, std::ios::binary).rdbuf();
    EXPECT_EQ(actual, golden.str()) << name;
}

}  // namespace veloranth::fixture
