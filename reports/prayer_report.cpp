// The prayer-time report, step by step between the computations of the day's schedule,
// and the texts composed from it.
#include "reports/prayer_report.h"

#include "base/codepage.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "base/text_sink.h"
#include "platform/output.h"
#include "reports/french_names.h"
#include "engine/shown_time.h"

namespace veloranth {

namespace {

constexpr std::size_t kSummaryLimit = 400;  // characters of DaySummaryText

const char* const kLabels[kSalatCount] = {
    "Fajr    =", "Chourouk=", "Zuhr    =", "Asr     =", "Maghrib =", "Isha    ="};

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
    return ClockOn(s.engine.date, InputsOf(s, nullptr)).dst ? "DST Applies" : "DST does not apply";
}

const char* ScheduleDayName(const MainState& s) {
    return DayName(ScheduleWeekday(s.engine));
}

namespace {

// The report's lines between the steps of the day's schedule.
class ReportPrinter : public ScheduleObserver {
  public:
    ReportPrinter(const MainState& s, TextSink* out) : s_(s), out_(out) {}

    void After(ScheduleStep step, const EngineState& e) override {
        const ConventionRules& k = *InputsOf(s_, nullptr).convention;
        switch (step) {
            case ScheduleStep::Clock:
                Heading(e);
                break;
            case ScheduleStep::Transit:
                Print(out_, "Passage au m\xE9ridien (Zuhr)=%gh ie : %s\n", e.exact[Zuhr],
                      FormatHours(e.exact[Zuhr]).text);
                Print(out_, "\n");
                Print(out_, "Sunrise / Sunset at -%g\n", k.SunriseSetAngle);
                break;
            case ScheduleStep::Chourouk:
                Exact(e, Chourouk, "Chourouk (Sunrise) at %gh ie : %s\n");
                break;
            case ScheduleStep::Maghrib:
                Exact(e, Maghrib, "Maghrib (Sunset) at %gh ie : %s\n");
                break;
            case ScheduleStep::Fajr:
                Exact(e, Fajr, "Fajr (Twilight) at %gh ie : %s\n");
                break;
            case ScheduleStep::Isha:
                if (k.IshaIsMaghribPlus) {
                    Print(out_, "Isha (Maghrib_plus %dmn) at %gh ie : %s\n", k.IshaMaghribMinutes,
                          e.exact[Isha], FormatHours(e.exact[Isha]).text);
                    Print(out_, "\n");
                } else {
                    Exact(e, Isha, "Isha (Twilight) at %gh ie : %s\n");
                }
                break;
            case ScheduleStep::Asr:
                // On purpose "Shafi" for every Asr rule: users compare this trace line by line.
                Print(out_, "Asr (%s) at %gh ie : %s\n", "Shafi", e.exact[Asr],
                      FormatHours(e.exact[Asr]).text);
                Print(out_, "\n");
                break;
            case ScheduleStep::HighLatitude:
                RuleLine(e, k);
                break;
            case ScheduleStep::Adjusted:
                Corrections(e, k);
                Rounded(e);
                break;
        }
    }

  private:
    void Heading(const EngineState& e) {
        const Town& town = s_.config.SelectedTown();
        Print(out_, "_____________________________________________________________\n");
        Print(out_, "Lieu : %s, %s\n", town.Country, town.Name);
        Print(out_, "latitude=%s   longitude=%s\n", FormatDegrees(s_.config.LatitudeRad).text,
              FormatDegrees(s_.config.LongitudeRad).text);
        Print(out_, "%s\n", DstText(s_));
        Print(out_, "Convention %d\n", s_.config.CurrentConvention);
        Print(out_, "____ Mawakit Salat _____\n");
        Print(out_, " at Date=: %d/%d/%d   TZ=%s\n", e.date.Day, e.date.Month, e.date.Year,
              FormatOffset(e.TZeff).text);
    }

    void Exact(const EngineState& e, int kind, const char* line) {
        Print(out_, line, e.exact[kind], FormatHours(e.exact[kind]).text);
        Print(out_, "\n");
    }

    // Told only when the rule moved a time: which rule, and which times it moved.
    void RuleLine(const EngineState& e, const ConventionRules& k) {
        static const char* const kRuleNames[] = {"", "milieu de la nuit", "septi\xE8me de la nuit",
                                                 "angle du cr\xE9puscule"};
        const char* moved = e.moved.fajr && e.moved.isha ? "Fajr et Isha d\xE9plac\xE9s"
                            : e.moved.fajr               ? "Fajr d\xE9plac\xE9"
                                                         : "Isha d\xE9plac\xE9";
        Print(out_, "R\xE8gle des hautes latitudes %d (%s) : %s\n", k.HighLatitudeRule,
              kRuleNames[k.HighLatitudeRule], moved);
        Print(out_, "\n");
    }

    void Corrections(const EngineState& e, const ConventionRules& k) {
        Print(out_, "_______ Mawakit Salat Exactes _______\n");
        const double offsets[kSalatCount] = {k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
                                             k.AsrOffset,  k.MaghribOffset,  k.IshaOffset};
        for (int kind = 0; kind < kSalatCount; ++kind) {
            if (kind == Zuhr && k.ZuhrFixe) {
                Print(out_, "Zuhr Fixed = %s\n", FormatHours(e.adjusted[Zuhr]).text);
            } else {
                PrintCorrection(out_, s_, kind, offsets[kind]);
            }
        }
    }

    void Rounded(const EngineState& e) {
        const Town& town = s_.config.SelectedTown();
        Print(out_, "_______ Mawakit Salat arrondi _______\n");
        Print(out_, "Lieu : %s, %s\n", town.Country, town.Name);
        Print(out_, "latitude=%s   longitude=%s Convention %d\n",
              FormatDegrees(s_.config.LatitudeRad).text, FormatDegrees(s_.config.LongitudeRad).text,
              s_.config.CurrentConvention);
        Print(out_, "__ Date : %s %d/%d/%d   %s  TZ (include DST)=%s\n", ScheduleDayName(s_),
              e.date.Day, e.date.Month, e.date.Year, DstText(s_), FormatOffset(e.TZeff).text);
        PrintRounded(out_, s_);
        Print(out_, "_____________________________________\n");
    }

    const MainState& s_;
    TextSink* out_;
};

}  // namespace

void PrayerTimeReport(MainState& s, TextSink& sink) {
    TextSink* out = s.config.Verbose != 0 ? &sink : nullptr;
    ReportPrinter printer(s, out);
    ComputeDaySchedule(s.engine, InputsOf(s, out), out ? &printer : nullptr);
}

std::string BoxText(std::string text) {
    const std::size_t kBoxLimit = 1000;  // characters of a message box text, terminator included
    if (text.size() > kBoxLimit - 1) {
        text.resize(kBoxLimit - 1);
    }
    return text;
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
    Print(&text, "    TimeZone %s  %2d:%02d:%02d\n", FormatOffset(e.TZeff, true).text, e.time.Hour,
          e.time.Minute, e.time.Second);
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
    Print(&text, "__ Date : %s %d/%d/%d   %s  TZ (include DST)=%s\n\n", ScheduleDayName(s),
          e.date.Day, e.date.Month, e.date.Year, DstText(s), FormatOffset(e.TZeff).text);
    PrintRounded(&text, s);
    return BoxText(text.str());
}

}  // namespace veloranth
