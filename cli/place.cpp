// Town lookup by folded names, the town list, and the place given on the command line.
#include "cli/place.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>  // placement new
#include <utility>
#include <vector>

#include "base/codepage.h"
#include "base/constants.h"
#include "base/text_sink.h"
#include "cli/config_lookup.h"
#include "cli/translation.h"
#include "cli/values.h"
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

constexpr double kEarthRadiusKm = 6371.0088;  // the mean radius (IUGG)

// The edit distance of two folded names: insertions, deletions, substitutions and
// transpositions of neighbours each count one.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = i + j;
                continue;
            }
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// The other names of the table's towns (town_names.tsv: name, country, town and source,
// UTF-8), folded, each with the index of its town; a name whose town is not in the table,
// or that Windows-1252 cannot write, is left out.
std::vector<std::pair<std::string, int>> OtherNamesOf(const AppConfig& cfg) {
    std::vector<std::pair<std::string, int>> names;
    std::ifstream file(ShippedFile("town_names.tsv"));
    for (std::string line; std::getline(file, line);) {
        std::string field[3], cp1252[3];
        std::size_t start = 0;
        for (int f = 0; f < 3; ++f) {
            const std::size_t tab = line.find('\t', start);
            field[f] = line.substr(start, tab - start);
            start = tab == std::string::npos ? line.size() : tab + 1;
        }
        if (line.empty() || line[0] == '#' || !ToCp1252(field[0], cp1252[0]) ||
            !ToCp1252(field[1], cp1252[1]) || !ToCp1252(field[2], cp1252[2])) {
            continue;
        }
        for (int i = 0; i < cfg.NumberOfTowns; ++i) {
            const Town& t = *cfg.TownTable[i];
            if (cp1252[1] == t.Country && cp1252[2] == t.Name) {
                names.emplace_back(FoldForLookup(cp1252[0]), i);
            }
        }
    }
    return names;
}

// The towns to suggest for a name that matches none: those whose name holds it, and those
// whose name or another name is within a few edits of it (one edit in four letters), the
// nearest first; ten at most.
std::vector<int> Suggestions(const AppConfig& cfg, const std::string& name,
                             const std::vector<std::pair<std::string, int>>& others) {
    if (name.empty()) {
        return {};
    }
    const std::size_t limit = std::max<std::size_t>(1, name.size() / 4);
    std::vector<std::size_t> best(static_cast<std::size_t>(cfg.NumberOfTowns), limit + 1);
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        const std::string own = FoldForLookup(cfg.TownTable[i]->Name);
        best[i] = own.find(name) != std::string::npos ? 0 : EditDistance(name, own);
    }
    for (const auto& [other, i] : others) {
        best[i] = std::min(best[i], EditDistance(name, other));
    }
    std::vector<int> towns;
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        if (best[i] <= limit) {
            towns.push_back(i);
        }
    }
    std::stable_sort(towns.begin(), towns.end(), [&](int a, int b) { return best[a] < best[b]; });
    towns.resize(std::min<std::size_t>(towns.size(), 10));
    return towns;
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
        error = Formatted(ngettext("no town %s: the table has %d town (0 to %d)",
                                   "no town %s: the table has %d towns (0 to %d)",
                                   static_cast<unsigned long>(cfg.NumberOfTowns)),
                          wanted.c_str(), cfg.NumberOfTowns, cfg.NumberOfTowns - 1);
        return false;
    }
    std::string text;
    ToCp1252(wanted, text);
    std::size_t colon = text.find(':');
    std::string country = colon == std::string::npos ? "" : FoldForLookup(text.substr(0, colon));
    std::string name = FoldForLookup(colon == std::string::npos ? text : text.substr(colon + 1));
    auto countryOk = [&](const Town& t) {
        return colon == std::string::npos || FoldForLookup(t.Country) == country;
    };
    std::vector<int> exact;
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        if (countryOk(*cfg.TownTable[i]) && FoldForLookup(cfg.TownTable[i]->Name) == name) {
            exact.push_back(i);
        }
    }
    const std::vector<std::pair<std::string, int>> others =
        exact.empty() && !name.empty() ? OtherNamesOf(cfg)
                                       : std::vector<std::pair<std::string, int>>();
    for (const auto& [other, i] : others) {
        if (other == name && countryOk(*cfg.TownTable[i]) &&
            std::find(exact.begin(), exact.end(), i) == exact.end()) {
            exact.push_back(i);
        }
    }
    if (exact.size() == 1) {
        index = exact[0];
        return true;
    }
    std::vector<int> near = exact.empty() ? Suggestions(cfg, name, others) : std::vector<int>();
    if (exact.size() > 1) {
        error = Formatted(_("town '%s' is in several countries (name one as Pays:Ville)"),
                          wanted.c_str()) +
                CandidateLines(cfg, exact);
    } else if (!near.empty()) {
        error = Formatted(_("no town '%s' (did you mean one of these?)"), wanted.c_str()) +
                CandidateLines(cfg, near);
    } else {
        error = Formatted(_("no town '%s' (--list shows the towns)"), wanted.c_str());
    }
    return false;
}

