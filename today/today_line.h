// The Today item's line: today's Fajr, Zuhr, Asr, Maghrib and Isha and the town's name,
// recomputed only when the local date changes (or after a tap).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "config/model.h"
#include "engine/day.h"

namespace veloranth {

inline constexpr char16_t kTodayHeading[] = u"Fajr      Zuhr     Asr   Maghrib Isha   Ville";

// Each time cut to 5 characters and padded to 6, a blank after each, then at most 10
// characters of the name ("%-6.5s %-6.5s %-6.5s %-6.5s %-6.5s %0.10s").
std::u16string ComposeTodayLine(const PrayerTimes& shown, const FoundTimes& found,
                                const char16_t* townName);

// The item's line, the Hijri date of its day, and the date it was made for (0/0/0: none yet).
struct TodayItemDay {
    ObservationDate madeFor;
    std::u16string line;
    HijriDate hijri{};
};

// Brings `day.line` up to date for `today`; computes only when it was made for another
// date (or none), and then returns true.
bool UpdateTodayLine(TodayItemDay& day, const WideAppConfig& cfg, const ObservationDate& today);

// The next update makes the line again, whatever the date (a tap asks for it).
void ForgetTodayLine(TodayItemDay& day);

// The one font every line of the item is drawn in: the device's face, bold or regular, at a
// character height in pixels.
struct ItemFont {
    bool bold;
    int height;
};
// The width in pixels of a text drawn in a font.
using TextWidth = std::function<int(const std::u16string& text, const ItemFont& font)>;

// The first font in which every line fits `width`: bold at `height`, then regular, then a
// pixel lower at a time down to 80 % of `height`; the last of these when none fits.
ItemFont ChooseItemFont(const std::vector<std::u16string>& lines, int width, int height,
                        const TextWidth& measure);

// The Hijri line as it fits `width`: "27 Joumada ath-thania 1448", else the month's short
// name, else without the year; the shortest when none fits (it is then cut).
std::u16string FitHijriLine(const HijriDate& date, int width, const ItemFont& font,
                            const TextWidth& measure);

}  // namespace veloranth
