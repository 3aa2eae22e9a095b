// veloranth-cli: the day's prayer times, the Sun's position, the qibla, the next prayer or
// a calendar (HTML page, JSON, CSV, iCalendar) from data.cfg or for any place, on a Linux
// terminal. The day's texts are those of the main program's window.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/answers.h"
#include "cli/config_lookup.h"
#include "cli/formats.h"
#include "cli/options.h"
#include "cli/place.h"
#include "cli/user_copy.h"
#include "reports/calendar.h"
#include "reports/prayer_report.h"
#include "reports/startup.h"
#include "reports/sun_report.h"
#include "zones/zones.h"

namespace veloranth::cli {
namespace {

// Standard output, remembering the first write error so that it is reported, not lost.
int gWriteError = 0;

void WriteOut(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && gWriteError == 0) {
        gWriteError = errno != 0 ? errno : EIO;
    }
}

// The program's 8-bit texts on standard output, as UTF-8 unless raw Windows-1252 was asked for.
class EncodedOutput : public TextSink {
  public:
    explicit EncodedOutput(bool raw) : raw_(raw) {}
    void Write(const char* text, std::size_t length) override {
        std::string bytes(text, length);
        WriteOut(raw_ ? bytes : Cp1252ToUtf8(bytes));
    }

  private:
    bool raw_;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "veloranth-cli: %s\n", message.c_str());
    return 2;
}

// The pages' folder as an absolute path with its separator, so the printed path can be
// used from anywhere; false for a path that is not UTF-8.
bool FolderOf(const std::string& dir, std::u16string& folder) {
    std::error_code ignored;
    std::filesystem::path absolute = std::filesystem::absolute(dir.empty() ? "." : dir, ignored);
    if (!Utf8PathToUtf16(absolute.lexically_normal().string(), folder)) {
        return false;
    }
    if (folder.empty() || folder.back() != u'/') {
        folder += u'/';
    }
    return true;
}

// The pages link style.css beside them: copy the shipped one there when it is missing.
void EnsureStyleSheet(const std::u16string& folder) {
    std::filesystem::path target = Utf16ToUtf8(folder) + "style.css";
    std::error_code error;
    if (std::filesystem::exists(target, error)) {
        return;
    }
    std::string source = ShippedFile("style.css");
    if (source.empty() || !std::filesystem::copy_file(source, target, error)) {
        std::fprintf(stderr,
                     "veloranth-cli: warning: style.css could not be put beside the page\n");
    }
}

int WritePage(const MainState& s, const Options& o) {
    auto printPath = [](const std::u16string& page) { WriteOut(Utf16ToUtf8(page) + "\n"); };
    StringSink console;
    std::u16string folder;
    if (!FolderOf(o.outDir, folder)) {
        return Fail("the folder " + o.outDir + " is not a UTF-8 path");
    }
    bool written = o.monthPage ? WriteMonthCalendar(s, folder, console, printPath)
                               : WriteYearCalendar(s, folder, console, printPath);
    if (!written) {
        return Fail(Cp1252ToUtf8(console.str()) + "the calendar page could not be written into " +
                    o.outDir);
    }
    EnsureStyleSheet(folder);
    return 0;
}

// The community settings given on the command line, into the chosen convention (this run's
// copy of the file).
void ApplyCommunityOptions(const Options& o, AppConfig& cfg) {
    const int index = cfg.CurrentConvention;
    if (index < 0 || index >= kConventionCount) {
        return;
    }
    Convention& k = cfg.Conventions[index];
    k.MaghribTwilightAngle = o.maghribAngle >= 0 ? o.maghribAngle : k.MaghribTwilightAngle;
    k.ImsakMinutes = o.imsak >= 0 ? o.imsak : k.ImsakMinutes;
    k.JafariMidnight = o.midnight >= 0 ? o.midnight == 1 : k.JafariMidnight;
    k.RamadanIshaMinutes = o.ramadanIsha >= 0 ? o.ramadanIsha : k.RamadanIshaMinutes;
    k.SeasonalTwilight = o.seasonal >= 0 ? o.seasonal : k.SeasonalTwilight;
}

