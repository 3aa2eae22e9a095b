// The command line of veloranth-cli.
#pragma once

#include <string>
#include <vector>

namespace veloranth::cli {

struct Options {
    std::string config;  // data.cfg to read; empty: the one beside the program
    int town = -1;       // -1: the file's TownSelected
    bool hasDate = false;
    int day = 0, month = 0, year = 0;
    bool hasTime = false;
    int hour = 0, minute = 0, second = 0;
    bool verbose = false;
    bool sun = false;
    bool monthPage = false;
    bool yearPage = false;
    std::string outDir = ".";
    bool cp1252 = false;
    bool help = false;
    bool version = false;
};

// Parses argv; false with `error` set for anything it does not understand.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char kUsage[];

}  // namespace veloranth::cli
