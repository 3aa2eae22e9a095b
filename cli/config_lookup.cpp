// The lookup order of data.cfg. Installed data is found relative to the program itself,
// so an installation unpacked anywhere (dpkg -x into a scratch root) works unchanged.
#include "cli/config_lookup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "base/codepage.h"
#include "cli/translation.h"
#include "platform/module.h"
#include "reports/startup.h"

namespace veloranth::cli {

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_regular_file(path, ignored);
}

bool PathExists(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::exists(path, ignored);
}

bool CheckReadable(const std::string& path, std::string& error) {
    std::error_code ignored;
    int reason = 0;
    if (std::filesystem::is_directory(path, ignored)) {
        reason = EISDIR;  // fopen would open it, and reading it would fail obscurely
    } else if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
        return true;
    } else {
        reason = errno;
    }
    error =
        Formatted(_("cannot use the configuration %s: %s"), path.c_str(), std::strerror(reason));
    return false;
}

std::string UserConfigPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base;
    // The XDG rule: a relative value is ignored.
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else if (home != nullptr && home[0] != '\0') {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    return base + "/veloranth/data.cfg";
}

std::string ShippedFile(const std::string& name) {
    std::string folder = Utf16ToUtf8(platform::ModuleFolder());
    if (folder.empty()) {
        return {};
    }
    for (const std::string& path : {folder + name, folder + "../share/veloranth/" + name}) {
        if (FileExists(path)) {
            return path;
        }
    }
    return {};
}

std::string FindConfig(const std::string& option, std::string& error) {
    std::string chosen = option.empty() ? UserConfigPath() : option;
    if (!option.empty() || PathExists(chosen)) {
        return CheckReadable(chosen, error) ? chosen : std::string();
    }
    return ShippedFile("data.cfg");
}

}  // namespace veloranth::cli

namespace veloranth::cli {

bool ReadConfiguration(const std::string& option, bool verbose, MainState& s, StringSink& trail,
                       std::string& path, std::string& error, ReadReporter* notices) {
    path = FindConfig(option, error);
    if (path.empty()) {
        if (error.empty()) {
            error =
                _("no data.cfg found (your copy, beside the program, or installed); give "
                  "--config FILE");
        }
        return false;
    }
    std::u16string widePath;
    if (!Utf8PathToUtf16(path, widePath)) {
        error = Formatted(_("the path %s is not UTF-8"), path.c_str());
        return false;
    }
    // A reading leaves no read_echo.cfg behind: no transcription path.
    LoadStartupConfig(s, {widePath, u""}, trail, verbose, notices);
    if (!s.townApplied) {
        std::string lines = Cp1252ToUtf8(trail.str());
        lines.erase(lines.find_last_not_of('\n') + 1);
        error = Formatted(_("cannot use the configuration %s"), path.c_str()) + "\n" + lines;
        return false;
    }
    return true;
}

}  // namespace veloranth::cli
