// Transit and event times after the classic hour-angle method; the trace lines are the
// ones users have learnt to read in the diagnostic output.
#include "engine/solver.h"

#include <cmath>

#include "engine/repro_math.h"

#include "base/constants.h"
#include "engine/format.h"
#include "base/text_sink.h"
#include "engine/timebase.h"

namespace veloranth {

namespace {

// Converts the sidereal hour angle of the first pass into mean solar time (1 / 1.002738).
constexpr double kSiderealToSolar = 0.997269476174235;

// Target altitude of a kind whose altitude does not depend on the declination.
double FixedTargetAltitude(const ConventionRules& k, int kind) {
    switch (kind) {
        case Fajr:
            return -(k.FajrTwilightAngle * DegToRad);
        case Isha:
            return -(k.IshaTwilightAngle * DegToRad);
        default:  // Chourouk, Maghrib
            return -(k.SunriseSetAngle * DegToRad);
    }
}

// Altitude at which a vertical object's shadow is k times its length plus its shadow at noon.
double AsrAltitude(const ConventionRules& k, double latitude, double delta) {
    double shadow = k.AsrShafi ? 1.0 : 2.0;
    return rmath::Atan(1 / (rmath::Tan(std::fabs(latitude - delta)) + shadow));
}

}  // namespace

void ComputeTransit(EngineState& state, const DayInputs& in) {
    const ObservationDate& d = state.date;
    SolarState& s = state.solar;
    TextSink* trace = in.trace;

    double T1 = JulianCenturies(d.Day, d.Month, d.Year, 12.0);
    s.T = T1;
    if (trace) {
        Print(trace, "T=%g  JC \xE0 12h GMT\n", T1);
    }
    s.lambda = SunLongitude(T1);
    SunRaDec(s.lambda, s.RA, s.delta);
    s.theta0 = Theta0(T1);

    // UT hour at which the local hour angle is zero, to first order.
    double t = (s.RA - (s.theta0 - Pi) - in.LongitudeRad) * RadToHours;
    double T2;
    if (t < 0) {
        t = t + 24;
        T2 = JulianCenturies(d.Day - 1, d.Month, d.Year, t + 24);
    } else {
        T2 = JulianCenturies(d.Day, d.Month, d.Year, t);
    }
    s.T = T2;
    if (trace) {
        Print(trace, "T=%g JC \xE0 %s\n", T2, FormatHours(t).text);
    }
    s.lambda = SunLongitude(T2);
    SunRaDec(s.lambda, s.RA, s.delta);
    s.theta0 = Theta0(T2);

    double z = (s.RA - (s.theta0 - t * HoursToRad) - in.LongitudeRad) * RadToHours + state.TZeff;
    if (z < 0) {
        z += 24;
    }
    state.exact[Zuhr] = z;
}

int SalatHour(EngineState& state, const DayInputs& in, const Latitude& phi, int kind,
              double& hours, FirstPass* firstPass) {
    const ObservationDate& d = state.date;
    const ConventionRules& k = *in.convention;
    SolarState& s = state.solar;
    TextSink* trace = in.trace;
    const bool asr = kind == Asr;
    const double side = (kind == Fajr || kind == Chourouk) ? -1 : 1;
    const double Z = state.exact[Zuhr];

    hours = 0.0;
    double h0 = 0;
    double sinH0 = 0;
    if (!asr) {
        h0 = FixedTargetAltitude(k, kind);
        sinH0 = rmath::Sin(h0);
        s.h = h0;
    }

    double utHour = Z - state.TZeff;
    if (trace) {
        Print(trace, " 1st iter %s\n", FormatHours(utHour).text);
    }
    for (int pass = 1; pass <= 3; ++pass) {
        // The same inputs give the same bits, so a shared first pass changes no result.
        const bool shared = pass == 1 && firstPass != nullptr && firstPass->utHour == utHour;
        double sinDelta, cosDelta;
        if (shared) {
            s.T = firstPass->T;
            s.lambda = firstPass->lambda;
            s.RA = firstPass->RA;
            s.delta = firstPass->delta;
            sinDelta = firstPass->sinDelta;
            cosDelta = firstPass->cosDelta;
        } else {
            s.T = JulianCenturies(d.Day, d.Month, d.Year, utHour);
            s.lambda = SunLongitude(s.T);
            SunRaDec(s.lambda, s.RA, s.delta);
            rmath::SinCos(s.delta, sinDelta, cosDelta);
            if (pass == 1 && firstPass != nullptr) {
                *firstPass = {utHour, s.T, s.lambda, s.RA, s.delta, sinDelta, cosDelta};
            }
        }
        if (trace) {
            Print(trace, "T=%g JC \xE0 %s\n", s.T, FormatHours(utHour).text);
        }
        if (asr) {
            h0 = AsrAltitude(k, in.LatitudeRad, s.delta);
            sinH0 = rmath::Sin(h0);
            s.h = h0;
            if (pass == 3 && trace) {
                Print(trace, "h=%g\xB0  ie altitude %s\n", h0 * RadToDeg, FormatDegrees(h0).text);
            }
        }
        double costau = ((sinH0 - sinDelta * phi.sine) / cosDelta) / phi.cosine;
        if (trace) {
            Print(trace, " costau=%g\n", costau);
        }
        if (costau > 1.0) {
            if (trace) {
                Print(trace,
                      "ERROR : then the Sun is always below our altitude limit. One example is "
                      "midwinter in the arctics, when the Sun never gets above the horizon.\n");
            }
            return kSunAlwaysBelow;
        }
        if (costau < -1.0) {
            if (trace) {
                Print(trace,
                      "ERROR : then the Sun is always above our altitude limit. If we were "
                      "computing rise/set times, the Sun is then aboute the horizon "
                      "continuously; we have Midnight Sun.\n");
            }
            return kSunAlwaysAbove;
        }
        double tau = rmath::Acos(costau);
        if (pass == 1) {
            tau = tau * kSiderealToSolar;
        }
        s.tau = tau;
        // Every pass starts from the transit; only the declination follows the estimate.
        hours = tau * RadToHours * side + Z;
        if (trace) {
            Print(trace, " SalatHour=%gh ie : %s\n", hours, FormatHours(hours).text);
        }
        utHour = hours - state.TZeff;
        if (trace && pass == 1) {
            Print(trace, "** corrected values ** :\n");
            Print(trace, " 2nd iter \xE0 %s\n", FormatHours(utHour).text);
        } else if (trace && pass == 2) {
            Print(trace, " 3rd iter \xE0 %s\n", FormatHours(utHour).text);
        }
    }
    return kSalatFound;
}

}  // namespace veloranth
