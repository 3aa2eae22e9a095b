// Strict parsing of option values: what cannot be read whole is refused, not guessed.
#include "cli/values.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "base/calendar_date.h"

namespace veloranth::cli {
namespace {

bool ParseDigits(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::atoi(text.c_str());
    return true;
}

// The fields of `text` between `separator`s, each made of digits.
bool SplitDigits(const std::string& text, char separator, std::vector<int>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        int value = 0;
        if (!ParseDigits(text.substr(start, end - start), value)) {
            return false;
        }
        fields.push_back(value);
        if (end == std::string::npos) {
            return true;
        }
        start = end + 1;
    }
}

}  // namespace

bool ParseInt(const std::string& text, int& value) {
    bool sign = !text.empty() && (text[0] == '-' || text[0] == '+');
    if (!ParseDigits(sign ? text.substr(1) : text, value)) {
        return false;
    }
    value = text[0] == '-' ? -value : value;
    return true;
}

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty() || text.size() > 32 || text.find_first_of("xXnNiI") != std::string::npos) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

bool ParseDate(const std::string& text, ObservationDate& date) {
    std::vector<int> f;
    bool iso = text.find('-') != std::string::npos;
    if (!SplitDigits(text, iso ? '-' : '/', f) || f.size() != 3 || (iso && text.size() != 10)) {
        return false;
    }
    ObservationDate d = iso ? ObservationDate{f[2], f[1], f[0]} : ObservationDate{f[0], f[1], f[2]};
    if (d.Month < 1 || d.Month > 12 || d.Year < 1583 || d.Year > 9999 || d.Day < 1 ||
        d.Day > DaysInMonth(d.Month, d.Year)) {
        return false;
    }
    date = d;
    return true;
}

bool ParseHijriDate(const std::string& text, HijriDate& date) {
    std::vector<int> f;
    const std::string digits = text.substr(0, text.size() - 1);
    bool iso = digits.find('-') != std::string::npos;
    if (text.empty() || text.back() != 'H' || !SplitDigits(digits, iso ? '-' : '/', f) ||
        f.size() != 3 || (iso && digits.size() != 10)) {
        return false;
    }
    HijriDate h = iso ? HijriDate{f[0], f[1], f[2]} : HijriDate{f[2], f[1], f[0]};
    if (h.month < 1 || h.month > 12 || h.day < 1 || h.day > 30 || h.year < 1) {
        return false;
    }
    date = h;
    return true;
}

bool ParseTime(const std::string& text, ObservationTime& time) {
    std::vector<int> f;
    if (!SplitDigits(text, ':', f) || f.size() < 2 || f.size() > 3 || f[0] > 23 || f[1] > 59 ||
        (f.size() == 3 && f[2] > 59)) {
        return false;
    }
    time = {f[0], f[1], f.size() == 3 ? f[2] : 0};
    return true;
}

int ChoiceIndex(const std::string& text, const char* choices) {
    std::istringstream words(choices);
    std::string word;
    for (int i = 0; words >> word; ++i) {
        if (word == text) {
            return i;
        }
    }
    return -1;
}

}  // namespace veloranth::cli
