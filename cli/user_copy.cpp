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
#include "cli/place.h"
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
        error = "no data.cfg to start your copy from (beside the program or installed)";
        return false;
    }
    return true;
}

// Applies the edit to the table read: `town` is the one to add, unless a town is to be
// selected; `selected` is the TownSelected to write.
bool ApplyEdit(const Options& o, const Town& town, MainState& s, int& selected, std::string& report,
               std::string& error) {
    selected = s.config.TownSelected;
    if (!o.selectTown.empty()) {
        if (!FindTown(s.config, o.selectTown, selected, error)) {
            return false;
        }
        report = "selected town " + std::to_string(selected) + ": ";
        return true;
    }
    const std::vector<std::string>& a = o.addTown;
    for (int i = 0; i < s.config.NumberOfTowns; ++i) {
        const Town& t = *s.config.TownTable[i];
        if (std::strcmp(t.Country, town.Country) == 0 && std::strcmp(t.Name, town.Name) == 0) {
            error = "town " + std::to_string(i) + " is already " + a[0] + ":" + a[1];
            return false;
        }
    }
    if (!AppendTown(s.config, town)) {
        error = "out of memory";
        return false;
    }
    report = "added town " + std::to_string(s.config.NumberOfTowns - 1) + ": ";
    return true;
}

}  // namespace

bool EditUserCopy(const Options& o, std::string& report, std::string& error) {
    std::string target = o.config.empty() ? UserConfigPath() : o.config;
    if (target.empty()) {
        error = "neither XDG_CONFIG_HOME nor HOME says where your copy of data.cfg goes";
        return false;
    }
    std::u16string targetPath;
    if (!Utf8PathToUtf16(target, targetPath)) {
        error = "the path " + target + " is not UTF-8";
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
        error = "cannot create the folder " + folder.string() + ": " + made.message();
        return false;
    }
    ConfigEditLock lock(targetPath);
    if (!lock.Held()) {
        error = "cannot lock " + Utf16ToUtf8(lock.Failure().path) + ": " + lock.Failure().reason;
        return false;
    }
    std::string source;
    if (!ChooseSource(o, target, source, error)) {
        return false;
    }
    std::u16string sourcePath;
    if (!Utf8PathToUtf16(source, sourcePath)) {
        error = "the path " + source + " is not UTF-8";
        return false;
    }
    MainState s;  // owns the town table
    StringSink notices;
    if (ReadConfigFile(sourcePath, u"", s.config, notices) != kReadOk) {
        error = "cannot use the configuration " + source + "\n" + Cp1252ToUtf8(notices.str());
        if (error.back() == '\n') {
            error.pop_back();
        }
        return false;
    }
    int selected = 0;
    if (!ApplyEdit(o, town, s, selected, report, error)) {
        return false;
    }
    const Town& shown =
        *s.config.TownTable[o.selectTown.empty() ? s.config.NumberOfTowns - 1 : selected];
    report += Cp1252ToUtf8(std::string(shown.Country) + ":" + shown.Name) + " in " + target + "\n";
    SaveFailure failure;
    if (!WriteConfigFile(targetPath, s.config, selected, notices, PlatformFileOps(),
                         &failure)) {
        error = "cannot write " + Utf16ToUtf8(failure.path) + ": " + failure.reason;
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
