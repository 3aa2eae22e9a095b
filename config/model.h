// The configuration records read from data.cfg: towns, the conventions and AppConfig.
// The main program keeps names as 8-bit text (char), the Today plug-in as UTF-16 (char16_t).
#pragma once

#include <string>
#include <vector>

#include "base/constants.h"
#include "engine/day.h"

namespace veloranth {

inline constexpr int kNameSize = 80;  // 79 characters and the terminator
inline constexpr int kConventionCount = 32;
// Conventions 0 to 8 are always written (and defined); a higher one only when the file
// gave its angles (a line 3).
inline constexpr int kAlwaysWrittenConventions = 9;

// What the lines 7, 9, 10, 11 and 12 accept; a line with a value outside is not used.
inline constexpr double kMaxMaghribAngle = 10;  // degrees
inline constexpr int kMaxImsakMinutes = 60;
inline constexpr int kMaxRamadanIshaMinutes = 240;
inline constexpr int kLastSeasonalTwilight = 3;
inline constexpr int kMaxHijriAdjustment = 2;  // days either way
inline constexpr int kMaxSoundFileLength = 64;

// The call at prayer time (line 10).
enum CallKind { kCallOff = 0, kCallTone = 1, kCallFile = 2 };

template <class Char>
struct BasicTown {
    Char Country[kNameSize] = {};
    Char Name[kNameSize] = {};
    double longitude = 0;  // degrees, east positive (stored before latitude)
    double latitude = 0;   // degrees, north positive
    int TimeZone = 0;      // hours, east positive
    int Convention = 0;
    int DST = 0;
    // A TimeZone column naming a tz database zone: the name as written (a link too) and the
    // zone it designates. The zone replaces TimeZone and DST in every computation.
    Char ZoneName[kNameSize] = {};
    const zones::Zone* zone = nullptr;
};

template <class Char>
struct BasicConvention : ConventionRules {
    Char Name[kNameSize] = {};
    bool Defined = false;  // above 8: a line 3 of the file gave its angles
    // The file read had its line 7, 11 or 12: written back even when every value is the
    // default.
    bool CommunityLinePresent = false;
    bool RoundingLinePresent = false;
    bool DailySunLinePresent = false;
};

// A line the reader did not use that a save writes back as it was read: a record beyond
// the oldest grammar (lines 4 to 7, 11 and 12 of a convention above 8, 6, 7, 9 to 12, and a
// town naming a zone), so that a setting the program cannot use is never lost by saving.
template <class Char>
struct RefusedLine {
    int type = 0;
    // The convention a line 4 to 7, 11 or 12 addresses, or the town's number in file order.
    int place = 0;
    std::basic_string<Char> text;  // the line as read, its line break included
};

template <class Char>
struct BasicAppConfig {
    BasicTown<Char>** TownTable = nullptr;  // NumberOfTowns entries, owned by the reader's table
    int CurrentDst = 0;
    BasicConvention<Char> Conventions[kConventionCount];
    int CurrentConvention = 0;
    int Verbose = 0;
    int TownSelected = 0;
    int NumberOfTowns = 0;
    int CurrentTimeZone = 0;
    const zones::Zone* CurrentZone = nullptr;  // the selected town's zone, if it names one
    double LatitudeRad = 0;
    double LongitudeRad = 0;
    // Line 9: the Hijri date, shown or not, shifted by -2 to 2 days.
    bool HijriShown = false;
    int HijriAdjustment = 0;
    // Line 10: the call at prayer time, and the sound file beside the program ("": none).
    int Call = kCallTone;
    Char SoundFile[kMaxSoundFileLength + 1] = {};
    // The file read had line 9 or 10 (or a caller wants it written with its defaults).
    bool HijriLinePresent = false;
    bool CallLinePresent = false;
    std::vector<RefusedLine<Char>> RefusedLines;  // in the order they were read

