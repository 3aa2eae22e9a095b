// The Today line's columns, made again only for a new date.
#include "today/today_line.h"

#include "engine/schedule.h"
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

std::u16string ComposeTodayLine(const PrayerTimes& adjusted, const FoundTimes& found,
                                const char16_t* townName) {
    std::u16string line;
    for (int kind : {Fajr, Zuhr, Asr, Maghrib, Isha}) {
        std::string text = ShownTime(adjusted, found, kind);
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
    day.line = ComposeTodayLine(computed.adjusted, computed.found, name);
    day.madeFor = today;
    return true;
}

void ForgetTodayLine(TodayItemDay& day) {
    day.madeFor = ObservationDate{};
}

}  // namespace veloranth
