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
    return kind == Maghrib && k.MaghribTwilightAngle > 0;
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

void ComputeTransit(DayRun& run) {
    const ObservationDate& d = run.day.date;
    const DayInputs& in = run.in;
    TextSink* trace = run.trace;

    const int monthBase = MonthBaseOf(run);
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

int SalatHour(DayRun& run, const Latitude& phi, int kind, double& hours, FirstPass* firstPass) {
    const ConventionRules& k = *run.in.convention;
    TextSink* trace = run.trace;
    const bool asr = kind == Asr;
    const double side = SideOf(kind);
    const double Z = run.day.exact[Zuhr];

    hours = 0.0;
    double h0 = 0;
    double sinH0 = 0;
    if (!asr) {
        h0 = FixedTargetAltitude(k, kind);
        sinH0 = MemoSin(run.memo.altitude[FixedAltitudeSlot(k, kind)], h0);
    }

    const int monthBase = MonthBaseOf(run);
    double utHour = Z - run.day.TZeff;
    if (trace) {
        Print(trace, " 1st iter %s\n", FormatHours(utHour).text);
    }
    PassSun sun{};
    int status = kSalatFound;
    for (int pass = 1; pass <= 3 && status == kSalatFound; ++pass) {
        // The same inputs give the same bits, so a shared first pass changes no result.
        if (pass == 1 && firstPass != nullptr && firstPass->utHour == utHour) {
            sun = firstPass->sun;
        } else {
            sun = SunAt(monthBase, run.day.date.Day, utHour);
            if (pass == 1 && firstPass != nullptr) {
                *firstPass = {utHour, sun};
            }
        }
        run.day.T = sun.T;
        if (trace) {
            Print(trace, "T=%g JC \xE0 %s\n", sun.T, FormatHours(utHour).text);
        }
        if (asr) {
            h0 = AsrAltitude(k, run.in.LatitudeRad, sun.delta);
            sinH0 = rmath::Sin(h0);
            if (pass == 3 && trace) {
                Print(trace, "h=%g\xB0  ie altitude %s\n", h0 * RadToDeg, FormatDegrees(h0).text);
            }
        }
        double costau = CosTau(sinH0, sun, phi);
        if (trace) {
            Print(trace, " costau=%g\n", costau);
        }
        status = StatusOf(costau);
        if (status == kSunAlwaysBelow) {
            if (trace) {
                Print(trace,
                      "ERROR : then the Sun is always below our altitude limit. One example is "
                      "midwinter in the arctics, when the Sun never gets above the horizon.\n");
            }
            break;
        }
        if (status == kSunAlwaysAbove) {
            if (trace) {
                Print(trace,
                      "ERROR : then the Sun is always above our altitude limit. If we were "
                      "computing rise/set times, the Sun is then aboute the horizon "
                      "continuously; we have Midnight Sun.\n");
            }
            break;
        }
        double tau = rmath::Acos(costau);
        if (pass == 1) {
            tau = tau * kSiderealToSolar;
        }
        // Every pass starts from the transit; only the declination follows the estimate.
        hours = tau * RadToHours * side + Z;
        if (trace) {
            Print(trace, " SalatHour=%gh ie : %s\n", hours, FormatHours(hours).text);
        }
        utHour = hours - run.day.TZeff;
        if (trace && pass == 1) {
            Print(trace, "** corrected values ** :\n");
            Print(trace, " 2nd iter \xE0 %s\n", FormatHours(utHour).text);
        } else if (trace && pass == 2) {
            Print(trace, " 3rd iter \xE0 %s\n", FormatHours(utHour).text);
        }
    }
    return status;
}

void SalatHoursTogether(DayRun& run, const Latitude& phi, const int* kinds, int count,
                        double* hours, int* statuses) {
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
        if (kinds[e] != Asr) {
            sinH0[e] = MemoSin(run.memo.altitude[FixedAltitudeSlot(k, kinds[e])],
                               FixedTargetAltitude(k, kinds[e]));
        }
    }
    // Stage by stage over the events still found, each stage's calls independent.
    auto running = [&](int e) { return statuses[e] == kSalatFound; };
    for (int pass = 1; pass <= 3; ++pass) {
        if (pass == 1) {
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
    }
    // The last call's last evaluation, as the calls one after another leave it.
    run.day.T = sun[count - 1].T;
}

}  // namespace veloranth
