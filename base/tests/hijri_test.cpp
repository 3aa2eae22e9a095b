// The Hijri calendar against an independent implementation (idate, on the ITL library) and
// ICU's dates, and day after day across both ends of the Umm al-Qura table.
#include "base/hijri.h"

#include <climits>
#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "base/calendar_date.h"

namespace veloranth {
namespace {

// Lines "GREGORIAN HIJRI [ADJUSTMENT]", dates as YYYY-MM-DD; other lines are comments.
int CheckDates(const char* path) {
    std::ifstream file(path);
    int count = 0;
    for (std::string line; std::getline(file, line);) {
        int y, m, d, adjustment = 0;
        char hijri[16];
        if (std::sscanf(line.c_str(), "%d-%d-%d %15s %d", &y, &m, &d, hijri, &adjustment) >= 4) {
            EXPECT_EQ(HijriIsoText(HijriFromCivil(y, m, d, adjustment)), hijri) << line;
            // And back, by the same adjustment.
            HijriDate h{};
            std::int64_t days = 0;
            std::sscanf(hijri, "%d-%d-%d", &h.year, &h.month, &h.day);
            EXPECT_TRUE(DaysFromHijri(h, adjustment, days) && days == DaysFromCivil(y, m, d))
                << line;
            ++count;
        }
    }
    return count;
}

TEST(Hijri, DatesOfIdateAndIcu) {
    EXPECT_GT(CheckDates("data/idate_umm_alqura.txt"), 1300);
    EXPECT_GT(CheckDates("data/hijri_dates.txt"), 20);
}

// Each day from 1583 to 9999 follows the one before, in months of 29 or 30 days, and turns
// back into its civil day; a month's day 30 exists only in a month of 30 days; no input
// overflows.
TEST(Hijri, DaysRunOnOneByOne) {
    HijriDate before = HijriFromDays(DaysFromCivil(1583, 1, 1));
    for (std::int64_t d = DaysFromCivil(1583, 1, 2); d <= DaysFromCivil(9999, 12, 31); ++d) {
        const HijriDate date = HijriFromDays(d);
        const HijriDate nextMonth{before.year + (before.month == 12), before.month % 12 + 1, 1};
        ASSERT_TRUE(
            (date == HijriDate{before.year, before.month, before.day + 1} && date.day <= 30) ||
            (date == nextMonth && before.day >= 29))
            << HijriIsoText(before) << " then " << HijriIsoText(date) << " on day " << d;
        std::int64_t back = 0;
        ASSERT_TRUE(DaysFromHijri(date, 0, back) && back == d) << HijriIsoText(date);
        if (date.day == 1) {
            ASSERT_EQ(DaysFromHijri({before.year, before.month, 30}, 0, back), before.day == 30)
                << HijriIsoText(before);
        }
        before = date;
    }
    for (int v : {INT_MIN, INT_MAX}) {
        const HijriDate date = HijriFromCivil(v, v, v, v);
        EXPECT_TRUE(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 30);
    }
}

}  // namespace
}  // namespace veloranth
