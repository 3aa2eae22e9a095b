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
#include "cli/local_times.h"
#include "cli/method.h"
#include "cli/notices.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/place.h"
#include "cli/translation.h"
#include "cli/user_copy.h"
#include "engine/town_clock.h"
#include "platform/clock.h"
#include "reports/calendar.h"
#include "reports/french_names.h"
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
        Warn(_("style.css could not be put beside the page"));
    }
}

int WritePage(const MainState& s, const Options& o) {
    auto printPath = [](const std::u16string& page) { WriteUtf8(Utf16ToUtf8(page) + "\n"); };
    StringSink console;
    std::u16string folder;
    if (!FolderOf(o.outDir, folder)) {
        return Fail(Formatted(_("the folder %s is not a UTF-8 path"), o.outDir.c_str()));
    }
    bool written = o.monthPage  ? WriteMonthCalendar(s, folder, console, printPath)
                   : o.yearPage ? WriteYearCalendar(s, folder, console, printPath)
                                : WriteRamadanCalendar(s, folder, console, printPath);
    if (!written) {
        return Fail(
            Formatted(_("the calendar page could not be written into %s"), o.outDir.c_str()) +
            "\n" + Cp1252ToUtf8(console.str()));
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
    } else if (o.next && o.format == Format::Json) {
        WriteBytes(NextPrayerJson(s, FindNextPrayer(s, instant)));
        return 0;
    } else if (o.next) {
        text = o.shortLine ? NextPrayerLine(FindNextPrayer(s, instant)) + "\n"
                           : NextPrayerText(s, instant);
    } else if (o.holyDays && !o.monthPage && !o.yearPage) {
        const std::string holyDays = HolyDaysText(s, o.format, platform::UtcNow());
        o.format == Format::Text || o.format == Format::Default ? WriteText(holyDays)
                                                                : WriteBytes(holyDays);
        return 0;
    } else if (o.format == Format::Json || o.format == Format::Csv || o.format == Format::Ics) {
        Span span = o.monthPage     ? Span::Month
                    : o.yearPage    ? Span::Year
                    : o.ramadanPage ? Span::Ramadan
                                    : Span::Day;
        std::vector<PrayerDay> days = ComputeSpan(s, span);
        WriteBytes(o.format == Format::Json
                       ? JsonText(s, days, span == Span::Day, !DefinesOwnMethod(o))
                   : o.format == Format::Csv
                       ? CsvText(days)
                       : IcsText(s, days, {platform::UtcNow(), o.alarmMinutes, o.holyDays}));
        return 0;
    } else if (o.monthPage || o.yearPage || o.ramadanPage) {
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

// A Hijri --date becomes the civil day by the adjustment in force: --hijri-adjust's, wherever
// it stands, or the file's.
bool ResolveHijriDate(const MainState& s, Options& o, std::string& error) {
    std::int64_t days = 0;
    if (!o.hijriDate) {
        return true;
    }
    const HijriDate& h = *o.hijriDate;
    if (!DaysFromHijri(h, s.config.HijriAdjustment, days)) {
        const std::string date = Cp1252ToUtf8(HijriDateText(h));
        error = h.day == 30 ? Formatted(_("there is no %s: %s %d has 29 days"), date.c_str(),
                                        Cp1252ToUtf8(HijriMonthName(h.month)).c_str(), h.year)
                            : Formatted(_("there is no %s in the calendar"), date.c_str());
        return false;
    }
    const ObservationDate date = DateOfDays(days);
    if (date.Year < 1583 || date.Year > 9999) {
        error = Formatted(_("the Hijri date %sH falls outside the years 1583 to 9999"),
                          HijriIsoText(h).c_str());
        return false;
    }
    o.date = date;
    return true;
}

int Run(Options o) {
    if (!o.addTown.empty() || !o.selectTown.empty()) {
        std::string report, error;
        if (!EditUserCopy(o, report, error)) {
            return Fail(error);
        }
        WriteUtf8(report);
        return 0;
    }
    MainState s;
    StringSink trail;
    std::string path, error;
    ConfigNotices notices;
    const bool read = ReadConfiguration(o.config, o.verbose, s, trail, path, error, &notices);
    notices.Warn(path);  // a line not used changes the times: always said
    if (!read) {
        return Fail(error);
    }
    if (o.list || o.listConventions || o.nearLat) {
        WriteText(o.list      ? TownList(s.config)
                  : o.nearLat ? NearTownsText(s.config, *o.nearLat, *o.nearLon)
                              : ConventionListText(s.config));
        return 0;
    }
    if (!ChoosePlace(s, o, error) || !ResolveHijriDate(s, o, error)) {
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
    UseUserLanguage();
    UseCp1252(AsksForCp1252(argc, argv));
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        return Finish(Fail(error));
    }
    int status = 0;
    if (options.help) {
        WriteUtf8(UsageText());
    } else if (options.version) {
        WriteUtf8(std::string("veloranth-cli " VELORANTH_VERSION "\n") +
                  Formatted(_("tz database %s"), veloranth::zones::TzDatabaseVersion()) + "\n");
    } else if (options.listOptions) {
        WriteBytes(OptionListText());
    } else if (options.listZones) {
        WriteBytes(ZoneList());
    } else {
        status = Run(options);
    }
    return Finish(status);
}
