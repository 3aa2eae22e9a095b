// The command line of veloranth-cli: GNU-style options, from one table, into one record.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/hijri.h"
#include "engine/day.h"

namespace veloranth::cli {

enum class Format { Default, Text, Json, Csv, Ics };

// A method given on the command line: each setting given replaces the convention's.
struct MethodOptions {
    std::optional<double> fajrAngle;
    std::optional<double> ishaAngle;
    std::optional<int> ishaMinutes;
    std::optional<bool> asrShafi;
    std::optional<int> highLatitude;                         // a HighLatitudeRule
    std::optional<std::array<double, kSalatCount>> offsets;  // minutes, SalatKind order
    std::optional<int> rounding;                             // a RoundingRule
    // The community settings (a convention's line 7).
    std::optional<double> maghribAngle;
    std::optional<int> imsakMinutes;
    std::optional<bool> jafariMidnight;
    std::optional<int> ramadanIshaMinutes;
    std::optional<int> seasonal;     // a seasonal twilight, 0 none to 3 abyad
    std::optional<int> polar;        // a PolarRule (a convention's line 11)
    std::vector<std::string> given;  // the options that set them ("--fajr-angle")
};

struct Options {
    std::string config;  // data.cfg to read; empty: the lookup order of config_lookup.h
    std::string town;    // index or name ("Pays:Ville"); empty: the file's TownSelected
    std::optional<ObservationDate> date;  // none: the town's today
    std::optional<HijriDate> hijriDate;   // --date given as a Hijri date: resolved once the
                                          // adjustment is known
    std::optional<ObservationTime> time;  // none: the town's now
    bool verbose = false;
    bool sun = false;
    bool monthPage = false;
    bool yearPage = false;
    bool ramadanPage = false;  // the Ramadan of the date's Hijri year
    bool holyDays = false;     // the Hijri year's holy days, or all-day events of --month/--year
    std::optional<int> alarmMinutes;  // iCalendar reminders before each prayer
    bool outGiven = false;
    std::string outDir = ".";
    bool cp1252 = false;
    Format format = Format::Default;
    bool list = false;
    bool listZones = false;
    bool listConventions = false;
    bool listOptions = false;  // hidden: the option table for the bash completion
    bool qibla = false;
    bool next = false;
    bool shortLine = false;  // --next as one short line, for a status bar
    // --near: the towns nearest to a point, in degrees.
    std::optional<double> nearLat, nearLon;
    // A place that is not in the file, or another zone or convention for one that is.
    std::optional<double> lat, lon;
    std::string zone;
    int convention = -1;
    MethodOptions method;
    bool hijri = false;              // the Hijri date's line in the text, for this run
    bool allTimes = false;           // Imsak, sunset, midnight and the day's rules after the text
    std::optional<int> hijriAdjust;  // -2 to 2 days, for this run
    std::string selectTown;
    std::vector<std::string> addTown;  // COUNTRY NAME LAT LON ZONE CONVENTION [DST]
    bool help = false;
    bool version = false;
};

// Parses the command line with getopt_long (which may reorder argv); false with `error`
// set (UTF-8, without the hint to --help) for anything it does not understand.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

// Whether the command line asks for --cp1252, told before parsing so that the parser's own
// errors are written in the encoding asked for.
bool AsksForCp1252(int argc, char** argv);

// --help, made from the option table; help2man makes the man page from it.
std::string UsageText();

// The option table for the bash completion: one option a line, "--name" for a flag,
// "--name=" and the values it completes (words, or @towns, @zones, @conventions, @files,
// @folders) for one that takes a value.
std::string OptionListText();

}  // namespace veloranth::cli
