// The state file, written as a new file renamed over the old, so a crash leaves one whole.
#include "notify/last_notified.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "notify/schedule.h"
#include "platform/files.h"

namespace veloranth::notify {

std::string LastNotifiedPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    // The XDG rule: a relative value is ignored.
    if (state != nullptr && state[0] == '/') {
        return std::string(state) + "/veloranth/notified";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.local/state/veloranth/notified";
    }
    return {};
}

std::int64_t ReadLastNotified(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        return kNothingYet;
    }
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char zone = 0;
    const bool read = std::fscanf(f, "%d-%d-%dT%d:%d:%d%c", &y, &mo, &d, &h, &mi, &s, &zone) == 7;
    std::fclose(f);
    if (!read || zone != 'Z' || mo < 1 || mo > 12 || d < 1 || d > 31) {
        return kNothingYet;
    }
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

bool WriteLastNotified(const std::string& path, std::int64_t instant, std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
    const std::int64_t days = instant >= 0 ? instant / 86400 : -((86399 - instant) / 86400);
    const std::int64_t second = instant - days * 86400;
    const CivilDate date = CivilFromDays(days);
    std::u16string target = Utf8ToUtf16(path), written;
    std::FILE* f = platform::CreateUniqueFile(target + u".tmp-", written);
    bool ok =
        f != nullptr &&
        std::fprintf(f, "%04lld-%02d-%02dT%02d:%02d:%02dZ\n", static_cast<long long>(date.year),
                     date.month, date.day, static_cast<int>(second / 3600),
                     static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)) > 0;
    ok = f != nullptr && std::fclose(f) == 0 && ok;
    if (!ok || !platform::MoveFileOver(written, target)) {
        error = platform::LastErrorText();
        if (!written.empty()) {
            platform::RemoveFile(written);
        }
        return false;
    }
    return true;
}

}  // namespace veloranth::notify
