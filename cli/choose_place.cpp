// Choosing the run's place and method: a convention the file does not define is refused
// wherever it comes from, rather than computed with rules nobody wrote.
#include "cli/choose_place.h"

#include <cstdio>

#include "base/codepage.h"
#include "cli/method.h"
#include "cli/place.h"
#include "cli/translation.h"

namespace veloranth::cli {
namespace {

bool ChooseTown(AppConfig& cfg, const Options& o, std::string& error) {
    if (!o.lat) {
        return o.town.empty() || FindTown(cfg, o.town, cfg.TownSelected, error);
    }
    Town place;
    std::snprintf(place.Country, kNameSize, "Lieu");
    std::snprintf(place.Name, kNameSize, "%s", PlaceName(*o.lat, *o.lon).c_str());
    place.latitude = *o.lat, place.longitude = *o.lon;
    place.Convention = 0;
    if (!AppendTown(cfg, place)) {
        error = _("out of memory");
        return false;
    }
    cfg.TownSelected = cfg.NumberOfTowns - 1;
    return true;
}

// The town's convention, or --convention's, adjusted or replaced by the method options.
bool ChooseMethod(AppConfig& cfg, Town& town, const Options& o, std::string& error) {
    if (DefinesOwnMethod(o)) {
        Convention& own = cfg.Conventions[kCommandLineConvention];
        own = Convention{};
        own.Defined = true;  // defined, for this run
        town.Convention = kCommandLineConvention;
        return DefineMethod(o.method, own, error) && CheckMethodGiven(o.method, own, error);
    }
    if (o.convention >= 0) {
        if (!CheckConvention(cfg, o.convention, error)) {
            return false;
        }
        town.Convention = o.convention;
    } else if (!CheckConvention(cfg, town.Convention, error)) {
        error = Formatted(_("town %s: %s; give one with --convention"),
                          Cp1252ToUtf8(std::string(town.Country) + ":" + town.Name).c_str(),
                          error.c_str());
        return false;
    }
    ApplyMethod(o.method, cfg.Conventions[town.Convention]);
    return CheckMethodGiven(o.method, cfg.Conventions[town.Convention], error);
}

}  // namespace

bool DefinesOwnMethod(const Options& o) {
    return o.lat && o.convention < 0 && !o.method.given.empty();
}

bool ChoosePlace(MainState& s, const Options& o, std::string& error) {
    AppConfig& cfg = s.config;
    if (!ChooseTown(cfg, o, error)) {
        return false;
    }
    if (o.hijri) {
        cfg.HijriShown = true;
    }
    if (o.hijriAdjust) {
        cfg.HijriAdjustment = *o.hijriAdjust;
    }
    Town& town = *cfg.TownTable[cfg.TownSelected];
    if ((!o.zone.empty() && !ApplyZone(o.zone, 0, town, error)) ||
        !ChooseMethod(cfg, town, o, error)) {
        return false;
    }
    ApplySelectedTown(cfg);
    return true;
}

}  // namespace veloranth::cli
