// JSON, CSV and iCalendar (RFC 5545) renderings of the shown times. Instants come from
// the times rounded to the minute, as shown, so a calendar event and the printed table
// never disagree.
#include "cli/formats.h"

#include <cmath>
#include <cstdlib>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/local_times.h"
#include "cli/method.h"
#include "engine/midnight.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/town_clock.h"
#include "reports/calendar.h"
#include "reports/french_names.h"
#include "reports/prayer_report.h"

namespace veloranth::cli {
namespace {

const char* const kKeys[kSalatCount] = {"fajr", "chourouk", "zuhr", "asr", "maghrib", "isha"};
const char* const kCommunityKeys[kCommunityCount] = {"imsak", "sunset", "midnight"};

std::string IsoDate(const ObservationDate& d) {
    StringSink text;
    Print(&text, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return text.str();
}

std::string Offset(int minutes) {
    StringSink text;
    Print(&text, "%c%02d:%02d", minutes < 0 ? '-' : '+', std::abs(minutes) / 60,
          std::abs(minutes) % 60);
    return text.str();
}

std::string JsonString(const std::string& cp1252) {
    StringSink out;
    Print(&out, "\"");
    for (char c : Cp1252ToUtf8(cp1252)) {
        if (c == '"' || c == '\\') {
            Print(&out, "\\%c", c);
        } else if (c == '\n') {
            Print(&out, "\\n");
        } else if (static_cast<unsigned char>(c) < 0x20) {
            Print(&out, "\\u%04x", static_cast<unsigned char>(c));
        } else {
            Print(&out, "%c", c);
        }
    }
    Print(&out, "\"");
    return out.str();
}

// The place, as every JSON object names it.
std::string PlaceJson(const MainState& s) {
    const Town& t = s.config.SelectedTown();
    StringSink out;
    Print(&out, "\"place\": {\"country\": %s, \"name\": %s", JsonString(t.Country).c_str(),
          JsonString(t.Name).c_str());
    Print(&out, ", \"latitude\": %.10g, \"longitude\": %.10g}", t.latitude, t.longitude);
    return out.str();
}

// A time of the day as local clock time and instant, or null when it was not found.
void JsonTime(TextSink& out, const PrayerDay& d, double hours, bool found, int offsetMinutes) {
    if (!found) {
        Print(&out, "null");
        return;
    }
    ObservationDate when;
    const std::string clock = LocalClockText(d, hours, &when);
    Print(&out, "{\"local\": \"%s\", \"instant\": \"%sT%s:00%s\"}", clock.c_str(),
          IsoDate(when).c_str(), clock.c_str(), Offset(offsetMinutes).c_str());
}

// The clock a community time is shown on: midnight's own, which a change of the clock in
// the night makes the next day's.
int CommunityOffsetMinutes(const PrayerDay& d, int kind) {
    return kind == kMidnight ? static_cast<int>(std::lround(d.community.midnightTZeff * 60))
                             : OffsetMinutes(d);
}

// `, "polar": {...}` on a day whose times a polar rule gave: the rule, its latitude or date,
// and the prayers' times it gave (those found there; Imsak, sunset and midnight follow from
// them); "" on other days.
std::string PolarJson(const PrayerDay& d) {
    if (d.polar.rule == kNoPolarRule || !d.polar.found) {
        return "";
    }
    StringSink out;
    if (d.polar.rule == kNearestLatitude) {
        Print(&out, ", \"polar\": {\"rule\": \"latitude\", \"latitude\": %.10g", d.polar.latitude);
    } else {
        Print(&out, ", \"polar\": {\"rule\": \"day\", \"date\": \"%s\"",
              IsoDate(d.polar.date).c_str());
    }
    const char* separator = "";
    Print(&out, ", \"times\": [");
    for (int k = 0; k < kSalatCount; ++k) {
        if (d.found[k]) {
            Print(&out, "%s\"%s\"", separator, kKeys[k]);
            separator = ", ";
        }
    }
    Print(&out, "]}");
    return out.str();
}

void JsonDay(TextSink& out, const PrayerDay& d, const char* indent) {
    const std::string offset = Offset(OffsetMinutes(d));
    Print(&out, "%s\"date\": \"%s\",\n%s\"utc_offset\": \"%s\",\n%s\"times\": {", indent,
          IsoDate(d.date).c_str(), indent, offset.c_str(), indent);
    for (int k = 0; k < kSalatCount; ++k) {
        Print(&out, "%s\n%s  \"%s\": ", k == 0 ? "" : ",", indent, kKeys[k]);
        JsonTime(out, d, d.shown[k], d.found[k], OffsetMinutes(d));
    }
    for (int k = 0; k < kCommunityCount; ++k) {
        Print(&out, ",\n%s  \"%s\": ", indent, kCommunityKeys[k]);
        JsonTime(out, d, d.community.shown[k], d.community.found[k], CommunityOffsetMinutes(d, k));
    }
    Print(&out, "\n%s},\n%s\"hijri\": \"%s\",\n%s\"hijri_text\": %s", indent, indent,
          HijriIsoText(d.hijri).c_str(), indent, JsonString(HijriDateText(d.hijri)).c_str());
    if (const char* event = HolyDayName(d.hijri)) {
        Print(&out, ",\n%s\"event\": %s", indent, JsonString(event).c_str());
    }
    Print(&out, ",\n%s\"rules\": {\"fajr\": \"%s\", \"isha\": \"%s\", \"ramadan_isha\": %s",
          indent, RuleNamesOf(d.rules.fajr).key, RuleNamesOf(d.rules.isha).key,
          d.rules.ramadanIsha ? "true" : "false");
    Print(&out, "%s}", PolarJson(d).c_str());
}

// RFC 5545 text value: backslash, semicolon, comma and line breaks escaped.
std::string IcsEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
        }
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out;
}

// One content line, folded after 75 octets without cutting a UTF-8 sequence.
void IcsLine(TextSink& out, const std::string& line) {
    std::size_t start = 0, limit = 75;
    while (line.size() - start > limit) {
        std::size_t cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        Print(&out, "%s\r\n ", line.substr(start, cut - start).c_str());
        start = cut;
        limit = 74;  // the leading blank counts
    }
    Print(&out, "%s\r\n", line.substr(start).c_str());
}

std::string UtcStamp(std::int64_t seconds) {
    std::int64_t days = seconds >= 0 ? seconds / 86400 : -((86399 - seconds) / 86400);
    std::int64_t rest = seconds - days * 86400;
    ObservationDate d = DateOfDays(days);
    StringSink text;
    Print(&text, "%04d%02d%02dT%02d%02d%02dZ", d.Year, d.Month, d.Day,
          static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60));
    return text.str();
}