// Selects the place of this run (nothing is written back): a town of the table, or one
// made from --lat/--lon, with --zone and --convention applied on top.
bool ChoosePlace(MainState& s, const Options& o, std::string& error) {
    AppConfig& cfg = s.config;
    if (o.hasLat) {
        Town place;
        std::snprintf(place.Country, kNameSize, "Lieu");
        std::snprintf(place.Name, kNameSize, "%s", PlaceName(o.lat, o.lon).c_str());
        place.latitude = o.lat, place.longitude = o.lon;
        place.Convention = 0;
        if (!AppendTown(cfg, place)) {
            error = "out of memory";
            return false;
        }
        cfg.TownSelected = cfg.NumberOfTowns - 1;
    } else if (!o.town.empty() && !FindTown(cfg, o.town, cfg.TownSelected, error)) {
        return false;
    }
    if (o.hijri) {
        cfg.HijriShown = true;
    }
    if (o.hasHijriAdjust) {
        cfg.HijriAdjustment = o.hijriAdjust;
    }
    Town& town = *cfg.TownTable[cfg.TownSelected];
    if (!o.zone.empty() && !ApplyZone(o.zone, 0, town, error)) {
        return false;
    }
    if (o.convention >= 0) {
        if (!CheckConvention(o.convention, error)) {
            return false;
        }
        town.Convention = o.convention;
    }
    ApplySelectedTown(cfg);
    ApplyCommunityOptions(o, cfg);
    return true;
}

int Run(const Options& o) {
    if (!o.addTown.empty() || !o.selectTown.empty()) {
        std::string report, error;
        if (!EditUserCopy(o, report, error)) {
            return Fail(error);
        }
        WriteOut(report);
        return 0;
    }
    std::string unreadable;
    std::string path = FindConfig(o.config, unreadable);
    if (path.empty()) {
        return Fail(!unreadable.empty() ? unreadable
                                        : "no data.cfg found (your copy, beside the program, or "
                                          "installed); give --config FILE");
    }
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

    std::u16string widePath;
    if (!Utf8PathToUtf16(path, widePath)) {
        return Fail("the path " + path + " is not UTF-8");
    }
    EncodedOutput out(o.cp1252);
    MainState s;
    StringSink trail;
    // A query leaves no read_echo.cfg behind: no transcription path.
    StartupLoad(s, {widePath, u""}, clock, trail, o.verbose);
    if (!s.townApplied) {
        std::string lines = Cp1252ToUtf8(trail.str());
        std::fprintf(stderr, "%s%s", lines.c_str(),
                     !lines.empty() && lines.back() != '\n' ? "\n" : "");
        return Fail("cannot use the configuration " + path);
    }
    if (o.list) {
        out.Write(TownList(s.config).data(), TownList(s.config).size());
        return 0;
    }
    std::string error;
    if (!ChoosePlace(s, o, error)) {
        return Fail(error);
    }
    if (o.verbose) {
        out.Write(trail.str().data(), trail.str().size());
    }
    // The day, as the main window computes it at its start (the Sun report's heading names it).
    s.day = PrayerTimeReport(s, nullptr);

    std::string text;
    if (o.qibla) {
        text = QiblaAnswerText(s);
    } else if (o.next) {
        text = NextPrayerText(s);
    } else if (o.format == Format::Json || o.format == Format::Csv || o.format == Format::Ics) {
        Span span = o.monthPage ? Span::Month : o.yearPage ? Span::Year : Span::Day;
        std::vector<PrayerDay> days = ComputeSpan(s, span);
        // Structured outputs are UTF-8 whatever --cp1252 says: their formats require it.
        WriteOut(o.format == Format::Json  ? JsonText(s, days, span == Span::Day)
                 : o.format == Format::Csv ? CsvText(days)
                                           : IcsText(s, days, std::time(nullptr)));
        return 0;
    } else if (o.monthPage || o.yearPage) {
        return WritePage(s, o);
    } else if (o.sun) {
        text = SunBoxText(s, o.verbose ? &out : nullptr);
    } else {
        if (o.verbose) {
            PrayerTimeReport(s, &out);
        }
        text = PrayerTimeBoxText(s);
        if (o.allTimes) {
            text += AllTimesText(s);
        }
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
    int status = 0;
    if (!ParseOptions(args, options, error)) {
        return Fail(error + "; see --help");
    }
    if (options.help) {
        WriteOut(kUsage);
    } else if (options.version) {
        WriteOut(std::string("veloranth-cli " VELORANTH_VERSION "\ntz database ") +
                 veloranth::zones::TzDatabaseVersion() + "\n");
    } else {
        status = Run(options);
    }
    if (std::fflush(stdout) != 0 && gWriteError == 0) {
        gWriteError = errno != 0 ? errno : EIO;
    }
    if (gWriteError != 0) {
        return Fail(std::string("cannot write the output: ") + std::strerror(gWriteError));
    }
    return status;
}
