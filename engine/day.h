// What a day's computation reads and gives: the place and its convention, the observation
// date and time, and the day's times as one value.
#pragma once

#include <cstdint>

#include "base/hijri.h"
#include "zones/zones.h"

namespace veloranth {

// Index of each entry of PrayerTimes.
enum SalatKind { Fajr = 0, Chourouk = 1, Zuhr = 2, Asr = 3, Maghrib = 4, Isha = 5 };
inline constexpr int kSalatCount = 6;
inline constexpr const char* kSalatNames[kSalatCount] = {"Fajr", "Chourouk", "Zuhr",
                                                         "Asr",  "Maghrib",  "Isha"};

// Six decimal hours of local clock time in SalatKind order; not reduced to [0, 24).
struct PrayerTimes {
    double time[kSalatCount] = {};
    double& operator[](int kind) { return time[kind]; }
    double operator[](int kind) const { return time[kind]; }
};

// Whether each entry of a day was found. A time the Sun never reaches
// that day keeps its stored value (0.0 or a partial estimate, plus its offset), so the
// flag is the only way to tell it from a real time.
struct FoundTimes {
    bool found[kSalatCount] = {true, true, true, true, true, true};
    bool operator[](int kind) const { return found[kind]; }
};

// The calculation parameters of one convention (the numeric part of a Convention record).
struct ConventionRules {
    double FajrOffset = 0;  // minutes added to each computed time
    double ChouroukOffset = 0;
    double ZuhrOffset = 0;
    double AsrOffset = 0;
    double MaghribOffset = 0;
    double IshaOffset = 0;
    bool AsrShafi = false;           // shadow factor 1 (Shafi) or 2 (Hanafi)
    bool IshaIsMaghribPlus = false;  // Isha = Maghrib + IshaMaghribMinutes
    bool ZuhrFixe = false;           // Zuhr at ZuhrHour
    double FajrTwilightAngle = 0;    // degrees below the horizon
    double IshaTwilightAngle = 0;
    double SunriseSetAngle = 0;
    int IshaMaghribMinutes = 0;
    double ZuhrHour = 0;         // decimal hours, local clock
    int HighLatitudeRule = 0;    // a HighLatitudeRule: what bounds Fajr and Isha
    // The community settings (data.cfg's line 7).
    double MaghribTwilightAngle = 0;  // degrees below the horizon; 0: Maghrib at sunset
    int ImsakMinutes = 10;            // Imsak this many minutes before Fajr
    bool JafariMidnight = false;      // midnight from sunset to Fajr, not to sunrise
    int RamadanIshaMinutes = 0;       // in Ramadan, Isha = Maghrib + these; 0: no change
    int SeasonalTwilight = 0;         // a Shafaq: the Committee's seasonal Fajr and Isha
    // How the times are shown, and what gives a day without sunrise or sunset (line 11).
    int Rounding = 0;   // a RoundingRule
    int PolarRule = 0;  // a PolarRule
    // The Sun's place of 0h UT serves the whole day (line 12), as tables computed from a
    // daily ephemeris take it; otherwise each time takes the Sun of its own instant.
    bool DailySun = false;
};

// Whether the convention takes Maghrib at an angle below the sunset, not at the sunset.
inline bool HasMaghribAngle(const ConventionRules& k) {
    return k.MaghribTwilightAngle > 0;
}

// How a time is shown to the minute. Authorities that round up do it as a precaution: a
// prayer shown a few seconds late is never shown before its time.
enum RoundingRule {
    kRoundNearest = 0,
    kRoundUp = 1,    // to the next whole minute; a time on the minute stays
    kRoundSafe = 2,  // Imsak and Chourouk down (they end a time), the others up
};
inline constexpr int kLastRoundingRule = kRoundSafe;

// What gives the times of a day on which the Sun does not rise or does not set.
enum PolarRule {
    kNoPolarRule = 0,
    kNearestLatitude = 1,  // the same day at the nearest latitude where it rises and sets
    kNearestDay = 2,       // the nearest day on which it rises and sets
};
inline constexpr int kLastPolarRule = kNearestDay;

// The Moonsighting Committee's seasonal twilight, named by the twilight (shafaq) whose end
// is Isha.
enum Shafaq {
    kNoSeason = 0,
    kShafaqGeneral = 1,  // the Committee's default, between the two below
    kShafaqAhmer = 2,    // the red twilight: the earliest Isha
    kShafaqAbyad = 3,    // the white twilight: the latest
};

// How Fajr and Isha are bounded where twilight lasts most of the night (or all of it).
// Each bounds them to a portion of the night, taken from sunset to the next sunrise.
enum HighLatitudeRule {
    kNoHighLatitudeRule = 0,
    kMiddleOfTheNight = 1,  // half of the night
    kOneSeventh = 2,        // a seventh of the night
    kTwilightAngle = 3,     // the twilight angle / 60 of the night
};
inline constexpr int kLastHighLatitudeRule = kTwilightAngle;

// Which times a day's high-latitude rule moved.
struct RuleMoves {
    bool fajr = false;
    bool maghrib = false;  // a Maghrib by angle
    bool isha = false;
};

// The times a community keeps beside the six, in local clock hours like them.
enum CommunityKind {
    kImsak = 0,     // the adjusted Fajr less the convention's Imsak minutes
    kSunset = 1,    // the Sun's setting by the sunrise/sunset angle, with no correction
    kMidnight = 2,  // the end of Isha's time; only where asked for (engine/midnight.h)
};
inline constexpr int kCommunityCount = 3;

struct CommunityTimes {
    double time[kCommunityCount] = {};
    double shown[kCommunityCount] = {};  // as shown to the minute (engine/rounding.cpp)
    bool found[kCommunityCount] = {};
    // The clock midnight is shown on, which a change of the clock during the night makes
    // the next day's.
    double midnightTZeff = 0;
};

// What gave a day's Fajr or Isha.
enum class TimeRule {
    Angle,    // the Sun at the convention's twilight angle
    Minutes,  // Isha a number of minutes after Maghrib
    Season,   // the Moonsighting Committee's season
    Night,    // a portion of the night (a high-latitude rule, or the Committee's seventh)
};

struct DayRules {
    TimeRule fajr = TimeRule::Angle;
    TimeRule isha = TimeRule::Angle;
    bool ramadanIsha = false;  // Isha after Maghrib by the Ramadan minutes
};

// The town as the engine sees it: where it lies and how its clock runs.
struct Place {
    double LatitudeRad = 0;
    double LongitudeRad = 0;
    int CurrentTimeZone = 0;  // hours, east positive
    int CurrentDst = 0;       // daylight-saving rule type
    // A tz database zone: it replaces the two fields above (null: they hold).
    const zones::Zone* zone = nullptr;
};

// What a day is computed from: the place, its convention, and the community's shift of the
// Hijri date (-2 to 2 days; -1: a day behind Makkah).
struct DayInputs : Place {
    const ConventionRules* convention = nullptr;  // null: none defined, so no times are found
    int HijriAdjustment = 0;
};

struct ObservationDate {
    int Day = 0;
    int Month = 0;
    int Year = 0;
};

struct ObservationTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// A day on which the Sun does not rise or does not set, and what the convention's polar
// rule made of it.
struct PolarResult {
    bool sunBelow = false;    // the Sun stays below the horizon all day: no Asr either
    int rule = kNoPolarRule;  // the convention's rule, on a day without sunrise or sunset
    bool found = false;       // the rule found its latitude or date: the day's times are theirs
    double latitude = 0;      // degrees, of kNearestLatitude
    ObservationDate date;     // of kNearestDay
};

// One day's prayer times as computed: what every view shows and the reminders compare.
struct PrayerDay {
    ObservationDate date;
    double TZeff = 0;  // hours east of UT; whole for a town without a zone
    bool dst = false;  // summer time makes TZeff what it is
    int weekday = 0;   // 0 Monday ... 6 Sunday
    double T = 0;      // Julian centuries of the evaluation the weekday is told from
    PrayerTimes exact;
    PrayerTimes adjusted;
    // The adjusted times as shown to the minute, by the convention's rounding: what every
    // view shows and the reminders compare (engine/rounding.cpp).
    PrayerTimes shown;
    FoundTimes found;
    RuleMoves moved;
    CommunityTimes community;
    DayRules rules;
    PolarResult polar;
    HijriDate hijri{};  // the date whose daytime is this civil day, shifted by the adjustment
};

// What a run of days would otherwise compute again each day: values that depend only on
// the convention, the town, the month or the year. Each entry keeps the inputs it was computed
// from, and a change of any of them recomputes it: results never depend on what it holds.
struct EngineMemo {
    struct Sine {  // rmath::Sin of the argument with these bits
        std::uint64_t argument = 0;
        double value = 0;
        bool filled = false;
    };
    Sine altitude[4];  // of the fixed target altitudes: Fajr's, Isha's, the horizon's, Maghrib's
    struct SummerTime {  // the summer-time bounds of a year under a rule (DstApplies)
        int year = 0, ruleType = 0, timeZone = 0;
        int startMonth = 0, startDay = 0, endMonth = 0, endDay = 0;
        bool filled = false;
    } dst;
    struct {  // a zone's smallest offset of a year, which tells its summer time
        const zones::Zone* zone = nullptr;
        int year = 0;
        std::int32_t seconds = 0;
        bool filled = false;
    } smallest;
    struct {
        int month = 0, year = 0, base = 0;
        bool filled = false;
    } month;  // MonthBase
};

}  // namespace veloranth
