// A selected town and convention for engine tests, set up directly.
#pragma once

#include "base/constants.h"
#include "engine/day.h"

namespace veloranth::fixture {

struct Town {
    double latitude, longitude;  // degrees
    int timeZone, dst;
};

inline const Town kParis{48.85, 2.35, 1, 0};
inline const Town kTromso{69.65, 18.96, 1, 0};

// 18 / 17 / 0.833, Shafi, no offsets.
inline ConventionRules ReferenceConvention() {
    ConventionRules k;
    k.FajrTwilightAngle = 18;
    k.IshaTwilightAngle = 17;
    k.SunriseSetAngle = 0.833;
    k.AsrShafi = true;
    return k;
}

struct DayCase {
    EngineState state;
    ConventionRules convention = ReferenceConvention();
    DayInputs in;

    DayCase(const Town& town, int day, int month, int year) {
        in.LatitudeRad = town.latitude * 0.017453292519943295;
        in.LongitudeRad = town.longitude * 0.017453292519943295;
        in.CurrentTimeZone = town.timeZone;
        in.CurrentDst = town.dst;
        in.convention = &convention;
        state.date = {day, month, year};
        state.TZeff = town.timeZone;
    }
};

}  // namespace veloranth::fixture
