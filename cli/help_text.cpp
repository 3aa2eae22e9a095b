// --help and the completion's option list, both made from the option table. help2man makes
// the man page from --help: keep its layout (sections end with ":", an option's text starts
// in column 27, "Exit status:" becomes EXIT STATUS, examples start with "$ " so that each
// stays on a line of its own, and fit the man page's 66 columns).
#include <sstream>

#include "cli/option_table.h"
#include "cli/translation.h"

namespace veloranth::cli {
namespace {

constexpr std::size_t kTextColumn = 26;
constexpr std::size_t kWidth = 80;

const char kIntroduction[] =
    N_("Usage: veloranth-cli [OPTION]... [TOWN]\n"
       "Prints the day's prayer times (Fajr, Chourouk, Zuhr, Asr, Maghrib, Isha) for a\n"
       "town of data.cfg or for any place, as text, JSON, CSV or iCalendar. The date and\n"
       "time are the town's own, whatever zone this machine is set to, unless given.\n");

const char kExitStatus[] =
    N_("  0  success\n"
       "  2  an option or value was refused, data.cfg could not be read or written, the\n"
       "     town is unknown or ambiguous, or the output could not be written\n");

const char kExamples[] =
    "  $ veloranth-cli --list\n"
    "  $ veloranth-cli Casablanca --next\n"
    "  $ veloranth-cli Casablanca --month -f ics > casablanca.ics\n"
    "  $ veloranth-cli --lat=21.42 --lon=39.83 --zone=3 --convention=4\n"
    "  $ veloranth-cli --list-conventions\n"
    "  $ veloranth-cli Oslo --isha-minutes=90 --high-latitude=seventh\n"
    "  $ veloranth-cli --add-town Maroc Taza 34 -4 Africa/Casablanca 11\n";

// Columns a UTF-8 text takes: its characters, not its bytes.
std::size_t Columns(const std::string& text) {
    std::size_t columns = 0;
    for (char c : text) {
        columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

// `text` in lines of at most kWidth columns, each but the first indented by `indent`.
std::string Wrapped(const std::string& text, std::size_t first, std::size_t indent) {
    std::istringstream words(text);
    std::string out, word;
    std::size_t column = first;
    bool lineStart = true;
    while (words >> word) {
        if (!lineStart && column + 1 + Columns(word) > kWidth) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineStart = true;
        }
        out += (lineStart ? "" : " ") + word;
        column += (lineStart ? 0 : 1) + Columns(word);
        lineStart = false;
    }
    return out + "\n";
}

std::string OptionText(const OptionRow& row) {
    std::string label =
        row.shortName != 0 ? std::string("  -") + row.shortName + ", --" : "      --";
    label += row.name;
    if (row.argument == Argument::Value) {
        label += std::string("=") + _(row.metavar);
    } else if (row.argument == Argument::TownLine) {
        label += std::string(" ") + _(row.metavar);
    }
    const std::string help = Wrapped(_(row.help), kTextColumn, kTextColumn);
    if (Columns(label) + 2 > kTextColumn) {
        return label + "\n" + std::string(kTextColumn, ' ') + help;
    }
    return label + std::string(kTextColumn - Columns(label), ' ') + help;
}

}  // namespace

std::string UsageText() {
    std::string text = _(kIntroduction);
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        text += std::string("\n") + _(kSections[s].title) + "\n";
        for (std::size_t i = 0; i < kOptionRowCount; ++i) {
            if (kOptionRows[i].section == kSections[s].section) {
                text += OptionText(kOptionRows[i]);
            }
        }
        if (kSections[s].note != nullptr) {
            text += "  " + Wrapped(_(kSections[s].note), 2, 2);
        }
    }
    return text + "  --                      " + _("end of the options") + "\n\n" +
           _("Exit status:") + "\n" + _(kExitStatus) + "\n" + _("Examples:") + "\n" + kExamples;
}

std::string OptionListText() {
    std::string text;
    for (std::size_t i = 0; i < kOptionRowCount; ++i) {
        const OptionRow& row = kOptionRows[i];
        if (row.section == Section::Hidden) {
            continue;
        }
        std::string value;
        if (row.argument == Argument::Value) {
            value = row.completes[0] != '\0' ? std::string("= ") + row.completes : "=";
        }
        text += std::string("--") + row.name + value + "\n";
        if (row.shortName != 0) {
            text += std::string("-") + row.shortName + value + "\n";
        }
    }
    return text;
}

}  // namespace veloranth::cli
