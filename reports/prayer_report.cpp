// The prayer-time report, step by step between the computations of the day's schedule,
// and the texts composed from it.
#include "reports/prayer_report.h"

#include <cstring>

#include "base/codepage.h"
#include "base/constants.h"
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

// Fajr's and Isha's lines, by what gave the time: the Committee's season, its seventh of the
// night, or the twilight angle (a high-latitude rule's move has a line of its own).
const char* const kFajrLines[] = {"Fajr (Season) at %gh ie : %s\n",
                                  "Fajr (Night_seventh) at %gh ie : %s\n",
                                  "Fajr (Twilight) at %gh ie : %s\n"};
const char* const kIshaLines[] = {"Isha (Season) at %gh ie : %s\n",
                                  "Isha (Night_seventh) at %gh ie : %s\n",
                                  "Isha (Twilight) at %gh ie : %s\n"};

const char* TwilightLine(const char* const lines[3], TimeRule rule) {
    return rule == TimeRule::Season ? lines[0] : rule == TimeRule::Night ? lines[1] : lines[2];
}

// One line of the exact section: exact time, signed correction, adjusted time.
void PrintCorrection(TextSink* out, const PrayerDay& day, int kind, double offset) {
    Print(out, "%s%s%s%gmn  %s\n", kLabels[kind], FormatHours(day.exact[kind]).text,
          offset >= 0 ? " +" : " ", offset, FormatHours(day.adjusted[kind]).text);
}

// The six rounded times, one per line.
void PrintRounded(TextSink* out, const PrayerDay& day) {
    for (int k = 0; k < kSalatCount; ++k) {
        Print(out, "%s%s\n", kLabels[k], ShownTime(day.shown, day.found, k).c_str());
    }
}

