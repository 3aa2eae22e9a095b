// The main program's process-wide records: its configuration, the computation records,
// and the summary the window paints. One instance lives for the program's whole life.
#pragma once

#include <string>

#include "config/model.h"
#include "engine/day.h"

namespace veloranth {

class TextSink;

struct MainState {
    MainState() = default;
    MainState(const MainState&) = delete;
    MainState& operator=(const MainState&) = delete;
    ~MainState();  // releases the town table

    AppConfig config;
    EngineState engine;
    // The Current fields describe a real town: data.cfg was read, or a town was chosen
    // in the configuration dialog. Nothing that needs a town runs without it.
    bool townApplied = false;
    // The observation date is the device's day, and moves with it at midnight, until the
    // configuration dialog chooses another date.
    bool followsDay = true;
    std::u16string configPath;      // data.cfg, for the messages that name it
    std::u16string DaySummaryText;  // at most 400 characters
};

// What the engine reads of the state, with the trace going to `trace` (null: silent).
inline DayInputs InputsOf(const MainState& s, TextSink* trace) {
    return EngineInputs(s.config, trace);
}

}  // namespace veloranth
