// Time zones of the IANA tz database, compiled into the program at build time: names, links
// and UTC offsets from 1970 on, computed with integers only, whatever the machine's own zone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace veloranth::zones {

// One zone of the database. Pointers come from FindZone and stay valid for the program's life.
struct Zone;

struct UtcOffset {
    std::int32_t seconds;  // east of UTC
    bool dst;              // the database's daylight-saving flag (true in Dublin's winter)
};

// The zone of a database name, e.g. "Africa/Casablanca"; a link ("Asia/Calcutta") gives its
// target's zone. Exact match, case included, as the database spells its names; null when the
// name is unknown.
const Zone* FindZone(std::string_view name);

// The zone's own name (for a link, its target's). Empty for null.
std::string_view ZoneName(const Zone* zone);

// Every name the database knows, links included, in byte order.
std::size_t ZoneNameCount();
std::string_view ZoneNameAt(std::size_t index);  // empty beyond the count

// Version of the database the tables were built from, e.g. "2025b".
const char* TzDatabaseVersion();

// In every function below a null zone stands for UTC. The tables begin with 1970: earlier
// instants get the offset in force as 1970 begins. Years beyond a million and instants beyond
// two million years from 1970 are taken as those bounds.

// Offset in force at a UTC instant (seconds since 1970-01-01T00:00:00Z).
UtcOffset OffsetAt(const Zone* zone, std::int64_t utc);

// Offset in force at 12:00 local time on a day: what mktime() at 12:00 with tm_isdst = -1
// followed by localtime() gives with TZ set to the zone. The day acts linearly (day 0 is the
// last day of the previous month) and months beyond 1..12 move into the neighbouring years.
// Where the clock jumps over 12:00 that day (a zone crossing the date line, a one-off change
// at noon), the offset after the jump: 12:00 on the old clock, as mktime() reads it when
// called for consecutive days. Where the clock shows 12:00 twice, the first one's offset.
std::int32_t OffsetAtLocalNoon(const Zone* zone, int year, int month, int day);

// Smallest offset in force at any instant whose local date lies in the year.
std::int32_t SmallestOffsetOfYear(const Zone* zone, int year);

// Daylight saving as users see it: the offset at local noon exceeds the smallest offset of
// that calendar year. Unlike the database's flag, false in Dublin's winter ("negative" DST)
// and during Casablanca's Ramadan months, true in Casablanca for the rest of the year. In a
// year whose standard time changes, the days at the higher offset count as daylight saving
// too (Khartoum after 15 January 2000, Moscow until 26 October 2014, all of 2018 in Sao Tome
// whose first hour was still at the old offset); a year spent wholly on daylight time does not.
bool DaylightSavingAtLocalNoon(const Zone* zone, int year, int month, int day);

// The first zone of the database (in name order, links left out) that kept exactly `seconds`
// east of UTC all year, every year from 1990 to 2037 (Asia/Kolkata for 5:30, Asia/Kathmandu
// for 5:45): the same clock, with no summer time. Null when there is none.
const Zone* ZoneKeepingOffset(std::int32_t seconds);

}  // namespace veloranth::zones
