// Spot checks of the zone tables against zdump's reading of the tz database, and the
// checksum that shows this build reads the tables as the generator computed them.
#include "zones/zones.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zones_check.inc"

namespace veloranth::zones {
namespace {

struct NoonCase {
    const char* zone;
    int year, month, day;
    std::int32_t offset;
    bool daylight_saving;  // as users see it
};

TEST(Zones, OffsetAtLocalNoon) {
    const NoonCase cases[] = {
        {"Asia/Kolkata", 2026, 1, 15, 19800, false},
        {"Asia/Kathmandu", 2026, 7, 1, 20700, false},
        {"Asia/Katmandu", 1970, 1, 1, 19800, false},  // +5:30 until 1986
        {"Asia/Tehran", 2021, 3, 21, 12600, false},
        {"Asia/Tehran", 2021, 3, 22, 16200, true},
        {"Asia/Tehran", 2023, 7, 1, 12600, false},  // no more daylight saving
        // Morocco: +01 all year but for Ramadan (+00, which the database flags as DST).
        {"Africa/Casablanca", 2026, 2, 14, 3600, true},
        {"Africa/Casablanca", 2026, 2, 15, 0, false},
        {"Africa/Casablanca", 2026, 3, 22, 3600, true},
        {"Africa/Casablanca", 2090, 7, 1, 3600, false},  // no Ramadan change after 2087
        {"Africa/Cairo", 2026, 4, 24, 10800, true},
        {"Africa/Cairo", 2026, 10, 29, 10800, true},  // back at 24:00
        {"Africa/Cairo", 2026, 10, 30, 7200, false},
        {"Europe/Dublin", 2026, 1, 15, 0, false},
        {"Europe/Dublin", 2026, 7, 1, 3600, true},
        {"Africa/Monrovia", 1971, 6, 15, -2670, false},  // -0:44:30
        // A year whose standard time moved east counts as daylight saving after the move.
        {"Africa/Monrovia", 1972, 6, 15, 0, true},
        {"Australia/Sydney", 2026, 1, 15, 39600, true},
        {"Australia/Sydney", 2095, 7, 1, 36000, false},  // from the recurring rule
        {"Australia/Lord_Howe", 2026, 7, 1, 37800, false},
        {"America/New_York", 2099, 7, 4, -14400, true},
        // The clock skips 12:00: the offset after the jump.
        {"Pacific/Apia", 2011, 12, 30, 50400, true},
        {"Africa/Khartoum", 2000, 1, 15, 10800, true},
        // Days and months roll over.
        {"Africa/Cairo", 2026, 4, 31, 10800, true},   // 1 May
        {"Africa/Cairo", 2026, 11, 0, 7200, false},   // 31 October
        {"Africa/Cairo", 2027, -5, 15, 10800, true},  // 15 July 2026
    };
    for (const NoonCase& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year) + "-" +
                     std::to_string(c.month) + "-" + std::to_string(c.day));
        const Zone* zone = FindZone(c.zone);
        ASSERT_NE(zone, nullptr);
        EXPECT_EQ(OffsetAtLocalNoon(zone, c.year, c.month, c.day), c.offset);
        EXPECT_EQ(DaylightSavingAtLocalNoon(zone, c.year, c.month, c.day), c.daylight_saving);
    }
}

TEST(Zones, OffsetAtInstantKeepsTheDatabaseFlag) {
    struct Case {
        const char* zone;
        std::int64_t utc;
        std::int32_t offset;
        bool dst;
    } const cases[] = {
        {"Europe/Dublin", 1767225600, 0, true},    // 2026-01-01: winter is Dublin's DST
        {"Europe/Paris", 1774746000, 7200, true},  // 2026-03-29 01:00Z: the change itself
        {"Europe/Paris", 1774745999, 3600, false},
        {"Africa/Monrovia", 63593069, -2670, false},  // 1972-01-07 00:44:29Z
        {"Africa/Monrovia", 63593070, 0, false},
        {"America/Toronto", INT64_MIN, -18000, false},  // before the tables: 1970's offset
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.utc));
        const UtcOffset offset = OffsetAt(FindZone(c.zone), c.utc);
        EXPECT_EQ(offset.seconds, c.offset);
        EXPECT_EQ(offset.dst, c.dst);
    }
}

TEST(Zones, SmallestOffsetOfYear) {
    struct Case {
        const char* zone;
        int year;
        std::int32_t smallest;
    } const cases[] = {
        {"Africa/Casablanca", 2090, 3600},
        {"Pacific/Apia", 2011, -39600},  // before 2011's jump over the date line
        {"Pacific/Apia", 2012, 46800},
        {"America/Sao_Paulo", 2019, -10800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year));
        EXPECT_EQ(SmallestOffsetOfYear(FindZone(c.zone), c.year), c.smallest);
    }
}

