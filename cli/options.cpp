// Option parsing, GNU style (--town=3, --town 3, -t3, -t 3, bundled flags, "--"), with
// strict values: a date that does not exist or a time out of range is refused rather than
// computed.
#include "cli/options.h"

#include <cmath>
#include <cstdlib>

#include "base/calendar_date.h"
#include "config/model.h"

namespace veloranth::cli {

// help2man makes the man page from this text: keep its sections and layout ("Exit
// status:" becomes EXIT STATUS; examples start with "$ " to stay one to a line).
const char kUsage[] =
    "Usage: veloranth-cli [OPTION]... [TOWN]\n"
    "Prints the day's prayer times (Fajr, Chourouk, Zuhr, Asr, Maghrib, Isha) for a town\n"
    "of data.cfg or for any place, as text, JSON, CSV or iCalendar.\n"
    "\n"
    "Place:\n"
    "  -t, --town=TOWN         town by index (0 is the first) or by name, without regard\n"
    "                          to case or accents; \"Pays:Ville\" when several countries\n"
    "                          share the name. A TOWN operand does the same.\n"
    "  -l, --list              list the towns: index, country, name, latitude, longitude,\n"
    "                          zone, daylight-saving rule, convention\n"
    "      --lat=DEG           latitude of a place not in the file (north positive)\n"
    "      --lon=DEG           longitude of that place (east positive)\n"
    "      --zone=ZONE         time zone in hours (1, -5, 5.5 or 5:30) or a tz database\n"
    "                          name (Europe/Paris)\n"
    "      --convention=N      calculation convention N of data.cfg (0 to 31); default 0\n"
    "                          for --lat/--lon, the town's own otherwise\n"
    "\n"
    "Date and output:\n"
    "  -d, --date=D/M/YYYY     observation date (default: today)\n"
    "      --time=H:M:S        observation time (default: now)\n"
    "  -f, --format=FORMAT     text, json, csv or ics; text is for a day, the others\n"
    "                          also print --month or --year on standard output\n"
    "  -m, --month             the month of the date: an HTML page written into --out\n"
    "                          (its path is printed), or --format json, csv or ics\n"
    "  -y, --year              the year of the date, likewise\n"
    "  -o, --out=DIR           folder of the HTML pages (default: the current folder);\n"
    "                          style.css is copied beside them when missing\n"
    "  -s, --sun               the Sun's position instead of the prayer times\n"
    "  -q, --qibla             the direction of the qibla from north\n"
    "  -n, --next              the next prayer (Chourouk is not one) and the time left\n"
    "  -v, --verbose           also the start-up trail and the full report\n"
    "      --cp1252            write the texts in Windows-1252 instead of UTF-8 (JSON,\n"
    "                          CSV and iCalendar stay UTF-8)\n"
    "      --hijri             show the Hijri date in the text, whatever data.cfg says\n"
    "                          (JSON and CSV always carry it)\n"
    "      --hijri-adjust=N    shift the Hijri date by N days (-2 to 2) for this run,\n"
    "                          as a community that begins its months by its own\n"
    "                          sighting does\n"
    "      --all-times         also Imsak, sunset (Coucher), midnight (Minuit) and what\n"
    "                          gave Fajr and Isha, after the text of the day\n"
    "\n"
    "Method (the chosen convention, changed for this run):\n"
    "      --maghrib-angle=DEG\n"
    "                          Maghrib when the Sun is DEG below the horizon (0 to 10;\n"
    "                          0: at sunset)\n"
    "      --imsak=MIN         Imsak MIN minutes before Fajr (0 to 60)\n"
    "      --midnight=RULE     standard (sunset to sunrise) or jafari (sunset to Fajr)\n"
    "      --ramadan-isha=MIN  in Ramadan, Isha MIN minutes after Maghrib where the\n"
    "                          convention sets Isha after Maghrib (0 to 240; 0: none)\n"
    "      --seasonal=SHAFAQ   the Moonsighting Committee's seasonal Fajr and Isha:\n"
    "                          none, general, ahmer or abyad\n"
    "\n"
    "Configuration:\n"
    "  -c, --config=FILE       data.cfg to read; otherwise the first found of\n"
    "                          $XDG_CONFIG_HOME/veloranth/data.cfg (default\n"
    "                          ~/.config/veloranth/data.cfg), the one beside this\n"
    "                          program, and ../share/veloranth/data.cfg beside it\n"
    "      --select-town=TOWN  make TOWN the selected town of your copy\n"
    "      --add-town COUNTRY NAME LAT LON ZONE CONVENTION [DST]\n"
    "                          add a town to your copy (names without blanks: use\n"
    "                          hyphens; DST 0, 1 or 2 with whole hours only)\n"
    "                          Your copy is --config, or else the one under\n"
    "                          $XDG_CONFIG_HOME, first made from the one beside this\n"
    "                          program or the installed one.\n"
    "  -h, --help              this text\n"
    "  -V, --version           program and tz database versions\n"
    "  --                      end of the options\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  2  an option or value was refused, data.cfg could not be read or written, the\n"
    "     town is unknown or ambiguous, or the output could not be written\n"
    "\n"
    "Examples:\n"
    "  $ veloranth-cli --list\n"
    "  $ veloranth-cli Casablanca --next\n"
    "  $ veloranth-cli Casablanca --month -f ics > casablanca.ics\n"
    "  $ veloranth-cli --lat=21.42 --lon=39.83 --zone=3 --convention=4\n"
    "  $ veloranth-cli --add-town Maroc Ifrane 33.53 -5.11 1 0\n";

namespace {

bool ParseInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

// "A/B/C" (or "A:B:C") into three non-negative numbers.
bool ParseTriple(const std::string& text, char separator, int& a, int& b, int& c) {
    std::size_t p1 = text.find(separator);
    std::size_t p2 = p1 == std::string::npos ? p1 : text.find(separator, p1 + 1);
    if (p2 == std::string::npos) {
        return false;
    }
    return ParseInt(text.substr(0, p1), a) && ParseInt(text.substr(p1 + 1, p2 - p1 - 1), b) &&
           ParseInt(text.substr(p2 + 1), c);
}

enum class Takes { Nothing, Value, TownLine };

struct OptionDef {
    const char* name;
    char shortName;  // 0: none
    Takes takes;
};

const OptionDef kOptions[] = {
    {"config", 'c', Takes::Value},    {"town", 't', Takes::Value},
    {"date", 'd', Takes::Value},      {"time", 0, Takes::Value},
    {"format", 'f', Takes::Value},    {"out", 'o', Takes::Value},
    {"lat", 0, Takes::Value},         {"lon", 0, Takes::Value},
    {"zone", 0, Takes::Value},        {"convention", 0, Takes::Value},
    {"hijri-adjust", 0, Takes::Value}, {"hijri", 0, Takes::Nothing},
    {"all-times", 0, Takes::Nothing}, {"maghrib-angle", 0, Takes::Value},
    {"imsak", 0, Takes::Value},       {"midnight", 0, Takes::Value},
    {"ramadan-isha", 0, Takes::Value}, {"seasonal", 0, Takes::Value},
    {"select-town", 0, Takes::Value}, {"add-town", 0, Takes::TownLine},
    {"list", 'l', Takes::Nothing},    {"month", 'm', Takes::Nothing},
    {"year", 'y', Takes::Nothing},    {"sun", 's', Takes::Nothing},
    {"qibla", 'q', Takes::Nothing},   {"next", 'n', Takes::Nothing},
    {"verbose", 'v', Takes::Nothing}, {"cp1252", 0, Takes::Nothing},
    {"help", 'h', Takes::Nothing},    {"version", 'V', Takes::Nothing},
};

const OptionDef* FindLong(const std::string& name) {
    for (const OptionDef& def : kOptions) {
        if (name == def.name) {
            return &def;
        }
    }
    return nullptr;
}

const OptionDef* FindShort(char c) {
    for (const OptionDef& def : kOptions) {
        if (def.shortName == c) {
            return &def;
        }
    }
    return nullptr;
}

bool SetFlag(const std::string& name, Options& o) {
    bool* flags[] = {&o.list,    &o.monthPage, &o.yearPage, &o.sun,     &o.qibla, &o.next,
                     &o.verbose, &o.cp1252,    &o.help,     &o.version, &o.hijri, &o.allTimes};
    const char* names[] = {"list",    "month",  "year", "sun",     "qibla", "next",
                           "verbose", "cp1252", "help", "version", "hijri", "all-times"};
    for (std::size_t i = 0; i < sizeof names / sizeof names[0]; ++i) {
        if (name == names[i]) {
            *flags[i] = true;
            return true;
        }
    }
    return false;
}

bool SetValue(const std::string& name, const std::string& v, Options& o, std::string& error) {
    auto refuse = [&](const std::string& what) {
        error = "--" + name + " needs " + what + ", not '" + v + "'";
        return false;
    };
    if (name == "config") {
        o.config = v;
    } else if (name == "town") {
        o.town = v;
    } else if (name == "out") {
        o.outDir = v, o.outGiven = true;
    } else if (name == "zone") {
        o.zone = v;
    } else if (name == "select-town") {
        o.selectTown = v;
    } else if (name == "format") {
        const char* names[] = {"text", "json", "csv", "ics"};
        const Format formats[] = {Format::Text, Format::Json, Format::Csv, Format::Ics};
        for (int i = 0; i < 4; ++i) {
            if (v == names[i]) {
                o.format = formats[i];
                return true;
            }
        }
        return refuse("text, json, csv or ics");
    } else if (name == "convention") {
        if (!ParseInt(v, o.convention)) {
            return refuse("a convention number");
        }
    } else if (name == "hijri-adjust") {
        int sign = v.size() > 1 && (v[0] == '-' || v[0] == '+') ? (v[0] == '-' ? -1 : 1) : 0;
        o.hasHijriAdjust = ParseInt(sign != 0 ? v.substr(1) : v, o.hijriAdjust) &&
                           o.hijriAdjust <= 2;
        o.hijriAdjust *= sign != 0 ? sign : 1;
        if (!o.hasHijriAdjust) {
            return refuse("a number of days from -2 to 2");
        }
    } else if (name == "maghrib-angle") {
        if (!ParseNumber(v, o.maghribAngle) || o.maghribAngle < 0 ||
            o.maghribAngle > kMaxMaghribAngle) {
            return refuse("an angle from 0 to 10 degrees");
        }
    } else if (name == "imsak") {
        if (!ParseInt(v, o.imsak) || o.imsak > kMaxImsakMinutes) {
            return refuse("a number of minutes from 0 to 60");
        }
    } else if (name == "ramadan-isha") {
        if (!ParseInt(v, o.ramadanIsha) || o.ramadanIsha > kMaxRamadanIshaMinutes) {
            return refuse("a number of minutes from 0 to 240");
        }
    } else if (name == "midnight") {
        o.midnight = v == "standard" ? 0 : v == "jafari" ? 1 : -1;
        if (o.midnight < 0) {
            return refuse("standard or jafari");
        }
    } else if (name == "seasonal") {
        const char* names[] = {"none", "general", "ahmer", "abyad"};
        o.seasonal = -1;
        for (int i = 0; i < 4; ++i) {
            o.seasonal = v == names[i] ? i : o.seasonal;
        }
        if (o.seasonal < 0) {
            return refuse("none, general, ahmer or abyad");
        }
    } else if (name == "lat") {
        o.hasLat = ParseNumber(v, o.lat) && std::fabs(o.lat) <= 90;
        if (!o.hasLat) {
            return refuse("a latitude from -90 to 90");
        }
    } else if (name == "lon") {
        o.hasLon = ParseNumber(v, o.lon) && std::fabs(o.lon) <= 180;
        if (!o.hasLon) {
            return refuse("a longitude from -180 to 180");
        }
    } else if (name == "date") {
        o.hasDate = ParseTriple(v, '/', o.day, o.month, o.year);
        if (!o.hasDate || o.month < 1 || o.month > 12 || o.year < 1583 || o.year > 9999 ||
            o.day < 1 || o.day > DaysInMonth(o.month, o.year)) {
            return refuse("an existing date D/M/YYYY (years 1583 to 9999)");
        }
    } else if (name == "time") {
        o.hasTime = ParseTriple(v, ':', o.hour, o.minute, o.second);
        if (!o.hasTime || o.hour > 23 || o.minute > 59 || o.second > 59) {
            return refuse("a time H:M:S");
        }
    }
    return true;
}

bool CheckCombinations(const Options& o, std::string& error) {
    int spans = (o.monthPage ? 1 : 0) + (o.yearPage ? 1 : 0);
    int answers = (o.sun ? 1 : 0) + (o.qibla ? 1 : 0) + (o.next ? 1 : 0) + (o.list ? 1 : 0) +
                  (spans > 0 ? 1 : 0) + (!o.selectTown.empty() ? 1 : 0) +
                  (!o.addTown.empty() ? 1 : 0);
    if (spans > 1) {
        error = "--month and --year cannot be combined";
    } else if (answers > 1) {
        error =
            "choose one of --month, --year, --sun, --qibla, --next, --list, --select-town "
            "and --add-town";
    } else if (o.format == Format::Text && spans > 0) {
        error = "--format text is for a day; use json, csv or ics with --month and --year";
    } else if (o.format != Format::Default && answers > spans) {
        error = "--format applies to the day, --month and --year";
    } else if (o.verbose && o.format != Format::Default && o.format != Format::Text) {
        error = "--verbose writes text: it does not go with --format json, csv or ics";
    } else if (o.allTimes &&
               (answers > 0 || (o.format != Format::Default && o.format != Format::Text))) {
        error = "--all-times adds lines to the text of a day";
    } else if (o.hasLat != o.hasLon) {
        error = "--lat and --lon go together";
    } else if (o.hasLat && !o.town.empty()) {
        error = "--lat/--lon name a place of their own: leave out the town";
    } else if (o.hasLat && o.zone.empty()) {
        error = "--lat and --lon need --zone";
    } else if (o.outGiven && o.format != Format::Default) {
        error = "--out is for the HTML pages; --format prints on standard output";
    } else {
        return true;
    }
    return false;
}

}  // namespace

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty() || text.size() > 32 || text.find_first_of("xXnNiI") != std::string::npos) {
        return false;  // no hexadecimal, nan or inf
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

bool ParseOptions(const std::vector<std::string>& args, Options& o, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // The option's name and, when given inside the same argument, its value.
        std::string name, inlineValue;
        bool hasInline = false;
        const OptionDef* def = nullptr;
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            if (!o.town.empty()) {
                error = "one town only: '" + a + "' comes after '" + o.town + "'";
                return false;
            }
            o.town = a;
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a[1] == '-') {
            std::size_t eq = a.find('=');
            name = a.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            hasInline = eq != std::string::npos;
            inlineValue = hasInline ? a.substr(eq + 1) : "";
            def = FindLong(name);
        } else {
            // -abc: flags a and b, then c (a value option takes the rest as its value).
            for (std::size_t k = 1; k < a.size(); ++k) {
                def = FindShort(a[k]);
                if (def == nullptr) {
                    error = std::string("unknown option '-") + a[k] + "'";
                    return false;
                }
                if (def->takes != Takes::Nothing) {
                    hasInline = k + 1 < a.size();
                    inlineValue = a.substr(k + 1);
                    break;
                }
                SetFlag(def->name, o);
                def = nullptr;
            }
            if (def == nullptr) {
                continue;
            }
            name = def->name;
        }
        if (def == nullptr) {
            error = "unknown option '" + a + "'";
            return false;
        }
        if (def->takes == Takes::Nothing) {
            if (hasInline) {
                error = "--" + name + " takes no value";
                return false;
            }
            SetFlag(name, o);
            continue;
        }
        std::vector<std::string> values;
        if (hasInline) {
            values.push_back(inlineValue);
        }
        // A town line: six values, and a seventh when it is a number (the DST rule).
        std::size_t wanted = def->takes == Takes::TownLine ? 6 : 1;
        while (values.size() < wanted && i + 1 < args.size()) {
            values.push_back(args[++i]);
        }
        int dst = 0;
        if (def->takes == Takes::TownLine && i + 1 < args.size() && ParseInt(args[i + 1], dst)) {
            values.push_back(args[++i]);
        }
        if (values.size() < wanted) {
            error = wanted == 1 ? "option --" + name + " needs a value"
                                : "--add-town needs COUNTRY NAME LAT LON ZONE CONVENTION [DST]";
            return false;
        }
        if (def->takes == Takes::TownLine) {
            o.addTown = values;
        } else if (!SetValue(name, values[0], o, error)) {
            return false;
        }
    }
    return CheckCombinations(o, error);
}

}  // namespace veloranth::cli
