// The command line of veloranth-cli: GNU-style options into one record.
#pragma once

#include <string>
#include <vector>

namespace veloranth::cli {

enum class Format { Default, Text, Json, Csv, Ics };

struct Options {
    std::string config;  // data.cfg to read; empty: the lookup order of config_lookup.h
    std::string town;    // index or name ("Pays:Ville"); empty: the file's TownSelected
    bool hasDate = false;
    int day = 0, month = 0, year = 0;
    bool hasTime = false;
    int hour = 0, minute = 0, second = 0;
    bool verbose = false;
    bool sun = false;
    bool monthPage = false;
    bool yearPage = false;
    bool outGiven = false;
    std::string outDir = ".";
    bool cp1252 = false;
    Format format = Format::Default;
    bool list = false;
    bool qibla = false;
    bool next = false;
    // A place that is not in the file, or another zone or convention for one that is.
    bool hasLat = false, hasLon = false;
    double lat = 0, lon = 0;
    std::string zone;
    int convention = -1;
    bool hijri = false;  // the Hijri date's line in the text, for this run
    bool allTimes = false;  // Imsak, sunset, midnight and the day's rules after the text
    // The community settings of the chosen convention, for this run (-1: the convention's).
    double maghribAngle = -1;
    int imsak = -1, midnight = -1, ramadanIsha = -1, seasonal = -1;
    bool hasHijriAdjust = false;
    int hijriAdjust = 0;  // -2 to 2 days, for this run
    std::string selectTown;
    std::vector<std::string> addTown;  // COUNTRY NAME LAT LON ZONE CONVENTION [DST]
    bool help = false;
    bool version = false;
};

// Parses argv; false with `error` set (one line, without the hint) for anything it does
// not understand.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

// A decimal number of the whole text ("-33.9", "5.5"); false for anything else.
bool ParseNumber(const std::string& text, double& value);

extern const char kUsage[];

}  // namespace veloranth::cli
