// JSON, CSV and iCalendar (RFC 5545) renderings of the adjusted times, and the next-prayer
// and qibla answers. Instants come from the times rounded to the minute, as shown, so a
// calendar event and the printed table never disagree.
#include "cli/formats.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "base/constants.h"
#include "base/text_sink.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "reports/qibla.h"
#include "reports/sun_report.h"

namespace veloranth::cli {
namespace {

const char* const kNames[kSalatCount] = {"Fajr", "Chourouk", "Zuhr", "Asr", "Maghrib", "Isha"};
const char* const kKeys[kSalatCount] = {"fajr", "chourouk", "zuhr", "asr", "maghrib", "isha"};
const int kPrayers[] = {Fajr, Zuhr, Asr, Maghrib, Isha};  // Chourouk is no prayer

// The date of a day count (civil-from-days).
ObservationDate DateOfEpochDay(std::int64_t z) {
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {day, month, static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0))};
}

// Local minutes from the day's midnight, rounded as the shown times are (may leave 0..1439).
std::int64_t LocalMinutes(double hours) {
    return static_cast<std::int64_t>(std::floor(hours * 60 + 0.5));
}

// The instant of a time of a day, in seconds since 1970 UTC.
std::int64_t UtcSeconds(const DayRecord& d, int kind) {
    std::int64_t local =
        DaysFromCivil(d.date.Year, d.date.Month, d.date.Day) * 1440 + LocalMinutes(d.times[kind]);
    return (local - d.tzMinutes) * 60;
}