// The place alone names a prayer's events, whatever the method: a calendar that imports
// the file again, even under another convention, updates its events instead of doubling them.
std::string PlaceKey(const MainState& s) {
    const Town& t = s.config.SelectedTown();
    StringSink key;
    Print(&key, "%.4f:%.4f:%s:%s", t.latitude, t.longitude, t.Country, t.Name);
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : key.str()) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    StringSink text;
    Print(&text, "%016llx", static_cast<unsigned long long>(hash));
    return text.str();
}

// A later file carries a higher SEQUENCE: whole minutes from 2000-01-01T00:00Z to its writing.
std::string Sequence(std::int64_t stamp) {
    constexpr std::int64_t kYear2000 = 946684800;  // seconds since 1970
    const std::int64_t since = stamp - kYear2000;
    return "SEQUENCE:" + std::to_string(since >= 0 ? since / 60 : 0);
}

void IcsHead(TextSink& out, const std::string& name) {
    IcsLine(out, "BEGIN:VCALENDAR");
    IcsLine(out, "VERSION:2.0");
    IcsLine(out, "PRODID:-//Veloranth//veloranth-cli " VELORANTH_VERSION "//FR");
    IcsLine(out, "CALSCALE:GREGORIAN");
    IcsLine(out, "X-WR-CALNAME:" + IcsEscaped(name));
}

