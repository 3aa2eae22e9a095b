// Methods as the command line gives and shows them. One table of settings serves JSON and
// the conventions' list, so that a setting added to the engine is one row here.
#include "cli/method.h"

#include <cmath>
#include <string>

#include "base/text_sink.h"
#include "cli/translation.h"

namespace veloranth::cli {
namespace {

std::string Number(double value) {
    StringSink text;
    Print(&text, "%g", value);
    return text.str();
}

double Offset(const ConventionRules& k, int kind) {
    const double minutes[] = {k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
                              k.AsrOffset,  k.MaghribOffset,  k.IshaOffset};
    return minutes[kind];
}

// The line of data.cfg a setting is on, beyond the convention's first ones: --list-conventions
// shows each such line's settings on a line of their own, where the convention uses it.
enum class Line {
    First,
    Community,  // line 7
    Rounding,   // line 11, with the polar rule: shown in JSON too only where it is used
    DailySun,   // line 12, likewise
};

// One setting: the option that gives it (or its name, for those no option gives), its
// value in that option's words ("" where it does not apply: JSON's null), whether JSON
// quotes it, its line, and its own JSON form where it has one.
struct Setting {
    const char* option;
    std::string (*value)(const ConventionRules&);
    bool word;
    Line line = Line::First;
    std::string (*json)(const ConventionRules&) = nullptr;
};

const Setting kSettings[] = {
    {"fajr-angle", [](const ConventionRules& k) { return Number(k.FajrTwilightAngle); }, false},
    {"isha-angle",
     [](const ConventionRules& k) {
         return k.IshaIsMaghribPlus ? std::string() : Number(k.IshaTwilightAngle);
     },
     false},
    {"isha-minutes",
     [](const ConventionRules& k) {
         return k.IshaIsMaghribPlus ? std::to_string(k.IshaMaghribMinutes) : std::string();
     },
     false},
    {"asr", [](const ConventionRules& k) { return std::string(k.AsrShafi ? "shafii" : "hanafi"); },
     true},
    {"high-latitude",
     [](const ConventionRules& k) {
         static const char* const kRules[] = {"none", "middle", "seventh", "angle"};
         int rule = k.HighLatitudeRule;
         return std::string(rule >= 0 && rule <= kLastHighLatitudeRule ? kRules[rule] : "none");
     },
     true},
    {"offsets",
     [](const ConventionRules& k) {
         std::string text;
         for (int kind = 0; kind < kSalatCount; ++kind) {
             text += (kind == 0 ? "" : ",") + Number(Offset(k, kind));
         }
         return text;
     },
     false, Line::First,
     [](const ConventionRules& k) {  // keyed by prayer rather than the option's list
         static const char* const kKeys[] = {"fajr", "chourouk", "zuhr", "asr", "maghrib", "isha"};
         std::string json;
         for (int kind = 0; kind < kSalatCount; ++kind) {
             json += std::string(kind == 0 ? "{" : ", ") + "\"" + kKeys[kind] +
                     "\": " + Number(Offset(k, kind));
         }
         return json + "}";
     }},
    {"sunrise-angle", [](const ConventionRules& k) { return Number(k.SunriseSetAngle); }, false},
    {"zuhr-hour",
     [](const ConventionRules& k) {
         if (!k.ZuhrFixe) {
             return std::string();
         }
         long minutes = std::lround(k.ZuhrHour * 60);
         StringSink text;
         Print(&text, "%02ld:%02ld", minutes / 60, minutes % 60);
         return text.str();
     },
     true},
    // The community settings (a convention's line 7).
    {"maghrib-angle", [](const ConventionRules& k) { return Number(k.MaghribTwilightAngle); },
     false, Line::Community},
    {"imsak", [](const ConventionRules& k) { return std::to_string(k.ImsakMinutes); }, false,
     Line::Community},
    {"midnight",
     [](const ConventionRules& k) { return std::string(k.JafariMidnight ? "jafari" : "standard"); },
     true, Line::Community},
    {"ramadan-isha", [](const ConventionRules& k) { return std::to_string(k.RamadanIshaMinutes); },
     false, Line::Community},
    {"seasonal",
     [](const ConventionRules& k) {
         static const char* const kSeasons[] = {"none", "general", "ahmer", "abyad"};
         int s = k.SeasonalTwilight;
         return std::string(s >= 0 && s <= kLastSeasonalTwilight ? kSeasons[s] : "none");
     },
     true, Line::Community},
    // A convention's line 11.
    {"rounding",
     [](const ConventionRules& k) {
         static const char* const kRules[] = {"nearest", "up", "safe"};
         int rule = k.Rounding;
         return std::string(rule >= 0 && rule <= kLastRoundingRule ? kRules[rule] : "nearest");
     },
     true, Line::Rounding},
    {"polar",
     [](const ConventionRules& k) {
         static const char* const kRules[] = {"none", "latitude", "day"};
         int rule = k.PolarRule;
         return std::string(rule >= 0 && rule <= kLastPolarRule ? kRules[rule] : "none");
     },
     true, Line::Rounding},
    // A convention's line 12, which no option gives.
    {"daily-sun", [](const ConventionRules& k) { return std::string(k.DailySun ? "0h-ut" : "no"); },
     true, Line::DailySun},
};

// Whether the convention has the settings of that line.
bool UsesLine(const Convention& k, Line line) {
    switch (line) {
        case Line::Community:
            return UsesCommunityLine(k);
        case Line::Rounding:
            return UsesRoundingLine(k);
        case Line::DailySun:
            return UsesDailySunLine(k);
        default:
            return true;
    }
}

std::string JsonKey(const char* option) {
    std::string key = option;
    for (char& c : key) {
        c = c == '-' ? '_' : c;
    }
    return key;
}

// "0 to 8, 10 and 17".
std::string DefinedList(const AppConfig& cfg) {
    std::string text;
    for (int first = 0; first < kConventionCount; ++first) {
        if (!ConventionDefined(cfg, first)) {
            continue;
        }
        int last = first;
        while (last + 1 < kConventionCount && ConventionDefined(cfg, last + 1)) {
            ++last;
        }
        text += (text.empty() ? "" : ", ") + std::to_string(first) +
                (last > first ? Formatted(_(" to %d"), last) : "");
        first = last;
    }
    std::size_t comma = text.rfind(", ");
    return comma == std::string::npos ? text : text.replace(comma, 2, _(" and "));
}

}  // namespace

bool CheckConvention(const AppConfig& cfg, int convention, std::string& error) {
    if (ConventionDefined(cfg, convention)) {
        return true;
    }
    error = Formatted(_("convention %d is not defined: data.cfg defines %s (--list-conventions "
                        "shows them)"),
                      convention, DefinedList(cfg).c_str());
    return false;
}

namespace {

// The convention's field takes the option's value where one was given.
template <class Value, class Field>
void SetGiven(const std::optional<Value>& value, Field& field) {
    if (value) {
        field = static_cast<Field>(*value);
    }
}

}  // namespace

void ApplyMethod(const MethodOptions& m, ConventionRules& k) {
    SetGiven(m.fajrAngle, k.FajrTwilightAngle);
    if (m.ishaAngle) {
        k.IshaTwilightAngle = *m.ishaAngle, k.IshaIsMaghribPlus = false;
    }
    if (m.ishaMinutes) {
        k.IshaMaghribMinutes = *m.ishaMinutes, k.IshaIsMaghribPlus = true;
    }
    SetGiven(m.asrShafi, k.AsrShafi);
    SetGiven(m.highLatitude, k.HighLatitudeRule);
    SetGiven(m.maghribAngle, k.MaghribTwilightAngle);
    SetGiven(m.imsakMinutes, k.ImsakMinutes);
    SetGiven(m.jafariMidnight, k.JafariMidnight);
    SetGiven(m.ramadanIshaMinutes, k.RamadanIshaMinutes);
    SetGiven(m.seasonal, k.SeasonalTwilight);
    SetGiven(m.rounding, k.Rounding);
    SetGiven(m.polar, k.PolarRule);
    if (m.offsets) {
        const auto& o = *m.offsets;
        k.FajrOffset = o[Fajr], k.ChouroukOffset = o[Chourouk], k.ZuhrOffset = o[Zuhr];
        k.AsrOffset = o[Asr], k.MaghribOffset = o[Maghrib], k.IshaOffset = o[Isha];
    }
}

bool DefineMethod(const MethodOptions& m, ConventionRules& k, std::string& error) {
    if (!m.fajrAngle || (!m.ishaAngle && !m.ishaMinutes)) {
        error =
            _("a method of your own (--lat/--lon without --convention) needs --fajr-angle "
              "and --isha-angle or --isha-minutes");
        return false;
    }
    k = ConventionRules{};
    k.SunriseSetAngle = 0.8333;
    k.AsrShafi = true;
    ApplyMethod(m, k);
    return true;
}

bool CheckMethodGiven(const MethodOptions& m, const ConventionRules& k, std::string& error) {
    if (!k.IshaIsMaghribPlus && k.MaghribTwilightAngle > k.IshaTwilightAngle &&
        (m.ishaAngle || m.maghribAngle)) {
        const std::string isha = Number(k.IshaTwilightAngle);
        const std::string maghrib = Number(k.MaghribTwilightAngle);
        error = m.ishaAngle ? Formatted(_("--isha-angle %s is below the Maghrib angle %s: Isha "
                                          "would come before Maghrib every day"),
                                        isha.c_str(), maghrib.c_str())
                            : Formatted(_("--maghrib-angle %s is above the Isha angle %s: Isha "
                                          "would come before Maghrib every day"),
                                        maghrib.c_str(), isha.c_str());
        return false;
    }
    if (m.ramadanIshaMinutes && *m.ramadanIshaMinutes > 0 && !k.IshaIsMaghribPlus) {
        error = _("--ramadan-isha gives Isha in minutes after Maghrib, but this method's Isha "
                  "is an angle: give --isha-minutes too");
        return false;
    }
    return true;
}

std::string MethodJson(const Convention& k) {
    std::string json;
    for (const Setting& s : kSettings) {
        if (s.line != Line::First && s.line != Line::Community && !UsesLine(k, s.line)) {
            continue;
        }
        std::string value = s.json != nullptr ? s.json(k) : s.value(k);
        if (value.empty()) {
            value = "null";
        } else if (s.word) {
            value = "\"" + value + "\"";
        }
        json += (json.empty() ? "{" : ", ") + ("\"" + JsonKey(s.option) + "\": ") + value;
    }
    return json + "}";
}

std::string ConventionListText(const AppConfig& cfg) {
    StringSink text;
    for (int i = 0; i < kConventionCount; ++i) {
        if (!ConventionDefined(cfg, i)) {
            continue;
        }
        const Convention& k = cfg.Conventions[i];
        Print(&text, "%2d%s%s\n   ", i, k.Name[0] != '\0' ? "  " : "", k.Name);
        // The settings of each further line on a line of their own, where the convention uses it.
        Line line = Line::First;
        for (const Setting& s : kSettings) {
            if (!UsesLine(k, s.line)) {
                continue;
            }
            if (s.line != line) {
                Print(&text, "\n   ");
                line = s.line;
            }
            std::string value = s.value(k);
            if (!value.empty()) {
                Print(&text, " %s=%s", s.option, value.c_str());
            }
        }
        Print(&text, "\n");
    }
    return text.str();
}

}  // namespace veloranth::cli
