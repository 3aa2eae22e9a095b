// Edits of the user's copy of data.cfg. The copy is made on the first edit from the
// shipped table. Each edit holds the edit lock from its reading of the file to the
// replacement, so that edits run at once follow each other and none is lost; the writer
// replaces the file in one step, so an interrupted save leaves the previous copy whole.
#include "cli/user_copy.h"

#include <cstring>
#include <filesystem>
#include <set>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/config_lookup.h"
#include "cli/method.h"
#include "cli/notices.h"
#include "cli/output.h"
#include "cli/place.h"
#include "cli/translation.h"
#include "config/edit_lock.h"
#include "config/reader.h"
#include "config/writer.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "zones/zones.h"

namespace veloranth::cli {

namespace {

// How long an edit waits for another program's: a save takes milliseconds.
constexpr int kLockWaitMilliseconds = 10000;

// Whether the zone's clock shows another offset on some day of the year.
bool OffsetChanges(const zones::Zone* zone, int year) {
    const std::int32_t first = zones::OffsetAtLocalNoon(zone, year, 1, 1);
    for (int day = 2; day <= 366; ++day) {  // days past the month's end run into the next
        if (zones::OffsetAtLocalNoon(zone, year, 1, day) != first) {
            return true;
        }
    }
    return false;
}

// A town given whole hours keeps one offset all year. Where the country's towns in the
// shipped table follow a zone whose offset changes (Morocco's in Ramadan), its clock is
// wrong on those days: said, with the zone and the convention those towns share.
void WarnOfHours(const Town& town) {
    const std::string shipped = ShippedFile("data.cfg");
    std::u16string path;
    OwnedConfig table;
    StringSink quiet;
    if (town.zone != nullptr || shipped.empty() || !Utf8PathToUtf16(shipped, path) ||
        ReadConfigFile(path, u"", table.cfg, quiet) != kReadOk) {
        return;
    }
    const int year = static_cast<int>(CivilFromDays(platform::UtcNow() / 86400).year);
    std::set<std::string> changing;
    std::set<int> conventions;
    for (int i = 0; i < table.cfg.NumberOfTowns; ++i) {
        const Town& t = *table.cfg.TownTable[i];
        if (std::strcmp(t.Country, town.Country) == 0) {
            conventions.insert(t.Convention);
            if (t.zone != nullptr && OffsetChanges(t.zone, year)) {
                changing.insert(std::string(zones::ZoneName(t.zone)));
            }
        }
    }
    if (changing.empty()) {
        return;
    }
    std::string zoneList;
    for (const std::string& zone : changing) {
        zoneList += (zoneList.empty() ? "" : ", ") + zone;
    }
    const std::string place = Cp1252ToUtf8(std::string(town.Country) + ":" + town.Name);
    const std::string country = Cp1252ToUtf8(town.Country);
    const std::string given = Formatted(
        _("%s is given whole hours, one offset all year, but the clock of %s changes"),
        place.c_str(), country.c_str());
    const std::string zones = Formatted(
        ngettext("the zone %s", "the zones %s", static_cast<unsigned long>(changing.size())),
        zoneList.c_str());
    const std::string use =
        conventions.size() == 1
            ? Formatted(_("its towns in the shipped table use %s and convention %d"),
                        zones.c_str(), *conventions.begin())
            : Formatted(_("its towns in the shipped table use %s"), zones.c_str());
    Warn(given + ": " + use + "; " + _("give the zone by name for the town's real clock"));
}

// The table to start from: the copy itself when it exists (it must be readable), else
// the shipped one; --config names a file that must exist.
bool ChooseSource(const Options& o, const std::string& target, std::string& source,
                  std::string& error) {
    if (PathExists(target) || !o.config.empty()) {
        source = target;
        return CheckReadable(target, error);
    }
    source = ShippedFile("data.cfg");
    if (source.empty()) {
        error = _("no data.cfg to start your copy from (beside the program or installed)");
        return false;
    }
    return true;
}

// Applies the edit to the table read: `town` is the one to add, unless a town is to be
// selected; `selected` is the TownSelected to write.
bool ApplyEdit(const Options& o, const Town& town, AppConfig& cfg, int& selected,
               std::string& error) {
    selected = cfg.TownSelected;
    if (!o.selectTown.empty()) {
        if (!FindTown(cfg, o.selectTown, selected, error)) {
            return false;
        }
        return true;
    }
    const std::vector<std::string>& a = o.addTown;
    if (!CheckConvention(cfg, town.Convention, error)) {
        return false;  // the file read decides which conventions exist
    }
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        const Town& t = *cfg.TownTable[i];
        if (std::strcmp(t.Country, town.Country) == 0 && std::strcmp(t.Name, town.Name) == 0) {
            error = Formatted(_("town %d is already %s:%s"), i, a[0].c_str(), a[1].c_str());
            return false;
        }
    }
    if (!AppendTown(cfg, town)) {
        error = _("out of memory");
        return false;
    }
    WarnOfHours(town);
    return true;
}

}  // namespace

