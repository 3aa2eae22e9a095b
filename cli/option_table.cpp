// The options, one row each, in the order --help lists them. A setter refuses a value it
// cannot read whole; combinations are checked once every option is read (options.cpp).
#include "cli/option_table.h"

#include <cmath>
#include <sstream>

#include "cli/translation.h"
#include "cli/values.h"
#include "config/model.h"

namespace veloranth::cli {
namespace {

constexpr Argument kFlag = Argument::None;
constexpr Argument kValue = Argument::Value;

const char kFormats[] = "text json csv ics";
const char kAsrRules[] = "hanafi shafii";                       // the index is AsrShafi
const char kHighLatitudeRules[] = "none middle seventh angle";  // the index is the rule
const char kMidnights[] = "standard jafari";                    // the index is JafariMidnight
const char kSeasons[] = "none general ahmer abyad";             // the index is the twilight
const char kPolarRules[] = "none latitude day";                 // the index is the rule
const char kRoundings[] = "nearest up safe";                    // the index is the rule

// A method setting given on the command line, remembered with the option that gave it.
template <class T>
bool SetMethod(const OptionRow& row, Options& o, std::optional<T>& field, T value) {
    field = value;
    o.method.given.push_back(std::string("--") + row.name);
    return true;
}

// A method setting of whole minutes from 0 to `most`.
bool SetMinutes(const OptionRow& row, Options& o, const std::string& v, int most,
                std::optional<int>& field, std::string& e) {
    int minutes = -1;
    if (!ParseInt(v, minutes) || minutes < 0 || minutes > most) {
        const std::string what = Formatted(_("minutes from 0 to %d"), most);
        return Refuse(row, v, what.c_str(), e);
    }
    return SetMethod(row, o, field, minutes);
}

// A method setting that is one of the words of `choices`, stored as its index.
template <class T>
bool SetChoice(const OptionRow& row, Options& o, const std::string& v, const char* choices,
               const char* what, std::optional<T>& field, std::string& e) {
    int index = ChoiceIndex(v, choices);
    return (index >= 0 && SetMethod(row, o, field, static_cast<T>(index))) ||
           Refuse(row, v, what, e);
}

bool SetAngle(const OptionRow& row, Options& o, const std::string& v, std::optional<double>& field,
              std::string& e) {
    double angle = 0;
    if (!ParseNumber(v, angle) || angle < 0 || angle > 30) {
        return Refuse(row, v, _("an angle from 0 to 30 degrees"), e);
    }
    return SetMethod(row, o, field, angle);
}

bool SetOffsets(const OptionRow& row, Options& o, const std::string& v, std::string& e) {
    std::array<double, kSalatCount> minutes{};
    std::istringstream fields(v + ",");
    std::string field;
    int count = 0;
    while (std::getline(fields, field, ',')) {
        if (count == kSalatCount || !ParseNumber(field, minutes[count]) ||
            std::fabs(minutes[count]) > 120) {
            count = -1;
            break;
        }
        ++count;
    }
    if (count != kSalatCount) {
        return Refuse(row, v, _("six minute counts from -120 to 120, F,C,Z,A,M,I"), e);
    }
    return SetMethod(row, o, o.method.offsets, minutes);
}

bool SetCoordinate(const OptionRow& row, const std::string& v, double limit,
                   std::optional<double>& field, std::string& e) {
    double degrees = 0;
    if (!ParseNumber(v, degrees) || std::fabs(degrees) > limit) {
        return Refuse(
            row, v,
            limit == 90 ? _("a latitude from -90 to 90") : _("a longitude from -180 to 180"), e);
    }
    field = degrees;
    return true;
}

// --near's LAT,LON.
bool SetPoint(const OptionRow& row, Options& o, const std::string& v, std::string& e) {
    const std::size_t comma = v.find(',');
    double lat = 0, lon = 0;
    if (comma == std::string::npos || !ParseNumber(v.substr(0, comma), lat) ||
        !ParseNumber(v.substr(comma + 1), lon) || std::fabs(lat) > 90 || std::fabs(lon) > 180) {
        return Refuse(row, v, _("a latitude and a longitude LAT,LON (-90 to 90, -180 to 180)"), e);
    }
    o.nearLat = lat, o.nearLon = lon;
    return true;
}

}  // namespace

bool Refuse(const OptionRow& row, const std::string& value, const char* what, std::string& error) {
    error = Formatted(_("--%s needs %s, not '%s'"), row.name, what, value.c_str());
    return false;
}

// Setters' parameters: the row, the options, the value, the error.
const OptionRow kOptionRows[] = {
    {"town", 't', kValue, N_("TOWN"), Section::Place,
     N_("town by index (0 is the first) or by name, without regard to case or accents; "
        "\"Pays:Ville\" when several countries share the name. A TOWN operand does the same."),
     "@towns", nullptr, [](auto&, auto& o, auto& v, auto&) { return o.town = v, true; }},
    {"list", 'l', kFlag, nullptr, Section::Place,
     N_("list the towns: index, country, name, latitude, longitude, zone, daylight-saving rule, "
        "convention"),
     nullptr, &Options::list, nullptr},
    {"near", 0, kValue, N_("LAT,LON"), Section::Place,
     N_("list the ten towns of the table nearest to that point, with their distance in km"), "",
     nullptr, [](auto& r, auto& o, auto& v, auto& e) { return SetPoint(r, o, v, e); }},
    {"lat", 0, kValue, N_("DEG"), Section::Place,
     N_("latitude of a place not in the file (north positive)"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) { return SetCoordinate(r, v, 90, o.lat, e); }},
    {"lon", 0, kValue, N_("DEG"), Section::Place, N_("longitude of that place (east positive)"), "",
     nullptr,
     [](auto& r, auto& o, auto& v, auto& e) { return SetCoordinate(r, v, 180, o.lon, e); }},
    {"zone", 0, kValue, N_("ZONE"), Section::Place,
     N_("time zone in hours (1, -5, 5.5 or 5:30) or a tz database name (Europe/Paris)"), "@zones",
     nullptr, [](auto&, auto& o, auto& v, auto&) { return o.zone = v, true; }},
    {"list-zones", 0, kFlag, nullptr, Section::Place,
     N_("list the names of the tz database that --zone takes, links too"), nullptr,
     &Options::listZones, nullptr},

    {"convention", 0, kValue, N_("N"), Section::Method,
     N_("calculation convention N of data.cfg; default 0 for --lat/--lon, the town's own "
        "otherwise"),
     "@conventions", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return (ParseInt(v, o.convention) && o.convention >= 0) ||
                Refuse(r, v, _("a convention number"), e);
     }},
    {"list-conventions", 0, kFlag, nullptr, Section::Method,
     N_("list the conventions data.cfg defines: number, name, and settings in the words of the "
        "options below"),
     nullptr, &Options::listConventions, nullptr},
    {"fajr-angle", 0, kValue, N_("DEG"), Section::Method,
     N_("Fajr when the Sun is DEG degrees below the horizon (0 to 30)"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) { return SetAngle(r, o, v, o.method.fajrAngle, e); }},
    {"isha-angle", 0, kValue, N_("DEG"), Section::Method, N_("Isha likewise (0 to 30)"), "",
     nullptr,
     [](auto& r, auto& o, auto& v, auto& e) { return SetAngle(r, o, v, o.method.ishaAngle, e); }},
    {"isha-minutes", 0, kValue, N_("MIN"), Section::Method,
     N_("Isha MIN minutes after Maghrib (0 to 240), instead of an angle"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetMinutes(r, o, v, 240, o.method.ishaMinutes, e);
     }},
    {"asr", 0, kValue, N_("RULE"), Section::Method,
     N_("Asr when a shadow is its object's length more than at noon (shafii) or twice it (hanafi)"),
     kAsrRules, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kAsrRules, _("shafii or hanafi"), o.method.asrShafi, e);
     }},
    {"high-latitude", 0, kValue, N_("RULE"), Section::Method,
     N_("where twilight lasts most of the night, Fajr and Isha within none (no rule), middle (half "
        "the night), seventh (a seventh of it) or angle (the angle / 60 of it)"),
     kHighLatitudeRules, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kHighLatitudeRules, _("none, middle, seventh or angle"),
                          o.method.highLatitude, e);
     }},
    {"offsets", 0, kValue, N_("F,C,Z,A,M,I"), Section::Method,
     N_("minutes added to Fajr, Chourouk, Zuhr, Asr, Maghrib and Isha (-120 to 120), in place of "
        "the convention's"),
     "", nullptr, [](auto& r, auto& o, auto& v, auto& e) { return SetOffsets(r, o, v, e); }},
    {"rounding", 0, kValue, N_("RULE"), Section::Method,
     N_("times shown to the nearest minute, up to the next one (a time on the minute stays), or "
        "safe (Imsak and Chourouk down, the others up), after the offsets"),
     kRoundings, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kRoundings, _("nearest, up or safe"), o.method.rounding, e);
     }},
    {"maghrib-angle", 0, kValue, N_("DEG"), Section::Method,
     N_("Maghrib when the Sun is DEG below the horizon (0 to 10; 0: at sunset)"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         double angle = -1;
         return (ParseNumber(v, angle) && angle >= 0 && angle <= kMaxMaghribAngle &&
                 SetMethod(r, o, o.method.maghribAngle, angle)) ||
                Refuse(r, v, _("an angle from 0 to 10 degrees"), e);
     }},
    {"imsak", 0, kValue, N_("MIN"), Section::Method, N_("Imsak MIN minutes before Fajr (0 to 60)"),
     "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetMinutes(r, o, v, kMaxImsakMinutes, o.method.imsakMinutes, e);
     }},
    {"midnight", 0, kValue, N_("RULE"), Section::Method,
     N_("standard (sunset to sunrise) or jafari (sunset to Fajr)"), kMidnights, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kMidnights, _("standard or jafari"), o.method.jafariMidnight, e);
     }},
    {"ramadan-isha", 0, kValue, N_("MIN"), Section::Method,
     N_("in Ramadan, Isha MIN minutes after Maghrib where the convention sets Isha after Maghrib "
        "(0 to 240; 0: none)"),
     "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetMinutes(r, o, v, kMaxRamadanIshaMinutes, o.method.ramadanIshaMinutes, e);
     }},
    {"seasonal", 0, kValue, N_("SHAFAQ"), Section::Method,
     N_("the Moonsighting Committee's seasonal Fajr and Isha: none, general, ahmer or abyad"),
     kSeasons, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kSeasons, _("none, general, ahmer or abyad"), o.method.seasonal,
                          e);
     }},
    {"polar", 0, kValue, N_("RULE"), Section::Method,
     N_("where the Sun does not rise or does not set, every time of the nearest latitude "
        "(latitude) or of the nearest day (day) on which it does both; none: no time where it is "
        "missing"),
     kPolarRules, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         return SetChoice(r, o, v, kPolarRules, _("none, latitude or day"), o.method.polar, e);
     }},

    {"date", 'd', kValue, N_("DATE"), Section::DateAndOutput,
     N_("observation date, D/M/YYYY or YYYY-MM-DD (default: the town's today), or a Hijri date "
        "D/M/YYYYH or YYYY-MM-DDH, turned into the civil day by the Hijri adjustment in force"),
     "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         ObservationDate date;
         HijriDate hijri;
         if (ParseHijriDate(v, hijri)) {
             return o.hijriDate = hijri, o.date.reset(), true;
         }
         return (ParseDate(v, date) && (o.date = date, o.hijriDate.reset(), true)) ||
                Refuse(r, v,
                       _("an existing date D/M/YYYY or YYYY-MM-DD (years 1583 to 9999), or a "
                         "Hijri date D/M/YYYYH or YYYY-MM-DDH"),
                       e);
     }},
    {"time", 0, kValue, N_("TIME"), Section::DateAndOutput,
     N_("observation time, H:M or H:M:S (default: the town's now)"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         ObservationTime time;
         return (ParseTime(v, time) && (o.time = time, true)) ||
                Refuse(r, v, _("a time H:M or H:M:S"), e);
     }},
    {"format", 'f', kValue, N_("FORMAT"), Section::DateAndOutput,
     N_("text, json, csv or ics; text is for a day, the others also print --month or --year on "
        "standard output, and json --next"),
     kFormats, nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         int format = ChoiceIndex(v, kFormats);
         return (format >= 0 && (o.format = static_cast<Format>(format + 1), true)) ||
                Refuse(r, v, _("text, json, csv or ics"), e);
     }},
    {"month", 'm', kFlag, nullptr, Section::DateAndOutput,
     N_("the month of the date: an HTML page written into --out (its path is printed), or "
        "--format json, csv or ics"),
     nullptr, &Options::monthPage, nullptr},
    {"year", 'y', kFlag, nullptr, Section::DateAndOutput, N_("the year of the date, likewise"),
     nullptr, &Options::yearPage, nullptr},
    {"ramadan-calendar", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("the Ramadan of the date's Hijri year, or the next one once it has ended: a day a row "
        "with Imsak, likewise"),
     nullptr, &Options::ramadanPage, nullptr},
    {"holy-days", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("the holy days of the date's Hijri year and their dates, as text or --format json, csv "
        "or ics (all-day events); with --month or --year and --format ics, added to the prayers"),
     nullptr, &Options::holyDays, nullptr},
    {"alarm", 0, kValue, N_("MIN"), Section::DateAndOutput,
     N_("with --format ics, a reminder MIN minutes before each prayer (0 to 1440)"), "", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         int minutes = -1;
         return (ParseInt(v, minutes) && minutes >= 0 && minutes <= 1440 &&
                 (o.alarmMinutes = minutes, true)) ||
                Refuse(r, v, _("minutes from 0 to 1440"), e);
     }},
    {"out", 'o', kValue, N_("DIR"), Section::DateAndOutput,
     N_("folder of the HTML pages (default: the current folder); style.css is copied beside them "
        "when missing"),
     "@folders", nullptr,
     [](auto&, auto& o, auto& v, auto&) { return o.outDir = v, o.outGiven = true; }},
    {"sun", 's', kFlag, nullptr, Section::DateAndOutput,
     N_("the Sun's position instead of the prayer times"), nullptr, &Options::sun, nullptr},
    {"qibla", 'q', kFlag, nullptr, Section::DateAndOutput,
     N_("the direction of the qibla from north"), nullptr, &Options::qibla, nullptr},
    {"next", 'n', kFlag, nullptr, Section::DateAndOutput,
     N_("the next prayer (Chourouk is not one) and the time left, in real time across midnight "
        "and clock changes; --format json gives it to scripts and status bars"),
     nullptr, &Options::next, nullptr},
    {"short", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("with --next, one short line for a status bar: \"Isha 18:11 (-44 min)\", \"Fajr 07:13 "
        "(-12 h 02)\"; --next -f json gives it too, with the day's times"),
     nullptr, &Options::shortLine, nullptr},
    {"verbose", 'v', kFlag, nullptr, Section::DateAndOutput,
     N_("also the start-up trail and the full report"), nullptr, &Options::verbose, nullptr},
    {"cp1252", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("write the texts, messages and errors in Windows-1252 instead of UTF-8 (JSON, CSV and "
        "iCalendar stay UTF-8)"),
     nullptr, &Options::cp1252, nullptr},
    {"hijri", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("show the Hijri date in the text, whatever data.cfg says (JSON and CSV always carry it)"),
     nullptr, &Options::hijri, nullptr},
    {"all-times", 0, kFlag, nullptr, Section::DateAndOutput,
     N_("also Imsak, sunset (Coucher), midnight (Minuit) and what gave Fajr and Isha, after the "
        "text of the day"),
     nullptr, &Options::allTimes, nullptr},
    {"hijri-adjust", 0, kValue, N_("N"), Section::DateAndOutput,
     N_("shift the Hijri date by N days (-2 to 2) for this run, as a community that begins its "
        "months by its own sighting does"),
     "-2 -1 0 1 2", nullptr,
     [](auto& r, auto& o, auto& v, auto& e) {
         int days = 0;
         return (ParseInt(v, days) && std::abs(days) <= 2 && (o.hijriAdjust = days, true)) ||
                Refuse(r, v, _("a number of days from -2 to 2"), e);
     }},

    {"config", 'c', kValue, N_("FILE"), Section::Configuration,
     N_("data.cfg to read; otherwise the first found of $XDG_CONFIG_HOME/veloranth/data.cfg "
        "(default ~/.config/veloranth/data.cfg), the one beside this program, and "
        "../share/veloranth/data.cfg beside it"),
     "@files", nullptr, [](auto&, auto& o, auto& v, auto&) { return o.config = v, true; }},
    {"select-town", 0, kValue, N_("TOWN"), Section::Configuration,
     N_("make TOWN the selected town of your copy"), "@towns", nullptr,
     [](auto&, auto& o, auto& v, auto&) { return o.selectTown = v, true; }},
    {"add-town", 0, Argument::TownLine, N_("COUNTRY NAME LAT LON ZONE CONVENTION [DST]"),
     Section::Configuration,
     N_("add a town to your copy (names without blanks: use hyphens; DST 0, 1 or 2 with whole "
        "hours only). Your copy is --config, or else the one under $XDG_CONFIG_HOME, first made "
        "from the one beside this program or the installed one."),
     "", nullptr, nullptr},
    {"help", 'h', kFlag, nullptr, Section::Configuration, N_("this text"), nullptr, &Options::help,
     nullptr},
    {"version", 'V', kFlag, nullptr, Section::Configuration, N_("program and tz database versions"),
     nullptr, &Options::version, nullptr},
    {"list-options", 0, kFlag, nullptr, Section::Hidden, "", nullptr, &Options::listOptions,
     nullptr},
};
const std::size_t kOptionRowCount = sizeof kOptionRows / sizeof kOptionRows[0];

const SectionText kSections[] = {
    {Section::Place, N_("Place:"), nullptr},
    {Section::Method, N_("Method:"),
     N_("The settings adjust the place's convention for this run. With --lat and --lon and no "
        "--convention they define the method instead, from sunrise at 0.8333 degrees, Shafi'i Asr, "
        "no high-latitude rule and no offsets; --fajr-angle and --isha-angle or --isha-minutes are "
        "then required.")},
    {Section::DateAndOutput, N_("Date and output:"), nullptr},
    {Section::Configuration, N_("Configuration:"), nullptr},
};
const std::size_t kSectionCount = sizeof kSections / sizeof kSections[0];

}  // namespace veloranth::cli
