// Town lookup by folded names, the town list, and the place given on the command line.
#include "cli/place.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>  // placement new
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/options.h"
#include "config/town_allocator.h"
#include "zones/zones.h"

namespace veloranth::cli {
namespace {

// Command-line text (UTF-8) as the file's 8-bit text; false when a character has no byte.
bool ToCp1252(const std::string& utf8, std::string& out) {
    std::u16string wide = Utf8ToUtf16(utf8);
    out = Utf16ToCp1252(wide);
    for (std::size_t i = 0; i < wide.size() && i < out.size(); ++i) {
        if (out[i] == '?' && wide[i] != u'?') {
            return false;
        }
    }
    return out.size() == wide.size();
}

std::string Label(const Town& t) {
    return Cp1252ToUtf8(std::string(t.Country) + ":" + t.Name);
}

std::string CandidateLines(const AppConfig& cfg, const std::vector<int>& towns) {
    std::string lines;
    for (int i : towns) {
        lines += "\n  " + std::to_string(i) + "  " + Label(*cfg.TownTable[i]);
    }
    return lines;
}

// An offset in hours: "1", "-5", "+5.5", "5:30", "-3:30".
bool ParseHours(const std::string& text, int& seconds) {
    std::size_t colon = text.find(':');
    double hours = 0;
    if (colon == std::string::npos) {
        if (!ParseNumber(text, hours)) {
            return false;
        }
    } else {
        double h = 0, m = 0;
        std::string minutes = text.substr(colon + 1);
        if (!ParseNumber(text.substr(0, colon), h) || h != std::trunc(h) || minutes.size() != 2 ||
            !ParseNumber(minutes, m) || m != std::trunc(m) || m < 0 || m >= 60) {
            return false;
        }
        hours = std::fabs(h) + m / 60;
        hours = text[0] == '-' ? -hours : hours;
    }
    if (hours < -12 || hours > 14) {
        return false;
    }
    seconds = static_cast<int>(std::lround(hours * 3600));
    return true;
}

}  // namespace

bool FindTown(const AppConfig& cfg, const std::string& wanted, int& index, std::string& error) {
    bool digits = !wanted.empty() && wanted.size() < 10 &&
                  wanted.find_first_not_of("0123456789") == std::string::npos;
    if (digits) {
        index = std::stoi(wanted);
        if (index < cfg.NumberOfTowns) {
            return true;
        }
        error = "no town " + wanted + ": the table has " + std::to_string(cfg.NumberOfTowns) +
                " towns (0 to " + std::to_string(cfg.NumberOfTowns - 1) + ")";
        return false;
    }
    std::string text;
    ToCp1252(wanted, text);
    std::size_t colon = text.find(':');
    std::string country = colon == std::string::npos ? "" : FoldForLookup(text.substr(0, colon));
    std::string name = FoldForLookup(colon == std::string::npos ? text : text.substr(colon + 1));
    std::vector<int> exact, near;
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        const Town& t = *cfg.TownTable[i];
        std::string townName = FoldForLookup(t.Name);
        bool countryOk = colon == std::string::npos || FoldForLookup(t.Country) == country;
        if (countryOk && townName == name) {
            exact.push_back(i);
        } else if (!name.empty() && near.size() < 10 && townName.find(name) != std::string::npos) {
            near.push_back(i);
        }
    }
    if (exact.size() == 1) {
        index = exact[0];
        return true;
    }
    if (exact.size() > 1) {
        error = "town '" + wanted +
                "' is in several countries; name one as Pays:Ville:" + CandidateLines(cfg, exact);
    } else if (!near.empty()) {
        error = "no town '" + wanted + "'; did you mean:" + CandidateLines(cfg, near);
    } else {
        error = "no town '" + wanted + "' (--list shows the towns)";
    }
    return false;
}

std::string TownList(const AppConfig& cfg) {
    StringSink out;
    Print(&out, "%3s  %-20s %-24s %9s %10s  %-20s %3s %4s\n", "#", "Pays", "Ville", "latitude",
          "longitude", "zone", "DST", "conv");
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        const Town& t = *cfg.TownTable[i];
        char hours[16];
        std::snprintf(hours, sizeof hours, "%+d", t.TimeZone);
        Print(&out, "%3d  %-20s %-24s %9.4f %10.4f  %-20s %3d %4d\n", i, t.Country, t.Name,
              t.latitude, t.longitude, t.zone != nullptr ? t.ZoneName : hours, t.DST,
              t.Convention);
    }
    return out.str();
}