// A holy day as an all-day event, named by its Hijri date: a changed adjustment moves it.
void IcsHolyDay(TextSink& out, const HijriDate& h, const ObservationDate& date,
                std::int64_t stamp) {
    StringSink uid;
    Print(&uid, "UID:%04d%02d%02dH-holyday@veloranth", h.year, h.month, h.day);
    const ObservationDate next = DateOfDays(DaysOf(date) + 1);
    IcsLine(out, "BEGIN:VEVENT");
    IcsLine(out, uid.str());
    IcsLine(out, "DTSTAMP:" + UtcStamp(stamp));
    IcsLine(out, Sequence(stamp));
    IcsLine(out, "DTSTART;VALUE=DATE:" + IsoDate(date).erase(7, 1).erase(4, 1));
    IcsLine(out, "DTEND;VALUE=DATE:" + IsoDate(next).erase(7, 1).erase(4, 1));
    IcsLine(out, "SUMMARY:" + IcsEscaped(Cp1252ToUtf8(std::string(HolyDayName(h)) + " (" +
                                                      HijriDateText(h) + ")")));
    IcsLine(out, "TRANSP:TRANSPARENT");
    IcsLine(out, "END:VEVENT");
}

}  // namespace

std::vector<PrayerDay> ComputeSpan(const MainState& s, Span span) {
    const DayInputs in = InputsOf(s);
    const ObservationDate& date = s.date;
    std::int64_t first = DaysOf(date), last = first;
    if (span == Span::Month || span == Span::Year) {
        const int firstMonth = span == Span::Year ? 1 : date.Month;
        const int lastMonth = span == Span::Year ? 12 : date.Month;
        first = DaysOf({1, firstMonth, date.Year});
        last = DaysOf({DaysInMonth(lastMonth, date.Year), lastMonth, date.Year});
    } else if (span == Span::Ramadan) {
        const RamadanDays r = RamadanOf(s);
        first = DaysOf(r.first);
        last = first + r.days - 1;
    }
    EngineMemo memo;
    std::vector<PrayerDay> days;
    for (std::int64_t d = first; d <= last; ++d) {
        days.push_back(ComputeDaySchedule(in, DateOfDays(d), &memo));
    }
    // Each day's midnight needs the next date's sunrise or Fajr: the next day's schedule.
    const PrayerDay after = ComputeDaySchedule(in, NextDate(days.back().date), &memo);
    for (std::size_t i = 0; i < days.size(); ++i) {
        SetMidnight(days[i], i + 1 < days.size() ? days[i + 1] : after, in);
    }
    return days;
}

std::string JsonText(const MainState& s, const std::vector<PrayerDay>& days, bool oneDay,
                     bool conventionOfFile) {
    const Convention& k = s.config.Conventions[s.config.CurrentConvention];
    StringSink out;
    Print(&out, "{\n  %s,\n", PlaceJson(s).c_str());
    if (conventionOfFile) {
        Print(&out, "  \"convention\": {\"number\": %d, \"name\": %s},\n",
              s.config.CurrentConvention, JsonString(k.Name).c_str());
    } else {
        Print(&out, "  \"convention\": null,\n");
    }
    Print(&out, "  \"method\": %s,\n", MethodJson(k).c_str());
    if (oneDay && days.size() == 1) {
        JsonDay(out, days[0], "  ");
        Print(&out, "\n}\n");
        return out.str();
    }
    Print(&out, "  \"days\": [");
    for (std::size_t i = 0; i < days.size(); ++i) {
        Print(&out, "%s", i == 0 ? "\n    {\n" : ",\n    {\n");
        JsonDay(out, days[i], "      ");
        Print(&out, "\n    }");
    }
    Print(&out, "\n  ]\n}\n");
    return out.str();
}

