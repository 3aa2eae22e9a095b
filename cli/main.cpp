// veloranth-cli: the day's prayer times, the Sun's position or a calendar page from
// data.cfg, on a Linux terminal. The texts are those of the main program's window.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/options.h"
#include "base/codepage.h"
#include "config/config_path.h"
#include "base/text_sink.h"
#include "platform/module.h"
#include "reports/calendar.h"
#include "reports/prayer_report.h"
#include "reports/startup.h"
#include "reports/sun_report.h"
#include "zones/zones.h"

namespace veloranth::cli {
namespace {

// The program's 8-bit texts on a stream, as UTF-8 unless raw Windows-1252 was asked for.
class EncodedOutput : public TextSink {
  public:
    EncodedOutput(std::FILE* stream, bool raw) : stream_(stream), raw_(raw) {}
    void Write(const char* text, std::size_t length) override {
        std::string bytes(text, length);
        if (!raw_) {
            bytes = Cp1252ToUtf8(bytes);
        }
        std::fwrite(bytes.data(), 1, bytes.size(), stream_);
    }

  private:
    std::FILE* stream_;
    bool raw_;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "veloranth-cli: %s\n", message.c_str());
    return 2;
}

// The pages' folder as an absolute path with its separator, so the printed path can be
// used from anywhere.
std::u16string FolderOf(const std::string& dir) {
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(dir.empty() ? "." : dir, ignored);
    std::u16string folder = Utf8ToUtf16(absolute.lexically_normal().string());
    if (folder.empty() || folder.back() != u'/') {
        folder += u'/';
    }
    return folder;
}

int Run(const Options& o) {
    EncodedOutput out(stdout, o.cp1252);
    EncodedOutput err(stderr, o.cp1252);

    ConfigLocation where{o.config.empty() ? ConfigPath(platform::ModuleFolder(), kConfigFileName)
                                          : Utf8ToUtf16(o.config),
                         u""};  // a query leaves no read_echo.cfg behind
    Clock clock = [&o] {
        platform::LocalDateTime now = platform::LocalTime();
        if (o.hasDate) {
            now.day = o.day, now.month = o.month, now.year = o.year;
        }
        if (o.hasTime) {
            now.hour = o.hour, now.minute = o.minute, now.second = o.second;
        }
        return now;
    };

    MainState s;
    StringSink trail;
    StartupLoad(s, where, clock, trail);
    if (!s.townApplied) {
        err.Write(trail.str().data(), trail.str().size());
        if (!trail.str().empty() && trail.str().back() != '\n') {
            err.Write("\n", 1);
        }
        return Fail("cannot use the configuration " + Utf16ToUtf8(where.config));
    }
    if (o.town >= 0) {
        if (o.town >= s.config.NumberOfTowns) {
            return Fail("no town " + std::to_string(o.town) + ": the table has " +
                        std::to_string(s.config.NumberOfTowns) + " towns (0 to " +
                        std::to_string(s.config.NumberOfTowns - 1) + ")");
        }
        s.config.TownSelected = o.town;
        ApplySelectedTown(s.config);
    }
    if (o.verbose) {
        out.Write(trail.str().data(), trail.str().size());
    }
    // As the main window does at its start: the day's schedule, silently, so that what
    // follows (the Sun report's weekday among others) starts from the same records.
    s.config.Verbose = 0;
    PrayerTimeReport(s, out);
    s.config.Verbose = o.verbose ? 1 : 0;

    if (o.monthPage || o.yearPage) {
        auto printPath = [](const std::u16string& page) {
            std::printf("%s\n", Utf16ToUtf8(page).c_str());
        };
        StringSink console;
        bool written = o.monthPage ? WriteMonthCalendar(s, FolderOf(o.outDir), console, printPath)
                                   : WriteYearCalendar(s, FolderOf(o.outDir), console, printPath);
        if (!written) {
            err.Write(console.str().data(), console.str().size());
            return Fail("the calendar page could not be written into " + o.outDir);
        }
        return 0;
    }
    std::string text;
    if (o.sun) {
        text = SunBoxText(s, out);
    } else {
        if (o.verbose) {
            PrayerTimeReport(s, out);
        }
        text = PrayerTimeBoxText(s, out);
    }
    out.Write(text.data(), text.size());
    return 0;
}

}  // namespace
}  // namespace veloranth::cli

int main(int argc, char** argv) {
    using namespace veloranth::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    Options options;
    std::string error;
    if (!ParseOptions(args, options, error)) {
        std::fprintf(stderr, "veloranth-cli: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("veloranth-cli %s (tz database %s)\n", VELORANTH_VERSION,
                    veloranth::zones::TzDatabaseVersion());
        return 0;
    }
    int status = Run(options);
    std::fflush(stdout);
    return std::ferror(stdout) ? 2 : status;
}