    const BasicTown<Char>& SelectedTown() const { return *TownTable[TownSelected]; }
    // True when TownSelected designates a town record that exists.
    bool HasSelectedTown() const {
        return TownTable != nullptr && TownSelected >= 0 && TownSelected < NumberOfTowns &&
               TownTable[TownSelected] != nullptr;
    }
};

using Town = BasicTown<char>;
using Convention = BasicConvention<char>;
using AppConfig = BasicAppConfig<char>;
using WideTown = BasicTown<char16_t>;
using WideConvention = BasicConvention<char16_t>;
using WideAppConfig = BasicAppConfig<char16_t>;

// Whether the writer writes these lines: a file that had one keeps it, and a value other
// than the default needs it; otherwise the file stays as it was before the lines existed.
template <class Char>
bool UsesCommunityLine(const BasicConvention<Char>& k) {
    const ConventionRules d{};
    return k.CommunityLinePresent || k.MaghribTwilightAngle != d.MaghribTwilightAngle ||
           k.ImsakMinutes != d.ImsakMinutes || k.JafariMidnight != d.JafariMidnight ||
           k.RamadanIshaMinutes != d.RamadanIshaMinutes || k.SeasonalTwilight != d.SeasonalTwilight;
}
template <class Char>
bool UsesRoundingLine(const BasicConvention<Char>& k) {
    return k.RoundingLinePresent || k.Rounding != kRoundNearest || k.PolarRule != kNoPolarRule;
}
template <class Char>
bool UsesDailySunLine(const BasicConvention<Char>& k) {
    return k.DailySunLinePresent || k.DailySun;
}
template <class Char>
bool UsesHijriLine(const BasicAppConfig<Char>& cfg) {
    return cfg.HijriLinePresent || cfg.HijriShown || cfg.HijriAdjustment != 0;
}
template <class Char>
bool UsesCallLine(const BasicAppConfig<Char>& cfg) {
    return cfg.CallLinePresent || cfg.Call != kCallTone || cfg.SoundFile[0] != 0;
}

// Conventions 0 to 8 always exist; a higher one once a line 3 of the file gave its angles.
// A town of a convention that does not exist has no times.
template <class Char>
bool ConventionDefined(const BasicAppConfig<Char>& cfg, int index) {
    if (index < 0 || index >= kConventionCount) {
        return false;
    }
    return index < kAlwaysWrittenConventions || cfg.Conventions[index].Defined;
}

// Copies the given town's coordinates, time zone (or zone), rule and convention into the
// Current fields.
template <class Char>
void ApplyTown(BasicAppConfig<Char>& cfg, const BasicTown<Char>& town) {
    cfg.LatitudeRad = town.latitude * DegToRad;
    cfg.LongitudeRad = town.longitude * DegToRad;
    cfg.CurrentTimeZone = town.TimeZone;
    cfg.CurrentDst = town.DST;
    cfg.CurrentZone = town.zone;
    cfg.CurrentConvention = town.Convention;
}

// Applies TownTable[TownSelected]; the caller guarantees that it exists.
template <class Char>
void ApplySelectedTown(BasicAppConfig<Char>& cfg) {
    ApplyTown(cfg, cfg.SelectedTown());
}

// What the engine reads of the configuration: the selected place and its convention. A
// convention the file does not define (a hand-edited town line) is none: the engine then
// finds no time, rather than computing with rules nobody wrote.
template <class Char>
DayInputs EngineInputs(const BasicAppConfig<Char>& cfg) {
    DayInputs in;
    in.LatitudeRad = cfg.LatitudeRad;
    in.LongitudeRad = cfg.LongitudeRad;
    in.CurrentTimeZone = cfg.CurrentTimeZone;
    in.CurrentDst = cfg.CurrentDst;
    in.zone = cfg.CurrentZone;
    const int k = cfg.CurrentConvention;
    in.convention = ConventionDefined(cfg, k) ? &cfg.Conventions[k] : nullptr;
    in.HijriAdjustment = cfg.HijriAdjustment;
    return in;
}

}  // namespace veloranth
