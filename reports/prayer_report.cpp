// The prayer-time report, step by step between the computations of the day's schedule,
// and the texts composed from it.
#include "reports/prayer_report.h"

#include "config/codepage.h"
#include "engine/constants.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/solver.h"
#include "engine/text_sink.h"
#include "platform/output.h"
#include "reports/french_names.h"
#include "engine/shown_time.h"

namespace veloranth {

namespace {

constexpr std::size_t kSummaryLimit = 400;  // characters of DaySummaryText
constexpr std::size_t kBoxLimit = 1000;     // characters of a message box text

const char* const kLabels[kSalatCount] = {
    "Fajr    =", "Chourouk=", "Zuhr    =", "Asr     =", "Maghrib =", "Isha    ="};

bool DstAppliesNow(const MainState& s) {
    const ObservationDate& d = s.engine.date;
    return s.config.CurrentDst != 0 &&
           DstApplies(d.Year, d.Month, d.Day, s.config.CurrentDst, s.config.CurrentTimeZone) == 1;
}

// One line of the exact section: exact time, signed correction, adjusted time.
void PrintCorrection(TextSink* out, const MainState& s, int kind, double offset) {
    Print(out, "%s%s%s%gmn  %s\n", kLabels[kind], FormatHours(s.engine.exact[kind]).text,
          offset >= 0 ? " +" : " ", offset, FormatHours(s.engine.adjusted[kind]).text);
}

// The six rounded times, one per line.
void PrintRounded(TextSink* out, const MainState& s) {
    for (int k = 0; k < kSalatCount; ++k) {
        Print(out, "%s%s\n", kLabels[k], ShownTime(s.engine.adjusted, s.engine.found, k).c_str());
    }
}

std::u16string Limited(const std::string& text, std::size_t limit) {
    std::u16string wide = Cp1252ToUtf16(text);
    if (wide.size() > limit - 1) {
        wide.resize(limit - 1);  // the buffer keeps its terminator
    }
    return wide;
}

}  // namespace

const char* DstText(const MainState& s) {
    return DstAppliesNow(s) ? "DST Applies" : "DST does not apply";
}

const char* ScheduleDayName(const MainState& s) {
    return DayName(ScheduleWeekday(s.engine));
}

void PrayerTimeReport(MainState& s, TextSink& sink) {
    TextSink* out = s.config.Verbose != 0 ? &sink : nullptr;
    const DayInputs in = InputsOf(s, out);
    const ConventionRules& k = *in.convention;
    EngineState& e = s.engine;
    const Town& town = s.config.SelectedTown();

    e.TZeff = EffectiveTimeZone(e.date, in);
    if (out) {
        Print(out, "_____________________________________________________________\n");
        Print(out, "Lieu : %s, %s\n", town.Country, town.Name);
        Print(out, "latitude=%s   longitude=%s\n", FormatDegrees(s.config.LatitudeRad).text,
              FormatDegrees(s.config.LongitudeRad).text);
        Print(out, "%s\n", DstText(s));
        Print(out, "Convention %d\n", s.config.CurrentConvention);
        Print(out, "____ Mawakit Salat _____\n");
        Print(out, " at Date=: %d/%d/%d   TZ=%d\n", e.date.Day, e.date.Month, e.date.Year, e.TZeff);
    }

    ComputeTransit(e, in);
    e.found.found[Zuhr] = true;
    if (out) {
        Print(out, "Passage au m\xE9ridien (Zuhr)=%gh ie : %s\n", e.exact[Zuhr],
              FormatHours(e.exact[Zuhr]).text);
        Print(out, "\n");
        Print(out, "Sunrise / Sunset at -%g\n", k.SunriseSetAngle);
    }

    const Latitude phi(in.LatitudeRad);
    struct Step {
        int kind;
        const char* line;
    } steps[] = {{Chourouk, "Chourouk (Sunrise) at %gh ie : %s\n"},
                 {Maghrib, "Maghrib (Sunset) at %gh ie : %s\n"},
                 {Fajr, "Fajr (Twilight) at %gh ie : %s\n"}};
    for (const Step& step : steps) {
        ComputeExactTime(e, in, phi, step.kind);
        if (out) {
            Print(out, step.line, e.exact[step.kind], FormatHours(e.exact[step.kind]).text);
            Print(out, "\n");
        }
    }
    ComputeExactTime(e, in, phi, Isha);
    if (out && k.IshaIsMaghribPlus) {
        Print(out, "Isha (Maghrib_plus %dmn) at %gh ie : %s\n", k.IshaMaghribMinutes, e.exact[Isha],
              FormatHours(e.exact[Isha]).text);
    } else if (out) {
        Print(out, "Isha (Twilight) at %gh ie : %s\n", e.exact[Isha],
              FormatHours(e.exact[Isha]).text);
    }
    if (out) {
        Print(out, "\n");
    }
    ComputeExactTime(e, in, phi, Asr);
    if (out) {
        Print(out, "Asr (%s) at %gh ie : %s\n", "Shafi", e.exact[Asr],
              FormatHours(e.exact[Asr]).text);
        Print(out, "\n");
    }

    ComputeAdjustedTimes(e, k);
    if (!out) {
        return;
    }
    Print(out, "_______ Mawakit Salat Exactes _______\n");
    const double offsets[kSalatCount] = {k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
                                         k.AsrOffset,  k.MaghribOffset,  k.IshaOffset};
    for (int kind = 0; kind < kSalatCount; ++kind) {
        if (kind == Zuhr && k.ZuhrFixe) {
            Print(out, "Zuhr Fixed = %s\n", FormatHours(e.adjusted[Zuhr]).text);
        } else {
            PrintCorrection(out, s, kind, offsets[kind]);
        }
    }
    Print(out, "_______ Mawakit Salat arrondi _______\n");
    Print(out, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(out, "latitude=%s   longitude=%s Convention %d\n",
          FormatDegrees(s.config.LatitudeRad).text, FormatDegrees(s.config.LongitudeRad).text,
          s.config.CurrentConvention);
    Print(out, "__ Date : %s %d/%d/%d   %s  TZ (include DST)=%d\n", ScheduleDayName(s), e.date.Day,
          e.date.Month, e.date.Year, DstText(s), e.TZeff);
    PrintRounded(out, s);
    Print(out, "_____________________________________\n");
}

std::u16string ConfigProblemText(const MainState& s) {
    return u"La configuration n'a pas pu \u00EAtre lue :\n" + s.configPath +
           u"\nCorrigez ou remplacez ce fichier, puis relancez Veloranth.";
}

void BuildDaySummary(MainState& s, TextSink& sink) {
    if (!s.townApplied) {
        s.DaySummaryText = ConfigProblemText(s);
        platform::DebugOutput(s.DaySummaryText);
        return;
    }
    PrayerTimeReport(s, sink);
    const EngineState& e = s.engine;
    const Town& town = s.config.SelectedTown();
    StringSink text;
    Print(&text, "    %s, %s\n", town.Country, town.Name);
    Print(&text, "    TimeZone %+d  %2d:%02d:%02d\n", e.TZeff, e.time.Hour, e.time.Minute,
          e.time.Second);
    Print(&text, "    %s  %d  %s  %d\n\n", ScheduleDayName(s), e.date.Day, MonthName(e.date.Month),
          e.date.Year);
    Print(&text, "Fajr  Chourouk Zuhr     Asr   Maghrib  Isha\n");
    for (int k = 0; k < kSalatCount; ++k) {
        Print(&text, "%-6.5s ", ShownTime(e.adjusted, e.found, k).c_str());
    }
    s.DaySummaryText = Limited(text.str(), kSummaryLimit);
    platform::DebugOutput(s.DaySummaryText);
}

std::string PrayerTimeBoxText(MainState& s, TextSink& sink) {
    s.config.Verbose = 0;
    PrayerTimeReport(s, sink);
    const EngineState& e = s.engine;
    const Town& town = s.config.SelectedTown();
    StringSink text;
    Print(&text, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(&text, "latitude=%s   longitude=%s Convention %d\n",
          FormatDegrees(s.config.LatitudeRad).text, FormatDegrees(s.config.LongitudeRad).text,
          s.config.CurrentConvention);
    Print(&text, "__ Date : %s %d/%d/%d   %s  TZ (include DST)=%d\n\n", ScheduleDayName(s),
          e.date.Day, e.date.Month, e.date.Year, DstText(s), e.TZeff);
    PrintRounded(&text, s);
    std::string result = text.str();
    if (result.size() > kBoxLimit - 1) {
        result.resize(kBoxLimit - 1);
    }
    return result;
}

}  // namespace veloranth
