// The configuration records read from data.cfg: towns, the conventions and AppConfig.
// The main program keeps names as 8-bit text (char), the Today plug-in as UTF-16 (char16_t).
#pragma once

#include "base/constants.h"
#include "engine/day.h"

namespace veloranth {

inline constexpr int kNameSize = 80;  // 79 characters and the terminator
inline constexpr int kConventionCount = 32;
// Conventions 0 to 8 are always written; a higher one only when the file described it.
inline constexpr int kAlwaysWrittenConventions = 9;

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
    bool Addressed = false;  // a line 3, 4, 5 or 6 of the file described it
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

// What the engine reads of the configuration: the selected place and its convention.
// A convention index outside the table (a hand-edited town line) gets all-zero rules.
template <class Char>
DayInputs EngineInputs(const BasicAppConfig<Char>& cfg) {
    static const ConventionRules kNoRules{};
    DayInputs in;
    in.LatitudeRad = cfg.LatitudeRad;
    in.LongitudeRad = cfg.LongitudeRad;
    in.CurrentTimeZone = cfg.CurrentTimeZone;
    in.CurrentDst = cfg.CurrentDst;
    in.zone = cfg.CurrentZone;
    bool known = cfg.CurrentConvention >= 0 && cfg.CurrentConvention < kConventionCount;
    in.convention = known ? &cfg.Conventions[cfg.CurrentConvention] : &kNoRules;
    return in;
}

}  // namespace veloranth