bool CheckConvention(int convention, std::string& error) {
    // The conventions data.cfg can hold.
    if (convention >= 0 && convention < kConventionCount) {
        return true;
    }
    error = "convention " + std::to_string(convention) + " does not exist (0 to " +
            std::to_string(kConventionCount - 1) + ")";
    return false;
}

bool ApplyZone(const std::string& text, int dst, Town& town, std::string& error) {
    int seconds = 0;
    const zones::Zone* zone = zones::FindZone(text);
    if (zone == nullptr && !ParseHours(text, seconds)) {
        error = "zone '" + text +
                "' is neither hours from -12 to 14 (5.5, 5:30) nor a tz database "
                "name (Europe/Paris)";
        return false;
    }
    std::string name = text;
    if (zone == nullptr && seconds % 3600 != 0) {
        // A town record holds whole hours or a zone: the zone that keeps that offset.
        zone = zones::ZoneKeepingOffset(seconds);
        if (zone == nullptr) {
            error = "zone '" + text + "': no zone of the tz database keeps that offset all year; "
                    "give the zone's name (such as Asia/Tehran)";
            return false;
        }
        name = std::string(zones::ZoneName(zone));
    }
    town.zone = zone;
    town.ZoneName[0] = '\0';
    if (zone != nullptr) {
        std::snprintf(town.ZoneName, sizeof town.ZoneName, "%s", name.c_str());
    }
    town.TimeZone = zone != nullptr ? 0 : seconds / 3600;
    town.DST = zone != nullptr ? 0 : dst;
    return true;
}

bool MakeTown(const std::string& country, const std::string& name, const std::string& lat,
              const std::string& lon, const std::string& zone, const std::string& convention,
              const std::string& dst, Town& town, std::string& error) {
    town = Town();
    const std::string* words[] = {&country, &name};
    char* fields[] = {town.Country, town.Name};
    for (int i = 0; i < 2; ++i) {
        std::string text;
        if (!ToCp1252(*words[i], text) || text.empty() || text.size() >= kNameSize ||
            text.find_first_of(" \t\r\n\v\f") != std::string::npos) {
            error = "'" + *words[i] +
                    "' cannot be a name in data.cfg: one word (hyphens for "
                    "blanks) of 1 to 79 Windows-1252 characters";
            return false;
        }
        std::snprintf(fields[i], kNameSize, "%s", text.c_str());
    }
    double number = 0;
    int conv = -1, rule = -1;
    if (!ParseNumber(lat, town.latitude) || std::fabs(town.latitude) > 90 ||
        !ParseNumber(lon, town.longitude) || std::fabs(town.longitude) > 180) {
        error = "'" + lat + " " + lon +
                "' is not a latitude (-90 to 90) and a longitude "
                "(-180 to 180)";
        return false;
    }
    if (ParseNumber(convention, number) && number == std::trunc(number) &&
        std::fabs(number) < 1e6) {
        conv = static_cast<int>(number);
    }
    if (!CheckConvention(conv, error)) {
        error = conv < 0 ? "'" + convention + "' is not a convention number" : error;
        return false;
    }
    town.Convention = conv;
    if (dst == "0" || dst == "1" || dst == "2") {
        rule = dst[0] - '0';
    } else {
        error = "DST '" + dst + "' is not a rule (0 none, 1 European, 2 last Fridays)";
        return false;
    }
    return ApplyZone(zone, rule, town, error);
}

std::string PlaceName(double lat, double lon) {
    // A value that shows as zero takes N or E, whatever the sign of what was typed.
    auto part = [](double value, char positive, char negative) {
        char text[64];
        std::snprintf(text, sizeof text, "%.4f", std::fabs(value));
        bool zero = std::strspn(text, "0.") == std::strlen(text);
        return text + std::string(1, value < 0 && !zero ? negative : positive);
    };
    return part(lat, 'N', 'S') + "," + part(lon, 'E', 'W');
}

bool AppendTown(AppConfig& cfg, const Town& town) {
    TownAllocator& heap = HeapTownAllocator();
    std::size_t count = static_cast<std::size_t>(cfg.NumberOfTowns) + 1;
    auto** table = static_cast<Town**>(heap.Allocate(sizeof(Town*) * count));
    void* memory = heap.Allocate(sizeof(Town));
    if (table == nullptr || memory == nullptr) {
        heap.Release(table);
        heap.Release(memory);
        return false;
    }
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        table[i] = cfg.TownTable[i];
    }
    table[count - 1] = new (memory) Town(town);
    if (cfg.TownTable != nullptr) {
        heap.Release(cfg.TownTable);
    }
    cfg.TownTable = table;
    cfg.NumberOfTowns = static_cast<int>(count);
    return true;
}

}  // namespace veloranth::cli