std::string Printed(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printed(const char* format, ...) {
    char buffer[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string IsoDate(const ObservationDate& d) {
    return Printed("%04d-%02d-%02d", d.Year, d.Month, d.Day);
}

std::string Offset(int minutes) {
    return Printed("%c%02d:%02d", minutes < 0 ? '-' : '+', std::abs(minutes) / 60,
                   std::abs(minutes) % 60);
}

// The local clock time of an entry, "HH:MM", and its date (which a time past midnight moves).
std::string LocalClockText(const DayRecord& d, int kind, ObservationDate* date = nullptr) {
    std::int64_t minutes = LocalMinutes(d.times[kind]);
    std::int64_t dayShift = minutes >= 0 ? minutes / 1440 : -((1439 - minutes) / 1440);
    minutes -= dayShift * 1440;
    if (date != nullptr) {
        *date = DateOfEpochDay(DaysFromCivil(d.date.Year, d.date.Month, d.date.Day) + dayShift);
    }
    return Printed("%02d:%02d", static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
}

std::string JsonString(const std::string& cp1252) {
    std::string out = "\"";
    for (char c : Cp1252ToUtf8(cp1252)) {
        if (c == '"' || c == '\\') {
            out += '\\', out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += Printed("\\u%04x", static_cast<unsigned char>(c));
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonDay(const DayRecord& d, const char* indent) {
    std::string out =
        Printed("%s\"date\": \"%s\",\n%s\"utc_offset\": \"%s\",\n%s\"times\": {", indent,
                IsoDate(d.date).c_str(), indent, Offset(d.tzMinutes).c_str(), indent);
    for (int k = 0; k < kSalatCount; ++k) {
        out += Printed("%s\n%s  \"%s\": ", k == 0 ? "" : ",", indent, kKeys[k]);
        if (!d.found[k]) {
            out += "null";
            continue;
        }
        ObservationDate when;
        std::string clock = LocalClockText(d, k, &when);
        out += "{\"local\": \"" + clock + "\", \"instant\": \"" + IsoDate(when) + "T" + clock +
               ":00" + Offset(d.tzMinutes) + "\"}";
    }
    return out + "\n" + indent + "}";
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
std::string IcsLine(const std::string& line) {
    std::string out;
    std::size_t start = 0, limit = 75;
    while (line.size() - start > limit) {
        std::size_t cut = start + limit;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out += line.substr(start, cut - start) + "\r\n ";
        start = cut;
        limit = 74;  // the leading blank counts
    }
    return out + line.substr(start) + "\r\n";
}

std::string UtcStamp(std::int64_t seconds) {
    std::int64_t days = seconds >= 0 ? seconds / 86400 : -((86399 - seconds) / 86400);
    std::int64_t rest = seconds - days * 86400;
    ObservationDate d = DateOfEpochDay(days);
    return Printed("%04d%02d%02dT%02d%02d%02dZ", d.Year, d.Month, d.Day,
                   static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                   static_cast<int>(rest % 60));
}

// The same place and convention give the same UIDs, so a calendar that imports the file
// again updates its events instead of doubling them.
std::string PlaceKey(const MainState& s) {
    const Town& t = s.config.SelectedTown();
    std::string key = Printed("%.6f:%.6f:%d:%d:%d:", t.latitude, t.longitude, t.TimeZone, t.DST,
                              s.config.CurrentConvention) +
                      t.Country + ":" + t.Name;
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char c : key) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return Printed("%016llx", static_cast<unsigned long long>(hash));
}

DayRecord ComputeDay(MainState& s, const ObservationDate& date) {
    s.engine.date = date;
    ComputeDaySchedule(s.engine, InputsOf(s, nullptr));
    // Offsets with seconds (Monrovia before 1972) are given to the minute, as ISO 8601 allows.
    return {date, static_cast<int>(std::lround(s.engine.TZeff * 60)), s.engine.adjusted,
            s.engine.found};
}

}  // namespace

std::vector<DayRecord> ComputeSpan(MainState& s, Span span) {
    const ObservationDate saved = s.engine.date;
    std::vector<DayRecord> days;
    int firstMonth = span == Span::Year ? 1 : saved.Month;
    int lastMonth = span == Span::Year ? 12 : saved.Month;
    for (int m = firstMonth; m <= lastMonth; ++m) {
        int first = span == Span::Day ? saved.Day : 1;
        int last = span == Span::Day ? saved.Day : DaysInMonth(m, saved.Year);
        for (int d = first; d <= last; ++d) {
            days.push_back(ComputeDay(s, {d, m, saved.Year}));
        }
    }
    s.engine.date = saved;
    return days;
}

std::string JsonText(const MainState& s, const std::vector<DayRecord>& days, bool oneDay) {
    const Town& t = s.config.SelectedTown();
    int k = s.config.CurrentConvention;
    std::string out =
        "{\n  \"place\": {\"country\": " + JsonString(t.Country) +
        ", \"name\": " + JsonString(t.Name) +
        Printed(", \"latitude\": %.10g, \"longitude\": %.10g},\n", t.latitude, t.longitude) +
        Printed("  \"convention\": {\"number\": %d, \"name\": ", k) +
        JsonString(k >= 0 && k < kConventionCount ? s.config.Conventions[k].Name : "") + "},\n";
    if (oneDay && days.size() == 1) {
        return out + JsonDay(days[0], "  ") + "\n}\n";
    }
    out += "  \"days\": [";
    for (std::size_t i = 0; i < days.size(); ++i) {
        out += (i == 0 ? "\n    {\n" : ",\n    {\n") + JsonDay(days[i], "      ") + "\n    }";
    }
    return out + "\n  ]\n}\n";
}

std::string CsvText(const std::vector<DayRecord>& days) {
    std::string out = "date,utc_offset,fajr,chourouk,zuhr,asr,maghrib,isha\n";
    for (const DayRecord& d : days) {
        out += IsoDate(d.date) + "," + Offset(d.tzMinutes);
        for (int k = 0; k < kSalatCount; ++k) {
            out += "," + (d.found[k] ? LocalClockText(d, k) : std::string());
        }
        out += "\n";
    }
    return out;
}

std::string IcsText(const MainState& s, const std::vector<DayRecord>& days, std::int64_t stamp) {
    const Town& t = s.config.SelectedTown();
    std::string place = Cp1252ToUtf8(std::string(t.Name) + ", " + t.Country);
    std::string key = PlaceKey(s);
    std::string out = IcsLine("BEGIN:VCALENDAR") + IcsLine("VERSION:2.0") +
                      IcsLine("PRODID:-//Veloranth//veloranth-cli " VELORANTH_VERSION "//FR") +
                      IcsLine("CALSCALE:GREGORIAN") +
                      IcsLine("X-WR-CALNAME:" + IcsEscaped("Prières - " + place));
    for (const DayRecord& d : days) {
        for (int k : kPrayers) {
            if (!d.found[k]) {
                continue;
            }
            // No DTEND: it would have to be later than DTSTART, and a prayer time is an
            // instant; RFC 5545 then ends the event where it starts.
            std::string start = UtcStamp(UtcSeconds(d, k));
            out +=
                IcsLine("BEGIN:VEVENT") +
                IcsLine("UID:" + Printed("%04d%02d%02d-", d.date.Year, d.date.Month, d.date.Day) +
                        kKeys[k] + "-" + key + "@veloranth") +
                IcsLine("DTSTAMP:" + UtcStamp(stamp)) + IcsLine("DTSTART:" + start) +
                IcsLine(std::string("SUMMARY:") + kNames[k]) +
                IcsLine("LOCATION:" + IcsEscaped(place)) + IcsLine("TRANSP:TRANSPARENT") +
                IcsLine("END:VEVENT");
        }
    }
    return out + IcsLine("END:VCALENDAR");
}

std::string NextPrayerText(MainState& s) {
    const ObservationDate today = s.engine.date;
    const ObservationTime now = s.engine.time;
    std::int64_t day0 = DaysFromCivil(today.Year, today.Month, today.Day);
    // Yesterday's Isha may fall after midnight, and after today's Isha comes tomorrow's Fajr.
    DayRecord todays = ComputeDay(s, today);
    std::int64_t nowUtc = day0 * 86400 + now.Hour * 3600 + now.Minute * 60 + now.Second -
                          std::int64_t{todays.tzMinutes} * 60;
    const DayRecord* best = nullptr;
    int bestKind = 0;
    std::int64_t bestUtc = 0;
    DayRecord days[3] = {ComputeDay(s, DateOfEpochDay(day0 - 1)), todays,
                         ComputeDay(s, DateOfEpochDay(day0 + 1))};
    s.engine.date = today;
    ComputeDaySchedule(s.engine, InputsOf(s, nullptr));  // the records describe today again
    for (const DayRecord& d : days) {
        for (int k : kPrayers) {
            std::int64_t at = d.found[k] ? UtcSeconds(d, k) : nowUtc;  // a time not found is none
            if (at > nowUtc && (best == nullptr || at < bestUtc)) {
                best = &d, bestKind = k, bestUtc = at;
            }
        }
    }
    if (best == nullptr) {
        return "Prochaine pri\xE8re : aucune d'ici demain soir (le Soleil n'atteint pas les "
               "hauteurs voulues)\n";
    }
    ObservationDate when;
    std::string clock = LocalClockText(*best, bestKind, &when);
    std::int64_t whenDay = DaysFromCivil(when.Year, when.Month, when.Day);
    std::int64_t left = (bestUtc - nowUtc + 59) / 60;  // whole minutes, never "0 min" early
    return Printed("Prochaine pri\xE8re : %s%s \xE0 %s, dans %d h %02d min\n", kNames[bestKind],
                   whenDay > day0 ? " demain" : "", clock.c_str(), static_cast<int>(left / 60),
                   static_cast<int>(left % 60));
}

std::string QiblaAnswerText(MainState& s) {
    StringSink quiet;
    s.config.Verbose = 0;
    SunReport(s, quiet);  // the window's Sun line needs the Sun's azimuth at the time
    double qibla = QiblaBearing(s.config.LatitudeRad, s.config.LongitudeRad);
    double degrees = qibla * RadToDeg;
    degrees = degrees < 0 ? degrees + 360 : degrees;
    return Printed("Qibla : %.2f\xB0 depuis le nord (sens horaire)\n", degrees) +
           QiblaText(qibla, s.engine.solar.az, s.engine.TZeff, s.engine.solar.UTHour) + "\n";
}

}  // namespace veloranth::cli