std::string NearTownsText(const AppConfig& cfg, double lat, double lon) {
    std::vector<std::pair<double, int>> towns;
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        const Town& t = *cfg.TownTable[i];
        // The haversine formula on a sphere of the Earth's mean radius.
        const double dLat = (t.latitude - lat) * DegToRad / 2;
        const double dLon = (t.longitude - lon) * DegToRad / 2;
        const double h = std::sin(dLat) * std::sin(dLat) + std::cos(lat * DegToRad) *
                                                               std::cos(t.latitude * DegToRad) *
                                                               std::sin(dLon) * std::sin(dLon);
        towns.emplace_back(2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, h))), i);
    }
    const std::size_t shown = std::min<std::size_t>(towns.size(), 10);
    std::partial_sort(towns.begin(), towns.begin() + static_cast<std::ptrdiff_t>(shown),
                      towns.end());
    StringSink out;
    Print(&out, "%3s  %-20s %-24s %9s\n", "#", "Pays", "Ville", "km");
    for (std::size_t i = 0; i < shown; ++i) {
        const Town& t = *cfg.TownTable[towns[i].second];
        Print(&out, "%3d  %-20s %-24s %9.1f\n", towns[i].second, t.Country, t.Name, towns[i].first);
    }
    return out.str();
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
              t.latitude, t.longitude, t.zone != nullptr ? t.ZoneName : hours, t.DST, t.Convention);
    }
    return out.str();
}

bool ApplyZone(const std::string& text, int dst, Town& town, std::string& error) {
    int seconds = 0;
    const zones::Zone* zone = zones::FindZone(text);
    if (zone == nullptr && !ParseHours(text, seconds)) {
        error = Formatted(_("zone '%s' is neither hours from -12 to 14 (5.5, 5:30) nor a tz "
                            "database name (Europe/Paris)"),
                          text.c_str());
        return false;
    }
    std::string name = text;
    if (zone == nullptr && seconds % 3600 != 0) {
        // A town record holds whole hours or a zone: the zone that keeps that offset.
        zone = zones::ZoneKeepingOffset(seconds);
        if (zone == nullptr) {
            error = Formatted(_("zone '%s': no zone of the tz database keeps that offset all "
                                "year; give the zone's name (such as Asia/Tehran)"),
                              text.c_str());
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
            error = Formatted(_("'%s' cannot be a name in data.cfg: one word (hyphens for blanks) "
                                "of 1 to 79 Windows-1252 characters"),
                              words[i]->c_str());
            return false;
        }
        std::snprintf(fields[i], kNameSize, "%s", text.c_str());
    }
    int conv = -1, rule = -1;
    if (!ParseNumber(lat, town.latitude) || std::fabs(town.latitude) > 90 ||
        !ParseNumber(lon, town.longitude) || std::fabs(town.longitude) > 180) {
        error = Formatted(_("'%s %s' is not a latitude (-90 to 90) and a longitude (-180 to 180)"),
                          lat.c_str(), lon.c_str());
        return false;
    }
    if (!ParseInt(convention, conv) || conv < 0) {
        error = Formatted(_("'%s' is not a convention number"), convention.c_str());
        return false;
    }
    if (conv >= kConventionCount) {
        error = Formatted(_("convention %s does not exist (0 to %d)"), convention.c_str(),
                          kConventionCount - 1);
        return false;
    }
    town.Convention = conv;
    if (dst == "0" || dst == "1" || dst == "2") {
        rule = dst[0] - '0';
    } else {
        error = Formatted(_("DST '%s' is not a rule (0 none, 1 European, 2 last Fridays)"),
                          dst.c_str());
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
