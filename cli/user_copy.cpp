// Edits of the user's copy of data.cfg. The copy is made on the first edit from the
// shipped table; the writer rewrites the whole layout through a temporary file, so an
// interrupted save leaves the previous copy whole.
#include "cli/user_copy.h"

#include <cstring>
#include <filesystem>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/config_lookup.h"
#include "cli/place.h"
#include "config/reader.h"
#include "config/writer.h"
#include "reports/main_state.h"

namespace veloranth::cli {

bool EditUserCopy(const Options& o, std::string& report, std::string& error) {
    std::string target = o.config.empty() ? UserConfigPath() : o.config;
    if (target.empty()) {
        error = "neither XDG_CONFIG_HOME nor HOME says where your copy of data.cfg goes";
        return false;
    }
    std::string source = FileExists(target) || !o.config.empty() ? target : ShippedFile("data.cfg");
    if (source.empty()) {
        error = "no data.cfg to start your copy from (beside the program or installed)";
        return false;
    }
    std::u16string sourcePath, targetPath;
    if (!Utf8PathToUtf16(source, sourcePath) || !Utf8PathToUtf16(target, targetPath)) {
        error = "the path " + target + " is not UTF-8";
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
    int selected = s.config.TownSelected;
    if (!o.selectTown.empty()) {
        if (!FindTown(s.config, o.selectTown, selected, error)) {
            return false;
        }
        report = "selected town " + std::to_string(selected) + ": ";
    } else {
        const std::vector<std::string>& a = o.addTown;
        Town town;
        if (!MakeTown(a[0], a[1], a[2], a[3], a[4], a[5], a.size() > 6 ? a[6] : "0", town, error)) {
            return false;
        }
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
    }
    const Town& shown =
        *s.config.TownTable[o.selectTown.empty() ? s.config.NumberOfTowns - 1 : selected];
    report += Cp1252ToUtf8(std::string(shown.Country) + ":" + shown.Name) + " in " + target + "\n";
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(target).parent_path(), ignored);
    if (!WriteConfigFile(targetPath, s.config, selected, notices)) {
        error = "cannot write " + target + ": " + Cp1252ToUtf8(notices.str());
        if (error.back() == '\n') {
            error.pop_back();
        }
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
