// Option parsing with strict values: a date that does not exist or a time out of range
// is refused rather than computed.
#include "cli/options.h"

#include <cstdio>

#include "base/calendar_date.h"

namespace veloranth::cli {

const char kUsage[] =
    "Usage: veloranth-cli [--config FILE] [--town N] [--date D/M/YYYY] [--time H:M:S]\n"
    "                     [--verbose] [--sun] [--month] [--year] [--out DIR] [--cp1252]\n"
    "\n"
    "Prints the day's prayer times for the selected town of data.cfg.\n"
    "  --config FILE   data.cfg to read (default: the one beside this program)\n"
    "  --town N        use town N of the table (0 is the first) for this run only\n"
    "  --date D/M/YYYY observation date (default: today)\n"
    "  --time H:M:S    observation time (default: now)\n"
    "  --verbose       also the start-up trail and the full report\n"
    "  --sun           the Sun's position instead of the prayer times\n"
    "  --month         write the monthly calendar page into --out, print its path\n"
    "  --year          write the annual calendar page into --out, print its path\n"
    "  --out DIR       folder of the calendar pages (default: the current folder)\n"
    "  --cp1252        write Windows-1252 bytes instead of UTF-8\n"
    "  --version       the program's version and that of its tz database\n"
    "  --help          this text\n";

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

// "A/B/C" into three non-negative numbers.
bool ParseTriple(const std::string& text, int& a, int& b, int& c) {
    std::size_t p1 = text.find('/'), p2 = text.find('/', p1 == std::string::npos ? 0 : p1 + 1);
    if (p1 == std::string::npos || p2 == std::string::npos) {
        std::size_t q1 = text.find(':'), q2 = text.find(':', q1 == std::string::npos ? 0 : q1 + 1);
        p1 = q1;
        p2 = q2;
    }
    if (p1 == std::string::npos || p2 == std::string::npos) {
        return false;
    }
    return ParseInt(text.substr(0, p1), a) && ParseInt(text.substr(p1 + 1, p2 - p1 - 1), b) &&
           ParseInt(text.substr(p2 + 1), c);
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& o, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--verbose") {
            o.verbose = true;
        } else if (a == "--sun") {
            o.sun = true;
        } else if (a == "--month") {
            o.monthPage = true;
        } else if (a == "--year") {
            o.yearPage = true;
        } else if (a == "--cp1252") {
            o.cp1252 = true;
        } else if (a == "--config") {
            if (!value(o.config))
                return false;
        } else if (a == "--out") {
            if (!value(o.outDir))
                return false;
        } else if (a == "--town") {
            if (!value(v))
                return false;
            if (!ParseInt(v, o.town)) {
                error = "--town needs a town index (0, 1, 2...), not '" + v + "'";
                return false;
            }
        } else if (a == "--date") {
            if (!value(v))
                return false;
            o.hasDate = ParseTriple(v, o.day, o.month, o.year) && v.find(':') == std::string::npos;
            if (!o.hasDate || o.month < 1 || o.month > 12 || o.year < 1583 || o.year > 9999 ||
                o.day < 1 || o.day > DaysInMonth(o.month, o.year)) {
                error =
                    "--date needs an existing date D/M/YYYY (years 1583 to 9999), not '" + v + "'";
                return false;
            }
        } else if (a == "--time") {
            if (!value(v))
                return false;
            o.hasTime =
                ParseTriple(v, o.hour, o.minute, o.second) && v.find('/') == std::string::npos;
            if (!o.hasTime || o.hour > 23 || o.minute > 59 || o.second > 59) {
                error = "--time needs a time H:M:S, not '" + v + "'";
                return false;
            }
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    if (o.monthPage && o.yearPage) {
        error = "--month and --year cannot be combined";
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
