// veloranth-cli: the day's prayer times, the Sun's position, the qibla, the next prayer or
// a calendar (HTML page, JSON, CSV, iCalendar) from data.cfg or for any place, on a Linux
// terminal. The day's texts are those of the main program's window.
#include <filesystem>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/answers.h"
#include "cli/choose_place.h"
#include "cli/config_lookup.h"
#include "cli/formats.h"
#include "cli/method.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place.h"
#include "cli/user_copy.h"
#include "engine/town_clock.h"
#include "platform/clock.h"
#include "reports/calendar.h"
#include "reports/prayer_report.h"
#include "reports/startup.h"
#include "reports/sun_report.h"
#include "zones/zones.h"

namespace veloranth::cli {
namespace {

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
        Warn("style.css could not be put beside the page");
    }
}

int WritePage(const MainState& s, const Options& o) {
    auto printPath = [](const std::u16string& page) { WriteUtf8(Utf16ToUtf8(page) + "\n"); };
    StringSink console;
    std::u16string folder;
    if (!FolderOf(o.outDir, folder)) {
        return Fail("the folder " + o.outDir + " is not a UTF-8 path");
    }
    bool written = o.monthPage ? WriteMonthCalendar(s, folder, console, printPath)
                               : WriteYearCalendar(s, folder, console, printPath);
    if (!written) {
        return Fail("the calendar page could not be written into " + o.outDir + "\n" +
                    Cp1252ToUtf8(console.str()));
    }
    EnsureStyleSheet(folder);
    return 0;
}

std::string ZoneList() {
    std::string text;
    for (std::size_t i = 0; i < zones::ZoneNameCount(); ++i) {
        text += std::string(zones::ZoneNameAt(i)) + "\n";
    }
    return text;
}

// The observation date and time: the town's own now, or what --date and --time say with
// the rest from it; and the instant they designate.
std::int64_t ReadTownClock(MainState& s, const Options& o, StringSink& trail) {
    const Place place = InputsOf(s);
    const std::int64_t now = platform::UtcNow();
    TownTime local = TownTimeAt(place, now);
    local.date = o.date.value_or(local.date);
    local.time = o.time.value_or(local.time);
    ReadStartupClock(
        s,
        [&local] {
            const ObservationDate& d = local.date;
            const ObservationTime& t = local.time;
            return platform::LocalDateTime{d.Year, d.Month, d.Day, t.Hour, t.Minute, t.Second, 0};
        },
        trail);
    return o.date || o.time ? InstantOf(place, local) : now;
}

// The answer asked for, about the chosen place.
int Answer(MainState& s, const Options& o, std::int64_t instant) {
    EncodedOutput out;
    std::string text;
    if (o.qibla) {
        text = QiblaAnswerText(s);
    } else if (o.next) {
        text = NextPrayerText(s, instant);
    } else if (o.format == Format::Json || o.format == Format::Csv || o.format == Format::Ics) {
        Span span = o.monthPage ? Span::Month : o.yearPage ? Span::Year : Span::Day;
        std::vector<PrayerDay> days = ComputeSpan(s, span);
        WriteBytes(o.format == Format::Json
                       ? JsonText(s, days, span == Span::Day, !DefinesOwnMethod(o))
                   : o.format == Format::Csv ? CsvText(days)
                                             : IcsText(s, days, platform::UtcNow()));
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
    WriteText(text);
    return 0;
}

int Run(const Options& o) {
    if (!o.addTown.empty() || !o.selectTown.empty()) {
        std::string report, error;
        if (!EditUserCopy(o, report, error)) {
            return Fail(error);
        }
        WriteUtf8(report);
        return 0;
    }
    std::string unreadable;
    std::string path = FindConfig(o.config, unreadable);
    if (path.empty()) {
        return Fail(!unreadable.empty() ? unreadable
                                        : "no data.cfg found (your copy, beside the program, or "
                                          "installed); give --config FILE");
    }
    std::u16string widePath;
    if (!Utf8PathToUtf16(path, widePath)) {
        return Fail("the path " + path + " is not UTF-8");
    }
    MainState s;
    StringSink trail;
    // A query leaves no read_echo.cfg behind: no transcription path.
    LoadStartupConfig(s, {widePath, u""}, trail, o.verbose);
    if (!s.townApplied) {
        std::string lines = Cp1252ToUtf8(trail.str());
        lines.erase(lines.find_last_not_of('\n') + 1);
        return Fail("cannot use the configuration " + path + "\n" + lines);
    }
    if (o.list || o.listConventions) {
        WriteText(o.list ? TownList(s.config) : ConventionListText(s.config));
        return 0;
    }
    std::string error;
    if (!ChoosePlace(s, o, error)) {
        return Fail(error);
    }
    const std::int64_t instant = ReadTownClock(s, o, trail);
    if (o.verbose) {
        WriteText(trail.str());
    }
    // The day, as the main window computes it at its start (the Sun report's heading names it).
    s.day = PrayerTimeReport(s, nullptr);
    return Answer(s, o, instant);
}

}  // namespace
}  // namespace veloranth::cli

int main(int argc, char** argv) {
    using namespace veloranth::cli;
    UseCp1252(AsksForCp1252(argc, argv));
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        return Finish(Fail(error));
    }
    int status = 0;
    if (options.help) {
        WriteBytes(UsageText());
    } else if (options.version) {
        WriteBytes(std::string("veloranth-cli " VELORANTH_VERSION "\ntz database ") +
                   veloranth::zones::TzDatabaseVersion() + "\n");
    } else if (options.listOptions) {
        WriteBytes(OptionListText());
    } else if (options.listZones) {
        WriteBytes(ZoneList());
    } else {
        status = Run(options);
    }
    return Finish(status);
}
