// The zone tables against the C library's own reading of the same zone files: for every
// name, links included, the offset at local noon of every day from 1970 to 2100.
#include "zones/zones.h"

#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

namespace veloranth::zones {
namespace {

constexpr int kLastDay = 47846;  // 2100-12-31, in days since 1970-01-01

TEST(ZonesLibc, OffsetAtLocalNoonAgreesWithMktimeEveryDay) {
    // Days between two compared noons; the sanitizer build sets a larger step to stay quick.
    const char* stepText = std::getenv("VELORANTH_ZONES_DAY_STEP");
    const int step = stepText != nullptr && std::atoi(stepText) > 0 ? std::atoi(stepText) : 1;
    for (std::size_t i = 0; i < ZoneNameCount(); ++i) {
        const std::string name(ZoneNameAt(i));
        const Zone* zone = FindZone(name);
        setenv("TZ", name.c_str(), 1);
        tzset();
        // Day by day in order: where 12:00 is skipped, mktime() reads it with the offset of
        // its previous call, which is then the offset before the jump.
        for (int d = 0; d <= kLastDay; d += step) {
            std::tm tm{};
            tm.tm_year = 70;
            tm.tm_mday = 1 + d;  // mktime() normalises the day, as OffsetAtLocalNoon does
            tm.tm_hour = 12;
            tm.tm_isdst = -1;
            const std::time_t t = std::mktime(&tm);
            std::tm local{};
            ASSERT_TRUE(t != -1 && localtime_r(&t, &local) != nullptr) << name << " day " << d;
            ASSERT_EQ(OffsetAtLocalNoon(zone, 1970, 1, 1 + d), local.tm_gmtoff)
                << name << " day " << d;
        }
    }
}

}  // namespace
}  // namespace veloranth::zones