TEST(Zones, NamesAndLinks) {
    EXPECT_EQ(ZoneName(FindZone("America/Montreal")), "America/Toronto");
    EXPECT_EQ(FindZone("America/Montreal"), FindZone("America/Toronto"));
    EXPECT_EQ(ZoneName(FindZone("Asia/Calcutta")), "Asia/Kolkata");
    for (const char* unknown : {"Mars/Olympus_Mons", "", "europe/paris", "Europe/Paris ", "Europe",
                                "Europe/", "Europe/Paris/x"}) {
        EXPECT_EQ(FindZone(unknown), nullptr) << unknown;
    }
    EXPECT_EQ(FindZone(std::string_view("Zulu\0", 5)), nullptr);

    // Every listed name is found: the checksum test walks the list.
    EXPECT_GT(ZoneNameCount(), 500u);
    EXPECT_EQ(ZoneNameAt(ZoneNameCount()), "");

    const std::string version = TzDatabaseVersion();
    EXPECT_EQ(version.size(), 5u);
    EXPECT_EQ(version.find_first_not_of("0123456789"), 4u) << version;
}

TEST(Zones, NullZoneAndExtremeDatesAreSafe) {
    EXPECT_EQ(ZoneName(nullptr), "");
    EXPECT_EQ(OffsetAt(nullptr, 0).seconds, 0);
    EXPECT_EQ(OffsetAtLocalNoon(nullptr, 2026, 1, 1), 0);
    EXPECT_FALSE(DaylightSavingAtLocalNoon(nullptr, 2026, 7, 1));
    const UtcOffset far = OffsetAt(FindZone("America/Toronto"), INT64_MAX);
    EXPECT_EQ(far.seconds, far.dst ? -14400 : -18000);
    const Zone* sydney = FindZone("Australia/Sydney");
    for (int year : {INT_MIN, -1000000, 0, 1000000, INT_MAX}) {
        for (int month : {INT_MIN, 1, INT_MAX}) {
            for (int day : {INT_MIN, 1, INT_MAX}) {
                const std::int32_t offset = OffsetAtLocalNoon(sydney, year, month, day);
                EXPECT_TRUE(offset == 36000 || offset == 39600) << year << " " << month;
            }
        }
        EXPECT_EQ(SmallestOffsetOfYear(sydney, year), 36000);
    }
}

// FNV-1a over 32-bit values, one step per value, as tools/gen_zones.py computes it.
std::uint64_t Fnv(std::uint64_t hash, const std::vector<std::int32_t>& values) {
    for (std::int32_t value : values) {
        hash = (hash ^ static_cast<std::uint32_t>(value)) * 0x100000001B3ULL;
    }
    return hash;
}

// The generator's zone_values() through the C++ lookup.
std::uint64_t ZoneDigest(const Zone* zone) {
    std::vector<std::int32_t> values;
    for (int year = kChecksumFirstYear; year <= kChecksumLastYear; ++year) {
        const std::int32_t smallest = SmallestOffsetOfYear(zone, year);
        values.push_back(smallest);
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15}) {
                const std::int32_t noon = OffsetAtLocalNoon(zone, year, month, day);
                values.push_back(noon);
                values.push_back(noon > smallest ? 1 : 0);
            }
        }
    }
    for (std::int64_t t = 0; t < kChecksumInstantEnd; t += kChecksumInstantStep) {
        const UtcOffset offset = OffsetAt(zone, t);
        values.push_back(offset.seconds);
        values.push_back(offset.dst ? 1 : 0);
    }
    return Fnv(0xCBF29CE484222325ULL, values);
}

// Every name in order, then its zone's digest: the same names, links, offsets and flags as
// the generator read from the zone files. Under Wine, the Windows build's reading too.
TEST(Zones, ChecksumOfTheGeneratorsOffsets) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (std::size_t i = 0; i < ZoneNameCount(); ++i) {
        const std::string_view name = ZoneNameAt(i);
        const std::uint64_t digest = ZoneDigest(FindZone(name));
        hash = Fnv(hash, std::vector<std::int32_t>(name.begin(), name.end()));
        hash =
            Fnv(hash, {static_cast<std::int32_t>(digest), static_cast<std::int32_t>(digest >> 32)});
    }
    EXPECT_EQ(hash, kChecksum);
}

}  // namespace
}  // namespace veloranth::zones