bool EditUserCopy(const Options& o, std::string& report, std::string& error) {
    std::string target = o.config.empty() ? UserConfigPath() : o.config;
    if (target.empty()) {
        error = _("neither XDG_CONFIG_HOME nor HOME says where your copy of data.cfg goes");
        return false;
    }
    std::u16string targetPath;
    if (!Utf8PathToUtf16(target, targetPath)) {
        error = Formatted(_("the path %s is not UTF-8"), target.c_str());
        return false;
    }
    // A town refused for its own values, or a --config file that is not there, touches
    // nothing.
    if (!o.config.empty() && !CheckReadable(target, error)) {
        return false;
    }
    Town town;
    const std::vector<std::string>& a = o.addTown;
    if (!a.empty() &&
        !MakeTown(a[0], a[1], a[2], a[3], a[4], a[5], a.size() > 6 ? a[6] : "0", town, error)) {
        return false;
    }
    // The file itself (a link's target), once: its folder, its lock, what is read and what
    // is replaced are all of that one file.
    const std::u16string file = platform::FinalPath(targetPath);
    const std::string fileName = Utf16ToUtf8(file);
    std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    std::error_code made;
    if (!folder.empty() && !std::filesystem::create_directories(folder, made) && made) {
        error =
            Formatted(_("cannot create the folder %s: %s"), folder.c_str(), made.message().c_str());
        return false;
    }
    ConfigEditLock lock(file, SleepingWait(kLockWaitMilliseconds));
    if (!lock.Held()) {
        const std::string lockPath = Utf16ToUtf8(lock.Failure().path);
        error = lock.Failure().problem == SaveProblem::kBusy
                    ? Formatted(_("another program is changing %s (%s stays locked); nothing "
                                  "was changed"),
                                target.c_str(), lockPath.c_str())
                    : Formatted(_("cannot lock %s: %s"), lockPath.c_str(),
                                lock.Failure().reason.c_str());
        return false;
    }
    std::string source;
    if (!ChooseSource(o, fileName, source, error)) {
        return false;
    }
    std::u16string sourcePath;
    if (!Utf8PathToUtf16(source, sourcePath)) {
        error = Formatted(_("the path %s is not UTF-8"), source.c_str());
        return false;
    }
    OwnedConfig read;
    StringSink console;
    ConfigNotices notices;
    if (ReadConfigFile(sourcePath, u"", read.cfg, console, &notices) != kReadOk) {
        notices.Warn(source);
        error = Formatted(_("cannot use the configuration %s"), source.c_str()) + "\n" +
                notices.FileLines();
        return false;
    }
    // Written again, a line the reading did not use would be gone for good.
    const std::string notUsed = notices.LinesNotUsed();
    if (!notUsed.empty()) {
        error = Formatted(_("%s is left as it is: an edit would lose what these lines say; "
                            "mend or remove them"),
                          source.c_str()) +
                notUsed;
        return false;
    }
    notices.Warn(source);
    int selected = 0;
    if (!ApplyEdit(o, town, read.cfg, selected, error)) {
        return false;
    }
    const int index = o.selectTown.empty() ? read.cfg.NumberOfTowns - 1 : selected;
    const Town& shown = *read.cfg.TownTable[index];
    report = Formatted(
        o.selectTown.empty() ? _("added town %d: %s in %s\n") : _("selected town %d: %s in %s\n"),
        index, Cp1252ToUtf8(std::string(shown.Country) + ":" + shown.Name).c_str(), target.c_str());
    SaveFailure failure;
    if (!WriteConfigFile(lock.File(), read.cfg, selected, console, PlatformFileOps(), &failure)) {
        error = Formatted(_("cannot write %s: %s"), Utf16ToUtf8(failure.path).c_str(),
                          failure.reason.c_str());
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
