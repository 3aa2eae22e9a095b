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
#include "engine/town_clock.h"
#include "reports/french_names.h"

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
        } else if (static_cast<unsigned char>(c) < 0x20) {
            Print(&out, "\\u%04x", static_cast<unsigned char>(c));
        } else {
            Print(&out, "%c", c);
        }
    }
    Print(&out, "\"");
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
    Print(&out, ",\n%s\"rules\": {\"fajr\": \"%s\", \"isha\": \"%s\", \"ramadan_isha\": %s}",
          indent, RuleNamesOf(d.rules.fajr).key, RuleNamesOf(d.rules.isha).key,
          d.rules.ramadanIsha ? "true" : "false");
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

// The same place and convention give the same UIDs, so a calendar that imports the file
// again updates its events instead of doubling them.
std::string PlaceKey(const MainState& s) {
    const Town& t = s.config.SelectedTown();
    StringSink key;
    Print(&key, "%.6f:%.6f:%d:%d:%d:%s:%s", t.latitude, t.longitude, t.TimeZone, t.DST,
          s.config.CurrentConvention, t.Country, t.Name);
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : key.str()) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    StringSink text;
    Print(&text, "%016llx", static_cast<unsigned long long>(hash));
    return text.str();
}

}  // namespace

std::vector<PrayerDay> ComputeSpan(const MainState& s, Span span) {
    const DayInputs in = InputsOf(s);
    const ObservationDate& date = s.date;
    EngineMemo memo;
    std::vector<PrayerDay> days;
    int firstMonth = span == Span::Year ? 1 : date.Month;
    int lastMonth = span == Span::Year ? 12 : date.Month;
    for (int m = firstMonth; m <= lastMonth; ++m) {
        int first = span == Span::Day ? date.Day : 1;
        int last = span == Span::Day ? date.Day : DaysInMonth(m, date.Year);
        for (int d = first; d <= last; ++d) {
            days.push_back(ComputeDaySchedule(in, {d, m, date.Year}, &memo));
        }
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
    const Town& t = s.config.SelectedTown();
    const Convention& k = s.config.Conventions[s.config.CurrentConvention];
    StringSink out;
    Print(&out, "{\n  \"place\": {\"country\": %s, \"name\": %s",
          JsonString(t.Country).c_str(), JsonString(t.Name).c_str());
    Print(&out, ", \"latitude\": %.10g, \"longitude\": %.10g},\n", t.latitude, t.longitude);
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

std::string CsvText(const std::vector<PrayerDay>& days) {
    StringSink out;
    Print(&out,
          "date,utc_offset,fajr,chourouk,zuhr,asr,maghrib,isha,imsak,sunset,midnight,hijri\n");
    for (const PrayerDay& d : days) {
        Print(&out, "%s,%s", IsoDate(d.date).c_str(), Offset(OffsetMinutes(d)).c_str());
        for (int k = 0; k < kSalatCount; ++k) {
            Print(&out, ",%s", d.found[k] ? LocalClockText(d, k).c_str() : "");
        }
        for (int k = 0; k < kCommunityCount; ++k) {
            const CommunityTimes& c = d.community;
            Print(&out, ",%s", c.found[k] ? LocalClockText(d, c.shown[k]).c_str() : "");
        }
        Print(&out, ",%s\n", HijriIsoText(d.hijri).c_str());
    }
    return out.str();
}

std::string IcsText(const MainState& s, const std::vector<PrayerDay>& days, std::int64_t stamp) {
    const Town& t = s.config.SelectedTown();
    const std::string place = Cp1252ToUtf8(std::string(t.Name) + ", " + t.Country);
    const std::string key = PlaceKey(s);
    StringSink out;
    IcsLine(out, "BEGIN:VCALENDAR");
    IcsLine(out, "VERSION:2.0");
    IcsLine(out, "PRODID:-//Veloranth//veloranth-cli " VELORANTH_VERSION "//FR");
    IcsLine(out, "CALSCALE:GREGORIAN");
    IcsLine(out, "X-WR-CALNAME:" + IcsEscaped("Prières - " + place));
    for (const PrayerDay& d : days) {
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
            IcsLine(out, "DTSTAMP:" + UtcStamp(stamp));
            IcsLine(out, "DTSTART:" + UtcStamp(UtcSeconds(d, k)));
            IcsLine(out, std::string("SUMMARY:") + kSalatNames[k]);
            IcsLine(out, "LOCATION:" + IcsEscaped(place));
            IcsLine(out, "TRANSP:TRANSPARENT");
            IcsLine(out, "END:VEVENT");
        }
    }
    IcsLine(out, "END:VCALENDAR");
    return out.str();
}

}  // namespace veloranth::cli
