// Spot checks of the zone tables against zdump's reading of the tz database, and the
// checksum that shows this build reads the tables as the generator computed them.
#include "zones/zones.h"

#include <climits>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zones_check.inc"

namespace veloranth::zones {
namespace {

// One line of data/offsets.txt: its kind, then the zone, then the figures.
void CheckLine(std::istringstream& in) {
    std::string kind, zoneName;
    in >> kind >> zoneName;
    const Zone* zone = FindZone(zoneName);
    ASSERT_NE(zone, nullptr) << zoneName;
    std::int64_t a, b, c, offset, dst;
    if (kind == "noon" && in >> a >> b >> c >> offset >> dst) {
        EXPECT_EQ(OffsetAtLocalNoon(zone, int(a), int(b), int(c)), offset);
        EXPECT_EQ(DaylightSavingAtLocalNoon(zone, int(a), int(b), int(c)), dst != 0);
    } else if (kind == "at" && in >> a >> offset >> dst) {
        EXPECT_EQ(OffsetAt(zone, a).seconds, offset);
        EXPECT_EQ(OffsetAt(zone, a).dst, dst != 0);
    } else if (kind == "smallest" && in >> a >> offset) {
        EXPECT_EQ(SmallestOffsetOfYear(zone, int(a)), offset);
    } else {
        ADD_FAILURE() << "unreadable line";
    }
}

TEST(Zones, OffsetsAsTheDatabaseGivesThem) {
    std::ifstream file("data/offsets.txt");
    ASSERT_TRUE(file);
    for (std::string line; std::getline(file, line);) {
        std::istringstream in(line.substr(0, line.find('#')));
        if (in.str().find_first_not_of(' ') != std::string::npos) {
            SCOPED_TRACE(line);
            CheckLine(in);
        }
    }
}

TEST(Zones, NamesLinksAndSafetyOnAnyInput) {
    EXPECT_EQ(ZoneName(FindZone("America/Montreal")), "America/Toronto");
    EXPECT_EQ(ZoneName(FindZone("Asia/Calcutta")), "Asia/Kolkata");
    const std::string_view unknowns[] = {std::string_view("Zulu\0", 5), "Mars/Olympus_Mons", "",
                                         "europe/paris", "Europe/Paris ", "Europe", "Europe/",
                                         "Europe/Paris/x"};
    for (std::string_view unknown : unknowns) {
        EXPECT_EQ(FindZone(unknown), nullptr) << unknown;
    }
    EXPECT_EQ(ZoneNameAt(ZoneNameCount()), "");

    // No zone: no name, no offset, no daylight saving.
    EXPECT_TRUE(ZoneName(nullptr).empty() && !DaylightSavingAtLocalNoon(nullptr, 2026, 7, 1));
    EXPECT_EQ(OffsetAt(nullptr, 0).seconds + OffsetAtLocalNoon(nullptr, 2026, 1, 1), 0);
    const UtcOffset far = OffsetAt(FindZone("America/Toronto"), INT64_MAX);
    EXPECT_EQ(far.seconds, far.dst ? -14400 : -18000);
    const Zone* sydney = FindZone("Australia/Sydney");
    for (int extreme : {INT_MIN, -1000000, 0, 1, 1000000, INT_MAX}) {
        for (int other : {INT_MIN, 1, INT_MAX}) {
            const std::int32_t a = OffsetAtLocalNoon(sydney, extreme, other, other);
            const std::int32_t b = OffsetAtLocalNoon(sydney, other, extreme, extreme);
            EXPECT_TRUE((a == 36000 || a == 39600) && (b == 36000 || b == 39600)) << extreme;
        }
        EXPECT_EQ(SmallestOffsetOfYear(sydney, extreme), 36000);
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
                values.insert(values.end(), {noon, noon > smallest ? 1 : 0});
            }
        }
    }
    for (std::int64_t t = 0; t < kChecksumInstantEnd; t += kChecksumInstantStep) {
        const UtcOffset offset = OffsetAt(zone, t);
        values.insert(values.end(), {offset.seconds, offset.dst ? 1 : 0});
    }
    return Fnv(0xCBF29CE484222325ULL, values);
}

// Every name in order, then its zone's digest: the same names, links, offsets and flags as
// the generator read from the zone files. Under Wine, the Windows build's reading too.
TEST(Zones, ChecksumOfTheGeneratorsOffsets) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (std::size_t i = 0; i < ZoneNameCount(); ++i) {
        const std::string_view name = ZoneNameAt(i);
        const std::uint64_t d = ZoneDigest(FindZone(name));
        hash = Fnv(hash, std::vector<std::int32_t>(name.begin(), name.end()));
        hash = Fnv(hash, {static_cast<std::int32_t>(d), static_cast<std::int32_t>(d >> 32)});
    }
    EXPECT_EQ(hash, kChecksum);
}

}  // namespace
}  // namespace veloranth::zones
