// Option parsing with glibc's getopt_long over the option table: GNU style (--town=3,
// --town 3, -t3, -t 3, bundled flags, unique prefixes of long names, "--"), then the
// combinations the options make.
#include "cli/options.h"

#include <getopt.h>

#include <cstring>

#include "cli/option_table.h"
#include "cli/translation.h"
#include "cli/values.h"

namespace veloranth::cli {
namespace {

// getopt_long's value of a row: its short name, or a number above every character.
int ValueOf(std::size_t row) {
    return kOptionRows[row].shortName != 0 ? kOptionRows[row].shortName
                                           : 256 + static_cast<int>(row);
}

const OptionRow* RowOf(int value) {
    for (std::size_t i = 0; i < kOptionRowCount; ++i) {
        if (ValueOf(i) == value) {
            return &kOptionRows[i];
        }
    }
    return nullptr;
}

// What getopt_long refused: an unknown or ambiguous name, or a value given to a flag.
std::string RefusalOf(const char* argument, int shortOption) {
    std::string text = argument != nullptr ? argument : "";
    if (text.compare(0, 2, "--") != 0) {
        return Formatted(_("unknown option '-%c'"), shortOption);
    }
    const std::string name = text.substr(2, text.find('=') - 2);
    std::string matches;
    for (std::size_t i = 0; i < kOptionRowCount; ++i) {
        if (kOptionRows[i].name == name && text.find('=') != std::string::npos) {
            return Formatted(_("--%s takes no value"), name.c_str());
        }
        if (kOptionRows[i].section != Section::Hidden &&
            std::strncmp(kOptionRows[i].name, name.c_str(), name.size()) == 0) {
            matches += std::string(matches.empty() ? "" : ", ") + "--" + kOptionRows[i].name;
        }
    }
    if (matches.find(',') != std::string::npos) {
        return Formatted(_("option '--%s' is ambiguous: %s"), name.c_str(), matches.c_str());
    }
    // One match: a flag's unique prefix given a value.
    return matches.empty() ? Formatted(_("unknown option '%s'"), text.c_str())
                           : Formatted(_("%s takes no value"), matches.c_str());
}

// --add-town's words: the first is getopt's value, the next five follow it whatever they
// begin with (a longitude of -5.11), and a seventh when it is a number (the DST rule).
bool TakeTownLine(int argc, char** argv, const char* first, Options& o, std::string& error) {
    o.addTown = {first};
    while (o.addTown.size() < 6 && optind < argc) {
        o.addTown.push_back(argv[optind++]);
    }
    int dst = 0;
    if (o.addTown.size() == 6 && optind < argc && ParseInt(argv[optind], dst) && dst >= 0) {
        o.addTown.push_back(argv[optind++]);
    }
    if (o.addTown.size() < 6) {
        error = _("--add-town needs COUNTRY NAME LAT LON ZONE CONVENTION [DST]");
        return false;
    }
    return true;
}

bool CheckCombinations(const Options& o, std::string& error) {
    int spans = (o.monthPage ? 1 : 0) + (o.yearPage ? 1 : 0) + (o.ramadanPage ? 1 : 0);
    bool edit = !o.selectTown.empty() || !o.addTown.empty();
    bool lists = o.list || o.listZones || o.listConventions || o.nearLat;
    // --holy-days is an answer of its own, or all-day events added to a span's iCalendar.
    bool holyEvents = o.holyDays && spans > 0;
    int formatted = spans + (o.holyDays && !holyEvents ? 1 : 0);
    int answers = (o.sun ? 1 : 0) + (o.qibla ? 1 : 0) + (o.next ? 1 : 0) + (o.list ? 1 : 0) +
                  (o.listZones ? 1 : 0) + (o.listConventions ? 1 : 0) + (spans > 0 ? 1 : 0) +
                  (!o.selectTown.empty() ? 1 : 0) + (!o.addTown.empty() ? 1 : 0) +
                  (o.holyDays && !holyEvents ? 1 : 0) + (o.nearLat ? 1 : 0);
    // --next answers in text or JSON too.
    bool nextForm = o.next && (o.format == Format::Text || o.format == Format::Json);
    if (spans > 1) {
        error = _("choose one of --month, --year and --ramadan-calendar");
    } else if (answers > 1) {
        error =
            _("choose one of --month, --year, --ramadan-calendar, --holy-days, --sun, "
              "--qibla, --next, --near, --list, --list-zones, --list-conventions, "
              "--select-town and --add-town");
    } else if (holyEvents && (o.ramadanPage || o.format != Format::Ics)) {
        error = _("--holy-days goes with --month or --year only in --format ics");
    } else if (o.format == Format::Text && spans > 0) {
        error = _("--format text is for a day; use json, csv or ics with --month and --year");
    } else if (o.format != Format::Default && answers > formatted && !nextForm) {
        error =
            _("--format applies to the day, --month, --year, --ramadan-calendar and "
              "--holy-days, and text or json to --next");
    } else if (o.shortLine && (!o.next || o.format == Format::Json)) {
        error = _("--short is a line of text for --next");
    } else if (o.alarmMinutes && (o.format != Format::Ics || (o.holyDays && !holyEvents))) {
        error = _("--alarm adds reminders to the prayers of --format ics");
    } else if (o.verbose && o.format != Format::Default && o.format != Format::Text) {
        error = _("--verbose writes text: it does not go with --format json, csv or ics");
    } else if (o.allTimes &&
               (answers > 0 || (o.format != Format::Default && o.format != Format::Text))) {
        error = _("--all-times adds lines to the text of a day");
    } else if (o.lat.has_value() != o.lon.has_value()) {
        error = _("--lat and --lon go together");
    } else if (o.lat && !o.town.empty()) {
        error = _("--lat/--lon name a place of their own: leave out the town");
    } else if (o.lat && o.zone.empty()) {
        error = _("--lat and --lon need --zone");
    } else if (o.outGiven && (o.format != Format::Default || o.holyDays)) {
        error = _("--out is for the HTML pages; --format prints on standard output");
    } else if (o.method.ishaAngle && o.method.ishaMinutes) {
        error = _("--isha-angle and --isha-minutes are two ways of giving Isha: give one");
    } else if (!o.method.given.empty() && (edit || lists)) {
        error = Formatted(_("%s changes this run's times: it does not go with the lists, "
                            "--select-town and --add-town"),
                          o.method.given[0].c_str());
    } else {
        return true;
    }
    return false;
}

}  // namespace

bool AsksForCp1252(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        // getopt_long takes unique prefixes: --cp is already this option.
        if (std::strlen(argv[i]) >= 4 &&
            std::strncmp("--cp1252", argv[i], std::strlen(argv[i])) == 0) {
            return true;
        }
    }
    return false;
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& error) {
    std::vector<option> longOptions;
    std::string shortOptions = ":";  // a missing value returns ':', told apart from '?'
    for (std::size_t i = 0; i < kOptionRowCount; ++i) {
        const OptionRow& row = kOptionRows[i];
        int hasArg = row.argument == Argument::None ? no_argument : required_argument;
        longOptions.push_back({row.name, hasArg, nullptr, ValueOf(i)});
        if (row.shortName != 0) {
            shortOptions += row.shortName;
            shortOptions += hasArg == no_argument ? "" : ":";
        }
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});
    opterr = 0;  // the messages are ours
    optind = 0;  // a fresh scan (0 also resets glibc's state)
    for (;;) {
        int value = getopt_long(argc, argv, shortOptions.c_str(), longOptions.data(), nullptr);
        if (value == -1) {
            break;
        }
        const OptionRow* row = RowOf(value == ':' || value == '?' ? optopt : value);
        if (value == ':') {
            error = Formatted(_("option --%s needs a value"), row != nullptr ? row->name : "");
            return false;
        }
        if (value == '?' || row == nullptr) {
            error = RefusalOf(argv[optind - 1], optopt);
            return false;
        }
        if (row->argument == Argument::TownLine) {
            if (!TakeTownLine(argc, argv, optarg, o, error)) {
                return false;
            }
        } else if (row->flag != nullptr) {
            o.*(row->flag) = true;
        } else if (!row->set(*row, o, optarg, error)) {
            return false;
        }
    }
    // The operands, gathered after the options by getopt_long: one town.
    for (int i = optind; i < argc; ++i) {
        if (!o.town.empty()) {
            error = Formatted(_("one town only: '%s' comes after '%s'"), argv[i], o.town.c_str());
            return false;
        }
        o.town = argv[i];
    }
    return CheckCombinations(o, error);
}

}  // namespace veloranth::cli