std::string NextPrayerJson(const MainState& s, const NextPrayer& next) {
    StringSink out;
    Print(&out, "{\n  %s,\n", PlaceJson(s).c_str());
    if (next.found) {
        ObservationDate when;
        LocalClockText(next.day, next.kind, &when);
        Print(&out,
              "  \"prayer\": \"%s\",\n  \"name\": \"%s\",\n  \"local\": \"%s\",\n"
              "  \"instant\": \"%sT%s:00%s\",\n  \"seconds_left\": %lld,\n",
              kKeys[next.kind], kSalatNames[next.kind], next.clock.c_str(), IsoDate(when).c_str(),
              next.clock.c_str(), Offset(OffsetMinutes(next.day)).c_str(),
              static_cast<long long>(next.secondsLeft));
    } else {
        Print(&out,
              "  \"prayer\": null,\n  \"name\": null,\n  \"local\": null,\n"
              "  \"instant\": null,\n  \"seconds_left\": null,\n");
    }
    std::string tooltip;
    for (int k = 0; k < kSalatCount; ++k) {
        tooltip += std::string(k == 0 ? "" : "\n") + kSalatNames[k] + " " +
                   ShownTime(next.today.shown, next.today.found, k);
    }
    Print(&out,
          "  \"tomorrow\": %s,\n  \"text\": %s,\n  \"tooltip\": %s,\n  \"class\": \"%s\"\n}\n",
          next.tomorrow ? "true" : "false", JsonString(NextPrayerLine(next)).c_str(),
          JsonString(tooltip).c_str(), next.found ? kKeys[next.kind] : "none");
    return out.str();
}

std::string CsvText(const std::vector<PrayerDay>& days) {
    StringSink out;
    Print(
        &out,
        "date,utc_offset,fajr,chourouk,zuhr,asr,maghrib,isha,imsak,sunset,midnight,hijri,event\n");
    for (const PrayerDay& d : days) {
        Print(&out, "%s,%s", IsoDate(d.date).c_str(), Offset(OffsetMinutes(d)).c_str());
        for (int k = 0; k < kSalatCount; ++k) {
            Print(&out, ",%s", d.found[k] ? LocalClockText(d, k).c_str() : "");
        }
        for (int k = 0; k < kCommunityCount; ++k) {
            const CommunityTimes& c = d.community;
            Print(&out, ",%s", c.found[k] ? LocalClockText(d, c.shown[k]).c_str() : "");
        }
        const char* event = HolyDayName(d.hijri);
        Print(&out, ",%s,%s\n", HijriIsoText(d.hijri).c_str(),
              event != nullptr ? Cp1252ToUtf8(event).c_str() : "");
    }
    return out.str();
}

