// Transit and event times after the classic hour-angle method; the trace lines are the
// ones users have learnt to read in the diagnostic output.
#include "engine/solver.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/repro_math.h"

#include "base/constants.h"
#include "engine/format.h"
#include "base/text_sink.h"
#include "engine/timebase.h"

namespace veloranth {

namespace {

// Converts the sidereal hour angle of the first pass into mean solar time (1 / 1.002738).
constexpr double kSiderealToSolar = 0.997269476174235;

bool MaghribByAngle(const ConventionRules& k, int kind) {
    return kind == Maghrib && HasMaghribAngle(k);
}

// Slot of EngineMemo::altitude for a kind whose target altitude does not depend on the
// declination, and that altitude.
int FixedAltitudeSlot(const ConventionRules& k, int kind) {
    if (MaghribByAngle(k, kind)) {
        return 3;
    }
    return kind == Fajr ? 0 : kind == Isha ? 1 : 2;  // the rising and the setting share one
}

double FixedTargetAltitude(const ConventionRules& k, int kind) {
    switch (kind) {
        case Fajr:
            return -(k.FajrTwilightAngle * DegToRad);
        case Isha:
            return -(k.IshaTwilightAngle * DegToRad);
        default:  // Chourouk, Maghrib, the sunset
            return MaghribByAngle(k, kind) ? -(k.MaghribTwilightAngle * DegToRad)
                                           : -(k.SunriseSetAngle * DegToRad);
    }
}

// rmath::Sin(x), from the memo when it holds x's bits: the same argument, the same result.
double MemoSin(EngineMemo::Sine& memo, double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    if (!memo.filled || memo.argument != bits) {
        memo = {bits, rmath::Sin(x), true};
    }
    return memo.value;
}

// MonthBase of the day's date, computed once a month.
int MonthBaseOf(DayRun& run) {
    auto& m = run.memo.month;
    const ObservationDate& d = run.day.date;
    if (!m.filled || m.month != d.Month || m.year != d.Year) {
        m = {d.Month, d.Year, MonthBase(d.Month, d.Year), true};
    }
    return m.base;
}

// Altitude at which a vertical object's shadow is k times its length plus its shadow at noon.
double AsrAltitude(const ConventionRules& k, double latitude, double delta) {
    double shadow = k.AsrShafi ? 1.0 : 2.0;
    return rmath::Atan(1 / (rmath::Tan(std::fabs(latitude - delta)) + shadow));
}

// The Sun at a pass's instant, as the passes use it.
struct PassSun {
    double T, lambda;
    double delta;  // declination
    double sinDelta, cosDelta;
};

PassSun SunAt(int monthBase, int day, double utHour) {
    PassSun sun;
    sun.T = JulianCenturiesIn(monthBase, day, utHour);
    sun.lambda = SunLongitude(sun.T);
    sun.delta = DeclinationAt(sun.lambda);
    rmath::SinCos(sun.delta, sun.sinDelta, sun.cosDelta);
    return sun;
}

// Cosine of the hour angle at which the Sun stands at the altitude whose sine is sinH0,
// and what a value beyond -1 or 1 says.
double CosTau(double sinH0, const PassSun& sun, const Latitude& phi) {
    return ((sinH0 - sun.sinDelta * phi.sine) / sun.cosDelta) / phi.cosine;
}
int StatusOf(double costau) {
    return costau > 1.0 ? kSunAlwaysBelow : costau < -1.0 ? kSunAlwaysAbove : kSalatFound;
}

double SideOf(int kind) {
    return (kind == Fajr || kind == Chourouk) ? -1 : 1;
}

}  // namespace

namespace {

// The transit from the Sun of 0h UT: its right ascension then, carried at the mean Sun's
// rate. day.T is the transit's instant, which tells the weekday as the passes' would.
void DailyTransit(DayRun& run, int monthBase) {
    const ObservationDate& d = run.day.date;
    const double T0 = JulianCenturiesIn(monthBase, d.Day, 0.0);
    if (run.trace) {
        Print(run.trace, "T=%g JC \xE0 0h GMT, for the whole day\n", T0);
    }
    double t = (RightAscensionAt(SunLongitude(T0)) - Theta0(T0) - run.in.LongitudeRad) * RadToHours;
    t -= 24 * std::floor(t / 24);
    run.day.T = JulianCenturiesIn(monthBase, d.Day, t);
    const double z = t + run.day.TZeff;
    run.day.exact[Zuhr] = z < 0 ? z + 24 : z;
}

}  // namespace

void ComputeTransit(DayRun& run) {
    const ObservationDate& d = run.day.date;
    const DayInputs& in = run.in;
    TextSink* trace = run.trace;

    const int monthBase = MonthBaseOf(run);
    if (in.convention != nullptr && in.convention->DailySun) {
        DailyTransit(run, monthBase);
        return;
    }
    double T1 = JulianCenturiesIn(monthBase, d.Day, 12.0);
    if (trace) {
        Print(trace, "T=%g  JC \xE0 12h GMT\n", T1);
    }
    double ra = RightAscensionAt(SunLongitude(T1));
    double theta0 = Theta0(T1);

    // UT hour at which the local hour angle is zero, to first order.
    double t = (ra - (theta0 - Pi) - in.LongitudeRad) * RadToHours;
    double T2;
    if (t < 0) {
        t = t + 24;
        T2 = JulianCenturiesIn(monthBase, d.Day - 1, t + 24);
    } else {
        T2 = JulianCenturiesIn(monthBase, d.Day, t);
    }
    run.day.T = T2;
    if (trace) {
        Print(trace, "T=%g JC \xE0 %s\n", T2, FormatHours(t).text);
    }
    ra = RightAscensionAt(SunLongitude(T2));
    theta0 = Theta0(T2);

    double z = (ra - (theta0 - t * HoursToRad) - in.LongitudeRad) * RadToHours + run.day.TZeff;
    if (z < 0) {
        z += 24;
    }
    run.day.exact[Zuhr] = z;
}

namespace {

// The trace of one event's pass, as a pass one after another writes it: the estimate it
// starts from, the Sun there, and what the pass found.
void TracePass(TextSink* trace, DayRun& run, int kind, int pass, double utHour, const PassSun& sun,
               double costau, int status, double hours) {
    Print(trace, "T=%g JC \xE0 %s\n", sun.T, FormatHours(utHour).text);
    if (kind == Asr && pass == 3) {
        const double h0 = AsrAltitude(*run.in.convention, run.in.LatitudeRad, sun.delta);
        Print(trace, "h=%g\xB0  ie altitude %s\n", h0 * RadToDeg, FormatDegrees(h0).text);
    }
    Print(trace, " costau=%g\n", costau);
    if (status == kSunAlwaysBelow) {
        Print(trace,
              "ERROR : then the Sun is always below our altitude limit. One example is "
              "midwinter in the arctics, when the Sun never gets above the horizon.\n");
        return;
    }
    if (status == kSunAlwaysAbove) {
        Print(trace,
              "ERROR : then the Sun is always above our altitude limit. If we were "
              "computing rise/set times, the Sun is then aboute the horizon "
              "continuously; we have Midnight Sun.\n");
        return;
    }
    Print(trace, " SalatHour=%gh ie : %s\n", hours, FormatHours(hours).text);
    if (pass == 1) {
        Print(trace, "** corrected values ** :\n");
        Print(trace, " 2nd iter \xE0 %s\n", FormatHours(hours - run.day.TZeff).text);
    } else if (pass == 2) {
        Print(trace, " 3rd iter \xE0 %s\n", FormatHours(hours - run.day.TZeff).text);
    }
}

// SalatHours under a daily Sun: one evaluation of each event, from the Sun of 0h UT, traced
// as a last pass is. day.T keeps the transit's instant.
void DailyHours(DayRun& run, const Latitude& phi, const int* kinds, int count, double* sinH0,
                double* hours, int* statuses, TextSink* const* traces) {
    const PassSun sun = SunAt(MonthBaseOf(run), run.day.date.Day, 0.0);
    for (int e = 0; e < count; ++e) {
        if (kinds[e] == Asr) {
            sinH0[e] = rmath::Sin(AsrAltitude(*run.in.convention, run.in.LatitudeRad, sun.delta));
        }
        const double costau = CosTau(sinH0[e], sun, phi);
        statuses[e] = StatusOf(costau);
        if (statuses[e] == kSalatFound) {
            hours[e] = rmath::Acos(costau) * RadToHours * SideOf(kinds[e]) + run.day.exact[Zuhr];
        }
        if (traces != nullptr) {
            TracePass(traces[e], run, kinds[e], 3, 0.0, sun, costau, statuses[e], hours[e]);
        }
    }
}

}  // namespace

void SalatHours(DayRun& run, const Latitude& phi, const int* kinds, int count, double* hours,
                int* statuses, TextSink* const* traces) {
    const ConventionRules& k = *run.in.convention;
    const double Z = run.day.exact[Zuhr];
    const double tzEff = run.day.TZeff;
    const int day = run.day.date.Day;
    const int monthBase = MonthBaseOf(run);
    double sinH0[kMaxEventsTogether], costau[kMaxEventsTogether];
    PassSun sun[kMaxEventsTogether];
    for (int e = 0; e < count; ++e) {
        hours[e] = 0.0;
        statuses[e] = kSalatFound;
        costau[e] = 0.0;
        // Asr's target altitude follows the declination: each pass computes its own.
        sinH0[e] = kinds[e] == Asr ? 0.0
                                   : MemoSin(run.memo.altitude[FixedAltitudeSlot(k, kinds[e])],
                                             FixedTargetAltitude(k, kinds[e]));
        if (traces != nullptr && !k.DailySun) {
            Print(traces[e], " 1st iter %s\n", FormatHours(Z - tzEff).text);
        }
    }
    if (k.DailySun) {
        DailyHours(run, phi, kinds, count, sinH0, hours, statuses, traces);
        return;
    }
    // Stage by stage over the events still found, each stage's calls independent, so that
    // the processor overlaps the events' computations. Every pass starts from the transit;
    // only the declination follows the estimate.
    auto running = [&](int e) { return statuses[e] == kSalatFound; };
    for (int pass = 1; pass <= 3; ++pass) {
        bool ran[kMaxEventsTogether];  // for the trace: the events this pass computes
        double utHour[kMaxEventsTogether];
        for (int e = 0; traces != nullptr && e < count; ++e) {
            ran[e] = running(e);
            utHour[e] = pass == 1 ? Z - tzEff : hours[e] - tzEff;
        }
        if (pass == 1) {
            // The transit is every event's first estimate: one Sun for all.
            const PassSun first = SunAt(monthBase, day, Z - tzEff);
            for (int e = 0; e < count; ++e) {
                sun[e] = first;
            }
        } else {
            for (int e = 0; e < count; ++e) {
                if (running(e)) {
                    sun[e].T = JulianCenturiesIn(monthBase, day, hours[e] - tzEff);
                }
            }
            for (int e = 0; e < count; ++e) {
                if (running(e)) {
                    sun[e].lambda = SunLongitude(sun[e].T);
                }
            }
            for (int e = 0; e < count; ++e) {
                if (running(e)) {
                    sun[e].delta = DeclinationAt(sun[e].lambda);
                }
            }
            for (int e = 0; e < count; ++e) {
                if (running(e)) {
                    rmath::SinCos(sun[e].delta, sun[e].sinDelta, sun[e].cosDelta);
                }
            }
        }
        for (int e = 0; e < count; ++e) {
            if (running(e) && kinds[e] == Asr) {
                sinH0[e] = rmath::Sin(AsrAltitude(k, run.in.LatitudeRad, sun[e].delta));
            }
        }
        for (int e = 0; e < count; ++e) {
            if (running(e)) {
                costau[e] = CosTau(sinH0[e], sun[e], phi);
                statuses[e] = StatusOf(costau[e]);
            }
        }
        for (int e = 0; e < count; ++e) {
            if (running(e)) {
                double tau = rmath::Acos(costau[e]);
                tau = pass == 1 ? tau * kSiderealToSolar : tau;
                hours[e] = tau * RadToHours * SideOf(kinds[e]) + Z;
            }
        }
        for (int e = 0; traces != nullptr && e < count; ++e) {
            if (ran[e]) {
                TracePass(traces[e], run, kinds[e], pass, utHour[e], sun[e], costau[e], statuses[e],
                          hours[e]);
            }
        }
    }
    // The last event's last evaluation.
    run.day.T = sun[count - 1].T;
}

int SalatHour(DayRun& run, const Latitude& phi, int kind, double& hours) {
    int status;
    SalatHours(run, phi, &kind, 1, &hours, &status, run.trace != nullptr ? &run.trace : nullptr);
    return status;
}

}  // namespace veloranth
