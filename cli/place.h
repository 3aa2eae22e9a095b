// Choosing the place: a town of the table by index or by name, the table as a list, and
// a place given by its coordinates, zone and convention.
#pragma once

#include <string>

#include "config/model.h"

namespace veloranth::cli {

// The town `wanted` designates: an index, a name ("Casablanca", "casablanca", "Saint Etienne")
// or "Pays:Ville", compared without regard to case, accents, blanks or hyphens; failing
// that, another name of a shipped town (town_names.tsv beside data.cfg: London, Makkah).
// False with `error` set: its first line says what is wrong, the next ones list the
// candidates (the names it contains, or the nearest by edit distance).
bool FindTown(const AppConfig& cfg, const std::string& wanted, int& index, std::string& error);

// The table, one town a line (8-bit text).
std::string TownList(const AppConfig& cfg);

// The ten towns of the table nearest to a point, nearest first, with their distance along
// the Earth's surface in km (8-bit text).
std::string NearTownsText(const AppConfig& cfg, double lat, double lon);

// Gives `town` the zone `text` (hours or a tz database name) and, for hours, the DST rule.
bool ApplyZone(const std::string& text, int dst, Town& town, std::string& error);

// A town record from command-line words (UTF-8 names, decimal degrees). Its convention
// is one data.cfg can hold; whether the file defines it is the edit's to check.
bool MakeTown(const std::string& country, const std::string& name, const std::string& lat,
              const std::string& lon, const std::string& zone, const std::string& convention,
              const std::string& dst, Town& town, std::string& error);

// The name of a place given by its coordinates, with the hemispheres as letters:
// "33.9249S,18.4241E". Page names begin with it, so it never begins with a hyphen.
std::string PlaceName(double lat, double lon);

// Appends a copy of `town` to the table; the table's owner (MainState) releases it.
// False when memory runs out (the table is then unchanged).
bool AppendTown(AppConfig& cfg, const Town& town);

}  // namespace veloranth::cli