std::string IcsText(const MainState& s, const std::vector<PrayerDay>& days,
                    const IcsOptions& options) {
    const Town& t = s.config.SelectedTown();
    const std::string place = Cp1252ToUtf8(std::string(t.Name) + ", " + t.Country);
    const std::string key = PlaceKey(s);
    StringSink out;
    IcsHead(out, "Prières - " + place);
    // A prayer without a time has no event; the calendar says why, and what gives one.
    bool missing = false;
    for (const PrayerDay& d : days) {
        for (int k : kPrayers) {
            missing = missing || !d.found[k];
        }
    }
    if (missing) {
        const std::string why = IcsEscaped(
            "Les jours où le Soleil n'atteint pas la hauteur d'une prière, elle n'a pas d'heure "
            "ni d'événement. Une règle des hautes latitudes (--high-latitude) ou une règle polaire "
            "(--polar) lui en donne une.");
        IcsLine(out, "DESCRIPTION:" + why);  // RFC 7986
        IcsLine(out, "X-WR-CALDESC:" + why);
    }
    for (const PrayerDay& d : days) {
        if (options.holyDays && HolyDayName(d.hijri) != nullptr) {
            IcsHolyDay(out, d.hijri, d.date, options.stamp);
        }
        // On a day whose times a polar rule gave, each event says which.
        const std::string polar =
            d.polar.found ? IcsEscaped(Cp1252ToUtf8(PolarRuleText(d))) : std::string();
        for (int k : kPrayers) {
            if (!d.found[k]) {
                continue;
            }
            // No DTEND: it would have to be later than DTSTART, and a prayer time is an
            // instant; RFC 5545 then ends the event where it starts.
            IcsLine(out, "BEGIN:VEVENT");
            StringSink uid;
            Print(&uid, "UID:%04d%02d%02d-%s-%s@veloranth", d.date.Year, d.date.Month, d.date.Day,
                  kKeys[k], key.c_str());
            IcsLine(out, uid.str());
            IcsLine(out, "DTSTAMP:" + UtcStamp(options.stamp));
            IcsLine(out, Sequence(options.stamp));
            IcsLine(out, "DTSTART:" + UtcStamp(UtcSeconds(d, k)));
            IcsLine(out, std::string("SUMMARY:") + kSalatNames[k]);
            if (!polar.empty()) {
                IcsLine(out, "DESCRIPTION:" + polar);
            }
            IcsLine(out, "LOCATION:" + IcsEscaped(place));
            IcsLine(out, "TRANSP:TRANSPARENT");
            if (options.alarmMinutes) {
                IcsLine(out, "BEGIN:VALARM");
                IcsLine(out, "ACTION:DISPLAY");
                IcsLine(out, std::string("DESCRIPTION:") + kSalatNames[k]);
                IcsLine(out, "TRIGGER:-PT" + std::to_string(*options.alarmMinutes) + "M");
                IcsLine(out, "END:VALARM");
            }
            IcsLine(out, "END:VEVENT");
        }
    }
    IcsLine(out, "END:VCALENDAR");
    return out.str();
}

std::string HolyDaysText(const MainState& s, Format format, std::int64_t stamp) {
    const int adjustment = s.config.HijriAdjustment;
    const int year = HijriFromCivil(s.date.Year, s.date.Month, s.date.Day, adjustment).year;
    StringSink out;
    if (format == Format::Json) {
        Print(&out, "{\n  \"holy_days\": [");
    } else if (format == Format::Csv) {
        Print(&out, "name,date,hijri\n");
    } else if (format == Format::Ics) {
        IcsHead(out, "Fêtes de l'année " + std::to_string(year) + " de l'Hégire");
    }
    for (int i = 0; i < kHolyDayCount; ++i) {
        const HijriDate h{year, kHolyDays[i].month, kHolyDays[i].day};
        std::int64_t days = 0;
        DaysFromHijri(h, adjustment, days);  // the holy days fall on days every month has
        const ObservationDate date = DateOfDays(days);
        const std::string name = kHolyDays[i].name;
        if (format == Format::Json) {
            Print(&out, "%s\n    {\"name\": %s, \"date\": \"%s\", \"hijri\": \"%s\"}",
                  i == 0 ? "" : ",", JsonString(name).c_str(), IsoDate(date).c_str(),
                  HijriIsoText(h).c_str());
        } else if (format == Format::Csv) {
            Print(&out, "%s,%s,%s\n", Cp1252ToUtf8(name).c_str(), IsoDate(date).c_str(),
                  HijriIsoText(h).c_str());
        } else if (format == Format::Ics) {
            IcsHolyDay(out, h, date, stamp);
        } else {
            const int weekday = static_cast<int>(((days % 7) + 7 + 3) % 7);  // 1970-01-01: Thursday
            Print(&out, "%s : %s (%s)\n", name.c_str(),
                  LongDateText(weekday, date.Day, date.Month, date.Year).c_str(),
                  HijriDateText(h).c_str());
        }
    }
    if (format == Format::Json) {
        Print(&out, "\n  ]\n}\n");
    } else if (format == Format::Ics) {
        IcsLine(out, "END:VCALENDAR");
    }
    return out.str();
}

}  // namespace veloranth::cli
