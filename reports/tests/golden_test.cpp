// Every text of the reports byte for byte: each row computes one text for a town of
// data/reports.cfg at a date and time, and compares it with its file in data/.
#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "reports/calendar.h"
#include "reports/prayer_report.h"
#include "reports/sun_report.h"
#include "reports/tests/report_fixture.h"

namespace veloranth {
namespace {

using namespace fixture;

enum class Text { Report, Summary, Box, SunBox, SunReport, Month, Year, Ramadan };

struct Golden {
    Text text;
    int town;
    ObservationDate date;
    ObservationTime time;
    const char* file;
    int highLatitudeRule = 0;  // given to the town's convention
    const char16_t* config = u"data/reports.cfg";
    bool hijri = false;  // the Hijri date shown, shifted by `adjustment` days
    int adjustment = 0;
    int polarRule = 0;  // given to the town's convention
};

constexpr const char16_t* kZones = u"data/zones.cfg";
constexpr const char16_t* kReports = u"data/reports.cfg";
constexpr const char16_t* kCommunities = u"data/communities.cfg";
constexpr const char16_t* kShipped = u"../../data/data.cfg";
enum CommunityTown { kTeheran, kLaMecque, kLondres, kEdimbourg, kAlger };

const Golden kGoldens[] = {
    {Text::Report, kParis, {15, 1, 2007}, {12, 0, 0}, "paris-2007-01-15.report"},
    // Isha after Maghrib, fixed Zuhr, Hanafi Asr, negative and positive corrections.
    {Text::Report, kMecca, {15, 6, 2010}, {12, 0, 0}, "mecca-2010-06-15.report"},
    {Text::Report, kNewYork, {4, 7, 2009}, {12, 0, 0}, "newyork-2009-07-04.report"},
    {Text::Report, kTromso, {21, 12, 2007}, {12, 0, 0}, "tromso-2007-12-21.report"},
    // A seventh of the night: Fajr and Isha moved, and the report says so.
    {Text::Report, kTromso, {1, 5, 2026}, {12, 0, 0}, "tromso-2026-05-01-seventh.report", 2},
    // The polar night's times from the nearest latitude where the Sun rises: one line says so.
    {Text::Report, kTromso, {21, 12, 2007}, {12, 0, 0}, "tromso-2007-12-21-latitude.report", 0,
     kReports, false, 0, kNearestLatitude},
    {Text::Summary, kParis, {15, 1, 2007}, {9, 5, 7}, "paris-2007-01-15-0905.summary"},
    {Text::Summary, kTromso, {21, 6, 2007}, {23, 59, 0}, "tromso-2007-06-21.summary"},
    {Text::Summary, kLongNames, {1, 1, 2008}, {12, 0, 0}, "longnames-2008-01-01.summary"},
    {Text::Box, kParis, {15, 1, 2007}, {12, 0, 0}, "paris-2007-01-15.box"},
    {Text::Box, kTromso, {21, 6, 2007}, {12, 0, 0}, "tromso-2007-06-21.box"},
    {Text::SunBox, kParis, {15, 1, 2007}, {13, 0, 0}, "paris-2007-01-15-1300.sunbox"},
    // 00:30 in summer time: 22.5 h UT of the day before, day 0 of the month.
    {Text::SunReport, kParis, {1, 7, 2008}, {0, 30, 0}, "paris-2008-07-01-0030.sunreport"},
    // 1 February 2008 was a Friday: day 1 has the Friday colour although it is odd.
    {Text::Month, kParis, {17, 2, 2008}, {12, 0, 0}, "paris-2008-02.page"},
    {Text::Year, kParis, {17, 2, 2008}, {12, 0, 0}, "paris-2008.page"},
    {Text::Month, kTromso, {1, 12, 2007}, {12, 0, 0}, "tromso-2007-12.page"},
    // Names cannot inject markup into the page.
    {Text::Month, kMarkup, {1, 3, 2009}, {12, 0, 0}, "markup-2009-03.page"},
    // Towns named by their zone: offsets with minutes, Morocco's hour off in Ramadan.
    {Text::Report, kKathmandu, {20, 3, 2026}, {12, 0, 0}, "kathmandu-2026-03-20.report", 0, kZones},
    {Text::Summary, kTehran, {15, 6, 2026}, {9, 5, 0}, "tehran-2026-06-15-0905.summary", 0, kZones},
    {Text::Box, kHyderabad, {15, 6, 2026}, {12, 0, 0}, "hyderabad-2026-06-15.box", 0, kZones},
    {Text::SunBox, kStJohns, {15, 1, 2026}, {13, 0, 0}, "stjohns-2026-01-15-1300.sunbox", 0, kZones},
    {Text::Year, kCasablanca, {1, 1, 2026}, {12, 0, 0}, "casablanca-2026.page", 0, kZones},
    // The Hijri date where the file asks for it: the end of Ramadan 1447 and Chawwal.
    {Text::Month, kParis, {1, 3, 2026}, {12, 0, 0}, "paris-2026-03-hijri.page", 0, kReports, true},
    {Text::Year, kParis, {1, 1, 2026}, {12, 0, 0}, "paris-2026-hijri.page", 0, kReports, true},
    {Text::Summary, kParis, {7, 12, 2026}, {9, 5, 0}, "paris-2026-12-07-hijri.summary", 0,
     kReports, true},
    {Text::Report, kMecca, {19, 3, 2026}, {12, 0, 0}, "mecca-2026-03-19-hijri.report", 0,
     kReports, true, 1},
    {Text::Box, kMecca, {19, 3, 2026}, {12, 0, 0}, "mecca-2026-03-19-hijri.box", 0, kReports,
     true, -1},
    // The communities' lines: Maghrib at an angle, the Committee's season and its seventh of
    // the night, Ramadan's Isha; Imsak on the Ramadan days of the shipped table's page, and
    // the Part's page from the same table without the Hijri date.
    {Text::Report, kTeheran, {15, 6, 2026}, {12, 0, 0}, "tehran-2026-06-15-maghrib.report", 0,
     kCommunities},
    {Text::Report, kLondres, {21, 12, 2026}, {12, 0, 0}, "london-2026-12-21-season.report", 0,
     kCommunities},
    {Text::Report, kEdimbourg, {21, 6, 2026}, {12, 0, 0}, "edinburgh-2026-06-21-seventh.report",
     0, kCommunities},
    {Text::Report, kLaMecque, {10, 3, 2026}, {12, 0, 0}, "mecca-2026-03-10-ramadan.report", 0,
     kCommunities},
    {Text::Month, kParis, {1, 3, 2026}, {12, 0, 0}, "paris-2026-03-shipped.page", 0, kShipped,
     true},
    // Rounded up (line 11): the times shown, the report's rounded block and the calendar,
    // at the next minute; the report's exact and adjusted times to the second as they are.
    {Text::Report, kAlger, {15, 3, 2026}, {12, 0, 0}, "alger-up.report", 0, kCommunities},
    {Text::Summary, kAlger, {15, 3, 2026}, {9, 5, 0}, "alger-0905-up.summary", 0, kCommunities},
    {Text::Month, kAlger, {1, 3, 2026}, {12, 0, 0}, "alger-2026-03-up.page", 0, kCommunities},
    {Text::Month, kParis, {1, 3, 2026}, {12, 0, 0}, "paris-2026-03-shipped-nohijri.page", 0,
     kShipped},
    // Ramadan's page: 1448 (29 days) from the shipped table, and 1429 (30 days), which the
    // window writes for the Part's file in February 2008, Hijri date or not.
    {Text::Ramadan, kParis, {1, 1, 2027}, {12, 0, 0}, "paris-ramadan-1448.page", 0, kShipped,
     true},
    {Text::Ramadan, kParis, {17, 2, 2008}, {12, 0, 0}, "paris-ramadan-1429.page"},
};

std::string Compute(const Golden& g, MainState& s) {
    StringSink out;
    switch (g.text) {
        case Text::Report:
            PrayerTimeReport(s, &out);
            return out.str();
        case Text::Summary:
            BuildDaySummary(s);
            return Utf16ToCp1252(s.DaySummaryText);
        case Text::Box:
            return PrayerTimeBoxText(s);
        case Text::SunBox:
            return SunBoxText(s, nullptr);
        case Text::SunReport:
            SunReport(s, &out);
            return out.str();
        case Text::Month:
            return MonthCalendarHtml(s);
        case Text::Year:
            return YearCalendarHtml(s);
        case Text::Ramadan:
            return RamadanCalendarHtml(s);
    }
    return "";
}

class GoldenText : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenText, ByteForByte) {
    Loaded l(GetParam().town, GetParam().date, GetParam().time, GetParam().config);
    Convention& k = l.s.config.Conventions[l.s.config.CurrentConvention];
    k.HighLatitudeRule = GetParam().highLatitudeRule;
    k.PolarRule = GetParam().polarRule;
    l.s.config.HijriShown = GetParam().hijri;
    l.s.config.HijriAdjustment = GetParam().adjustment;
    ExpectGolden(GetParam().file, Compute(GetParam(), l.s));
}

// A failure names its file.
INSTANTIATE_TEST_SUITE_P(Reports, GoldenText, ::testing::ValuesIn(kGoldens));

}  // namespace
}  // namespace veloranth
