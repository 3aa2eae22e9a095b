// The Today line's columns and its cache on the date.
#include "today/today_line.h"

#include <gtest/gtest.h>

#include <cstring>

namespace veloranth {
namespace {

PrayerTimes Times(double fajr, double zuhr, double asr, double maghrib, double isha) {
    PrayerTimes t;
    t[Fajr] = fajr, t[Zuhr] = zuhr, t[Asr] = asr, t[Maghrib] = maghrib, t[Isha] = isha;
    return t;
}

const PrayerTimes kDay = Times(5.2, 13.75, 17 + 2 / 60.0, 20 + 31 / 60.0, 22 + 10 / 60.0);

TEST(ComposeTodayLine, FiveTimesAndTheName) {
    FoundTimes found;
    std::u16string line = ComposeTodayLine(kDay, found, u"Strasbourg");
    EXPECT_EQ(line, u"05:12  13:45  17:02  20:31  22:10  Strasbourg");
    EXPECT_EQ(line.size(), 45u);
    EXPECT_EQ(ComposeTodayLine(kDay, found, u"Saint-Etienne").substr(35), u"Saint-Etie");
    EXPECT_EQ(ComposeTodayLine(kDay, found, u"Alger").substr(35), u"Alger");
}

TEST(ComposeTodayLine, RoundingIntoTheNextDayAndNoTime) {
    FoundTimes found;
    PrayerTimes late = kDay;
    late[Isha] = 23 + 59 / 60.0 + 30.5 / 3600;
    EXPECT_EQ(ComposeTodayLine(late, found, u"Tromso").substr(28), u"00:00  Tromso");
    late[Isha] = 24.25;  // Isha after midnight, as in Oslo in June
    EXPECT_EQ(ComposeTodayLine(late, found, u"Oslo").substr(28), u"00:15  Oslo");
    found.found[Maghrib] = false;
    found.found[Isha] = false;
    EXPECT_EQ(ComposeTodayLine(kDay, found, u"Tromso"),
              u"05:12  13:45  17:02  --:--  --:--  Tromso");
}

struct PluginConfig {
    WideTown town;
    WideTown* table[1] = {&town};
    WideAppConfig cfg;
    PluginConfig() {
        std::u16string name = u"Strasbourg";
        name.copy(town.Name, name.size());
        town.latitude = 48.5734;
        town.longitude = 7.7521;
        town.TimeZone = 1;
        town.DST = 1;
        cfg.TownTable = table;
        cfg.NumberOfTowns = 1;
        cfg.Conventions[0].FajrTwilightAngle = 18;
        cfg.Conventions[0].IshaTwilightAngle = 17;
        cfg.Conventions[0].SunriseSetAngle = 0.833;
        cfg.Conventions[0].AsrShafi = true;
        cfg.Verbose = 3;
        ApplySelectedTown(cfg);
    }
    ~PluginConfig() { cfg.TownTable = nullptr; }
};

TEST(UpdateTodayLine, ComputesOncePerDateAndAfterATap) {
    PluginConfig p;
    TodayItemDay day;
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));
    EXPECT_EQ(p.cfg.Verbose, 0);
    std::u16string first = day.line;
    EXPECT_EQ(first.substr(35), u"Strasbourg");
    EXPECT_FALSE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));  // a second paint the same day
    day.engine.date.Year = 0;                                  // a tap
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));
    EXPECT_EQ(day.line, first);
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {16, 1, 2007}));  // after midnight
    EXPECT_NE(day.line, first);
}

// A town naming its zone gets the zone's offset of each day, whatever TimeZone and DST say.
TEST(UpdateTodayLine, AZoneGivesTheOffsetOfEachDay) {
    PluginConfig hours, zone;
    zone.town.TimeZone = zone.town.DST = 0;
    zone.town.zone = zones::FindZone("Europe/Paris");
    ApplySelectedTown(zone.cfg);
    for (ObservationDate date : {ObservationDate{24, 3, 2007}, {25, 3, 2007}, {15, 7, 2007}}) {
        TodayItemDay a, b;
        UpdateTodayLine(a, hours.cfg, date);
        UpdateTodayLine(b, zone.cfg, date);
        EXPECT_EQ(a.line, b.line);
    }
}

}  // namespace
}  // namespace veloranth
