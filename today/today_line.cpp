// The Today line's columns, made again only for a new date.
#include "today/today_line.h"

#include "base/codepage.h"
#include "engine/schedule.h"
#include "reports/french_names.h"
#include "engine/shown_time.h"

namespace veloranth {

namespace {

// "%-W.Ps" of an ASCII or UTF-16 text.
void AppendColumn(std::u16string& out, const std::u16string& text, std::size_t precision,
                  std::size_t width) {
    std::u16string cut = text.substr(0, precision);
    out += cut;
    if (cut.size() < width) {
        out.append(width - cut.size(), u' ');
    }
}

}  // namespace

std::u16string ComposeTodayLine(const PrayerTimes& shown, const FoundTimes& found,
                                const char16_t* townName) {
    std::u16string line;
    for (int kind : {Fajr, Zuhr, Asr, Maghrib, Isha}) {
        std::string text = ShownTime(shown, found, kind);
        AppendColumn(line, std::u16string(text.begin(), text.end()), 5, 6);
        line += u' ';
    }
    AppendColumn(line, townName, 10, 0);
    return line;
}

bool UpdateTodayLine(TodayItemDay& day, const WideAppConfig& cfg, const ObservationDate& today) {
    const ObservationDate& d = day.madeFor;
    if (d.Day == today.Day && d.Month == today.Month && d.Year == today.Year) {
        return false;
    }
    const PrayerDay computed = ComputeDaySchedule(EngineInputs(cfg), today);
    const char16_t* name = cfg.HasSelectedTown() ? cfg.SelectedTown().Name : u"";
    day.line = ComposeTodayLine(computed.shown, computed.found, name);
    day.hijri = computed.hijri;
    day.madeFor = today;
    return true;
}

void ForgetTodayLine(TodayItemDay& day) {
    day.madeFor = ObservationDate{};
}

ItemFont ChooseItemFont(const std::vector<std::u16string>& lines, int width, int height,
                        const TextWidth& measure) {
    auto fits = [&](const ItemFont& font) {
        for (const std::u16string& line : lines) {
            if (measure(line, font) > width) {
                return false;
            }
        }
        return true;
    };
    ItemFont font{true, height};
    if (fits(font)) {
        return font;
    }
    const int lowest = (height * 4 + 4) / 5;  // 80 %, rounded up: never below it
    for (font.bold = false; font.height > lowest && !fits(font); --font.height) {
    }
    return font;
}

std::u16string FitHijriLine(const HijriDate& date, int width, const ItemFont& font,
                            const TextWidth& measure) {
    const std::string day = std::to_string(date.day) + " ";
    const std::string year = " " + std::to_string(date.year);
    const std::string forms[] = {day + HijriMonthName(date.month) + year,
                                 day + HijriMonthShortName(date.month) + year,
                                 day + HijriMonthShortName(date.month)};
    for (const std::string& form : forms) {
        if (measure(Cp1252ToUtf16(form), font) <= width) {
            return Cp1252ToUtf16(form);
        }
    }
    return Cp1252ToUtf16(forms[2]);
}

}  // namespace veloranth