// The place's lines that the rounded block and the box share.
void PrintPlace(TextSink* out, const AppConfig& c) {
    const Town& town = c.SelectedTown();
    Print(out, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(out, "latitude=%s   longitude=%s Convention %d\n", FormatDegrees(c.LatitudeRad).text,
          FormatDegrees(c.LongitudeRad).text, c.CurrentConvention);
}

// "__ Date : ..." of the rounded block and the box, and the Hijri date's line after it
// where data.cfg asks for it, with the holy day's name on such a day.
void PrintDateLines(TextSink* out, const PrayerDay& day, bool hijriShown) {
    Print(out, "__ Date : %s %d/%d/%d   %s  TZ (include DST)=%s\n", DayName(day.weekday),
          day.date.Day, day.date.Month, day.date.Year, DstText(day.dst),
          FormatOffset(day.TZeff).text);
    if (hijriShown) {
        const char* holyDay = HolyDayName(day.hijri);
        Print(out, "__ H\xE9gire : %s%s%s%s\n", HijriDateText(day.hijri).c_str(),
              holyDay ? " (" : "", holyDay ? holyDay : "", holyDay ? ")" : "");
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

const char* DstText(bool dst) {
    return dst ? "DST Applies" : "DST does not apply";
}

std::string NameList(const char* const* names, int count) {
    std::string list = count > 0 ? names[0] : "";
    for (int i = 1; i < count; ++i) {
        list += std::string(i == count - 1 ? " et " : ", ") + names[i];
    }
    return list;
}

const char* PolarRuleName(int rule) {
    static const char* const kRuleNames[] = {"", "latitude la plus proche", "jour le plus proche"};
    return rule > kNoPolarRule && rule <= kLastPolarRule ? kRuleNames[rule] : "";
}

std::string PolarRuleText(const PrayerDay& day) {
    const PolarResult& p = day.polar;
    StringSink text;
    Print(&text, "R\xE8gle polaire %d (%s) : ", p.rule, PolarRuleName(p.rule));
    if (!p.found) {
        Print(&text,
              p.rule == kNearestDay
                  ? "aucun jour \xE0 moins de six mois o\xF9 le Soleil se l\xE8ve et se couche"
                  : "aucune latitude o\xF9 le Soleil se l\xE8ve et se couche");
        return text.str();
    }
    const char* given[kSalatCount];
    int n = 0;
    for (int k = 0; k < kSalatCount; ++k) {
        if (day.found[k]) {
            given[n++] = kSalatNames[k];
        }
    }
    Print(&text, "%s", NameList(given, n).c_str());
    if (p.rule == kNearestLatitude) {
        FormattedText latitude = FormatDegrees(p.latitude * DegToRad);
        Print(&text, " de la latitude %s", latitude.text + std::strspn(latitude.text, " "));
    } else {
        Print(&text, " du %d/%d/%d", p.date.Day, p.date.Month, p.date.Year);
    }
    return text.str();
}

namespace {

// The report's lines between the steps of the day's schedule.
class ReportPrinter : public ScheduleObserver {
  public:
    // `k` null: the town's convention is not defined, and the day has no times.
    ReportPrinter(const MainState& s, const ConventionRules* k, TextSink* out)
        : s_(s), k_(k), out_(out) {}

    void After(ScheduleStep step, const PrayerDay& e) override {
        static const ConventionRules kNone{};
        const ConventionRules& k = k_ != nullptr ? *k_ : kNone;
        switch (step) {
            case ScheduleStep::Clock:
                Heading(e);
                break;
            case ScheduleStep::Transit:
                Print(out_, "Passage au m\xE9ridien (Zuhr)=%gh ie : %s\n", e.exact[Zuhr],
                      FormatHours(e.exact[Zuhr]).text);
                Print(out_, "\n");
                if (k_ != nullptr) {
                    Print(out_, "Sunrise / Sunset at -%g\n", k.SunriseSetAngle);
                }
                break;
            case ScheduleStep::Chourouk:
                Exact(e, Chourouk, "Chourouk (Sunrise) at %gh ie : %s\n");
                break;
            case ScheduleStep::Maghrib:
                Line(e.community.time[kSunset], "Maghrib (Sunset) at %gh ie : %s\n");
                break;
            case ScheduleStep::MaghribAngle:
                Print(out_, "Maghrib (Twilight %g) at %gh ie : %s\n", k.MaghribTwilightAngle,
                      e.exact[Maghrib], FormatHours(e.exact[Maghrib]).text);
                Print(out_, "\n");
                break;
            case ScheduleStep::Fajr:
                Exact(e, Fajr, TwilightLine(kFajrLines, e.rules.fajr));
                break;
            case ScheduleStep::Isha:
                IshaLine(e, k);
                break;
            case ScheduleStep::Asr:
                // On purpose "Shafi" for every Asr rule: users compare this trace line by line.
                if (e.polar.sunBelow) {
                    Print(out_, "Asr (%s) not given: the Sun does not rise\n", "Shafi");
                } else {
                    Print(out_, "Asr (%s) at %gh ie : %s\n", "Shafi", e.exact[Asr],
                          FormatHours(e.exact[Asr]).text);
                }
                Print(out_, "\n");
                break;
            case ScheduleStep::Polar:
                Print(out_, "%s\n", PolarRuleText(e).c_str());
                Print(out_, "\n");
                break;
            case ScheduleStep::HighLatitude:
                RuleLine(e, k);
                break;
            case ScheduleStep::Adjusted:
                if (k_ != nullptr) {
                    Corrections(e, k);
                } else {
                    // "\xE9" "f": a hex escape would take the f.
                    Print(out_, "Convention %d non d\xE9" "finie : aucune heure\n",
                          s_.config.CurrentConvention);
                }
                Rounded(e);
                break;
        }
    }

  private:
    void Heading(const PrayerDay& e) {
        const Town& town = s_.config.SelectedTown();
        Print(out_, "_____________________________________________________________\n");
        Print(out_, "Lieu : %s, %s\n", town.Country, town.Name);
        Print(out_, "latitude=%s   longitude=%s\n", FormatDegrees(s_.config.LatitudeRad).text,
              FormatDegrees(s_.config.LongitudeRad).text);
        Print(out_, "%s\n", DstText(e.dst));
        Print(out_, "Convention %d\n", s_.config.CurrentConvention);
        Print(out_, "____ Mawakit Salat _____\n");
        Print(out_, " at Date=: %d/%d/%d   TZ=%s\n", e.date.Day, e.date.Month, e.date.Year,
              FormatOffset(e.TZeff).text);
    }

    void Line(double hours, const char* line) {
        Print(out_, line, hours, FormatHours(hours).text);
        Print(out_, "\n");
    }

    void Exact(const PrayerDay& e, int kind, const char* line) { Line(e.exact[kind], line); }

    // Isha's line names what gave it: minutes after Maghrib (Ramadan's on its days), the
    // season, the Committee's seventh of the night, or the twilight angle.
    void IshaLine(const PrayerDay& e, const ConventionRules& k) {
        if (k.IshaIsMaghribPlus) {
            const bool ramadan = e.rules.ramadanIsha;
            const char* line = ramadan ? "Isha (Ramadan_plus %dmn) at %gh ie : %s\n"
                                       : "Isha (Maghrib_plus %dmn) at %gh ie : %s\n";
            Print(out_, line, ramadan ? k.RamadanIshaMinutes : k.IshaMaghribMinutes, e.exact[Isha],
                  FormatHours(e.exact[Isha]).text);
            Print(out_, "\n");
        } else {
            Exact(e, Isha, TwilightLine(kIshaLines, e.rules.isha));
        }
    }

    // Told only when the rule moved a time: which rule, and which times it moved.
    void RuleLine(const PrayerDay& e, const ConventionRules& k) {
        static const char* const kRuleNames[] = {"", "milieu de la nuit", "septi\xE8me de la nuit",
                                                 "angle du cr\xE9puscule"};
        // "Fajr d\xE9plac\xE9", "Fajr et Isha d\xE9plac\xE9s", "Fajr, Maghrib et Isha ...".
        const char* names[3];
        int n = 0;
        if (e.moved.fajr) {
            names[n++] = "Fajr";
        }
        if (e.moved.maghrib) {
            names[n++] = "Maghrib";
        }
        if (e.moved.isha) {
            names[n++] = "Isha";
        }
        std::string moved = NameList(names, n) + (n > 1 ? " d\xE9plac\xE9s" : " d\xE9plac\xE9");
        Print(out_, "R\xE8gle des hautes latitudes %d (%s) : %s\n", k.HighLatitudeRule,
              kRuleNames[k.HighLatitudeRule], moved.c_str());
        Print(out_, "\n");
    }

    void Corrections(const PrayerDay& e, const ConventionRules& k) {
        Print(out_, "_______ Mawakit Salat Exactes _______\n");
        const double offsets[kSalatCount] = {k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
                                             k.AsrOffset,  k.MaghribOffset,  k.IshaOffset};
        for (int kind = 0; kind < kSalatCount; ++kind) {
            if (kind == Zuhr && k.ZuhrFixe) {
                Print(out_, "Zuhr Fixed = %s\n", FormatHours(e.adjusted[Zuhr]).text);
            } else {
                PrintCorrection(out_, e, kind, offsets[kind]);
            }
        }
    }

    void Rounded(const PrayerDay& e) {
        Print(out_, "_______ Mawakit Salat arrondi _______\n");
        PrintPlace(out_, s_.config);
        PrintDateLines(out_, e, s_.config.HijriShown);
        PrintRounded(out_, e);
        Print(out_, "_____________________________________\n");
    }

    const MainState& s_;
    const ConventionRules* k_;
    TextSink* out_;
};

}  // namespace

PrayerDay PrayerTimeReport(const MainState& s, TextSink* out) {
    const DayInputs in = InputsOf(s);
    ReportPrinter printer(s, in.convention, out);
    return ComputeDaySchedule(in, s.date, nullptr, out ? &printer : nullptr, out);
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

void BuildDaySummary(MainState& s) {
    if (!s.townApplied) {
        s.DaySummaryText = ConfigProblemText(s);
        platform::DebugOutput(s.DaySummaryText);
        return;
    }
    s.day = PrayerTimeReport(s, nullptr);
    const PrayerDay& e = s.day;
    const Town& town = s.config.SelectedTown();
    StringSink text;
    Print(&text, "    %s, %s\n", town.Country, town.Name);
    Print(&text, "    TimeZone %s  %2d:%02d:%02d\n", FormatOffset(e.TZeff, true).text, s.time.Hour,
          s.time.Minute, s.time.Second);
    Print(&text, "    %s  %d  %s  %d\n", DayName(e.weekday), e.date.Day, MonthName(e.date.Month),
          e.date.Year);
    if (s.config.HijriShown) {
        Print(&text, "    %s\n", HijriDateText(e.hijri).c_str());
    }
    Print(&text, "\n");
    Print(&text, "Fajr  Chourouk Zuhr     Asr   Maghrib  Isha\n");
    for (int k = 0; k < kSalatCount; ++k) {
        Print(&text, "%-6.5s ", ShownTime(e.shown, e.found, k).c_str());
    }
    s.DaySummaryText = Limited(text.str(), kSummaryLimit);
    platform::DebugOutput(s.DaySummaryText);
}

std::string PrayerTimeBoxText(const MainState& s) {
    const PrayerDay day = PrayerTimeReport(s, nullptr);
    StringSink text;
    PrintPlace(&text, s.config);
    PrintDateLines(&text, day, s.config.HijriShown);
    Print(&text, "\n");
    PrintRounded(&text, day);
    return BoxText(text.str());
}

}  // namespace veloranth
