// The option table of veloranth-cli: each option's names, value, help text, completion and
// what it sets. The parser, --help (and so the man page) and the bash completion read it.
#pragma once

#include <cstddef>
#include <string>

#include "cli/options.h"

namespace veloranth::cli {

enum class Argument {
    None,      // a flag
    Value,     // --name=VALUE or --name VALUE
    TownLine,  // --add-town: six or seven words, whatever they begin with
};

// Where --help lists an option; Hidden options are for the completion only.
enum class Section { Place, Method, DateAndOutput, Configuration, Hidden };

struct OptionRow;
using Setter = bool (*)(const OptionRow& row, Options& options, const std::string& value,
                        std::string& error);

struct OptionRow {
    const char* name;
    char shortName;  // 0: none
    Argument argument;
    const char* metavar;  // the value's name in --help
    Section section;
    const char* help;
    // What the completion offers for the value: words, or one of @towns, @zones,
    // @conventions, @files, @folders; null for a flag.
    const char* completes;
    bool Options::*flag;  // a flag's field, set when given
    Setter set;           // a value's parser (the words of a town line are the parser's)
};

extern const OptionRow kOptionRows[];
extern const std::size_t kOptionRowCount;

struct SectionText {
    Section section;
    const char* title;
    const char* note;  // a paragraph after its options, or null
};
extern const SectionText kSections[];
extern const std::size_t kSectionCount;

// "--name needs WHAT, not 'VALUE'": the refusal of a value; always false.
bool Refuse(const OptionRow& row, const std::string& value, const char* what, std::string& error);

}  // namespace veloranth::cli
