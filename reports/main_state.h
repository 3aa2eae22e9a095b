// The main program's process-wide records: its configuration, the observation date and
// time, the day the window shows, and the summary it paints. One instance lives for the
// program's whole life.
#pragma once

#include <string>

#include "config/model.h"
#include "engine/day.h"

namespace veloranth {

struct MainState {
    MainState() = default;
    MainState(const MainState&) = delete;
    MainState& operator=(const MainState&) = delete;
    ~MainState();  // releases the town table

    AppConfig config;
    ObservationDate date;  // the observation date and time, local clock
    ObservationTime time;
    // The observation date's times as the window shows them; its reminders compare the
    // clock with them. Computed at start, at midnight and when the date or town is chosen.
    PrayerDay day;
    // The Current fields describe a real town: data.cfg was read, or a town was chosen
    // in the configuration dialog. Nothing that needs a town runs without it.
    bool townApplied = false;
    // The observation date is the device's day, and moves with it at midnight, until the
    // configuration dialog chooses another date.
    bool followsDay = true;
    std::u16string configPath;      // data.cfg, for the messages that name it
    std::u16string DaySummaryText;  // at most 400 characters
};

// What the engine reads of the state: the selected place and its convention.
inline DayInputs InputsOf(const MainState& s) {
    return EngineInputs(s.config);
}

}  // namespace veloranth
