// Edits of the user's copy of data.cfg. The copy is made on the first edit from the
// shipped table. Each edit holds the edit lock from its reading of the file to the
// replacement, so that edits run at once follow each other and none is lost; the writer
// replaces the file in one step, so an interrupted save leaves the previous copy whole.
#include "cli/user_copy.h"

#include <cstring>
#include <filesystem>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/config_lookup.h"
#include "cli/method.h"
#include "cli/place.h"
#include "cli/translation.h"
#include "config/edit_lock.h"
#include "config/reader.h"
#include "config/writer.h"
#include "platform/files.h"
#include "reports/main_state.h"

namespace veloranth::cli {

namespace {

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
bool ApplyEdit(const Options& o, const Town& town, MainState& s, int& selected,
               std::string& error) {
    selected = s.config.TownSelected;
    if (!o.selectTown.empty()) {
        if (!FindTown(s.config, o.selectTown, selected, error)) {
            return false;
        }
        return true;
    }
    const std::vector<std::string>& a = o.addTown;
    if (!CheckConvention(s.config, town.Convention, error)) {
        return false;  // the file read decides which conventions exist
    }
    for (int i = 0; i < s.config.NumberOfTowns; ++i) {
        const Town& t = *s.config.TownTable[i];
        if (std::strcmp(t.Country, town.Country) == 0 && std::strcmp(t.Name, town.Name) == 0) {
            error = Formatted(_("town %d is already %s:%s"), i, a[0].c_str(), a[1].c_str());
            return false;
        }
    }
    if (!AppendTown(s.config, town)) {
        error = _("out of memory");
        return false;
    }
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
    // The folder of the file itself (a link's target): its lock goes there.
    std::filesystem::path folder =
        std::filesystem::path(Utf16ToUtf8(platform::FinalPath(targetPath))).parent_path();
    std::error_code made;
    if (!folder.empty() && !std::filesystem::create_directories(folder, made) && made) {
        error =
            Formatted(_("cannot create the folder %s: %s"), folder.c_str(), made.message().c_str());
        return false;
    }
    ConfigEditLock lock(targetPath);
    if (!lock.Held()) {
        error = Formatted(_("cannot lock %s: %s"), Utf16ToUtf8(lock.Failure().path).c_str(),
                          lock.Failure().reason.c_str());
        return false;
    }
    std::string source;
    if (!ChooseSource(o, target, source, error)) {
        return false;
    }
    std::u16string sourcePath;
    if (!Utf8PathToUtf16(source, sourcePath)) {
        error = Formatted(_("the path %s is not UTF-8"), source.c_str());
        return false;
    }
    MainState s;  // owns the town table
    StringSink notices;
    if (ReadConfigFile(sourcePath, u"", s.config, notices) != kReadOk) {
        error = Formatted(_("cannot use the configuration %s"), source.c_str()) + "\n" +
                Cp1252ToUtf8(notices.str());
        if (error.back() == '\n') {
            error.pop_back();
        }
        return false;
    }
    int selected = 0;
    if (!ApplyEdit(o, town, s, selected, error)) {
        return false;
    }
    const int index = o.selectTown.empty() ? s.config.NumberOfTowns - 1 : selected;
    const Town& shown = *s.config.TownTable[index];
    report = Formatted(
        o.selectTown.empty() ? _("added town %d: %s in %s\n") : _("selected town %d: %s in %s\n"),
        index, Cp1252ToUtf8(std::string(shown.Country) + ":" + shown.Name).c_str(), target.c_str());
    SaveFailure failure;
    if (!WriteConfigFile(targetPath, s.config, selected, notices, PlatformFileOps(), &failure)) {
        error = Formatted(_("cannot write %s: %s"), Utf16ToUtf8(failure.path).c_str(),
                          failure.reason.c_str());
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
