// The start of the main program: data.cfg into the state, the device clock into the
// observation date and time, each step announced on the given output.
#pragma once

#include <functional>
#include <string>

#include "config/read_notice.h"
#include "platform/clock.h"
#include "reports/main_state.h"

namespace veloranth {

class TextSink;

using Clock = std::function<platform::LocalDateTime()>;

// Where the configuration is read from; an empty echo path writes no transcription.
struct ConfigLocation {
    std::u16string config;
    std::u16string echo;
};
ConfigLocation BesideModule(const std::u16string& folder);

// Verbose is 1 while data.cfg is read, then the file's value for the trail, and 0 after it.
// `verbose` shows the configuration's diagnostic lines even when data.cfg says Verbose 0
// (a command line asking for them; the file's header line would silence them otherwise).
void StartupLoad(MainState& state, const ConfigLocation& where, const Clock& clock, TextSink& out,
                 bool verbose = false);
// Its two halves, data.cfg then the clock, for a caller that chooses the place in between
// (the command line reads the chosen town's clock).
// The reader's notices are also told to `notices` when given.
void LoadStartupConfig(MainState& state, const ConfigLocation& where, TextSink& out,
                       bool verbose = false, ReadReporter* notices = nullptr);
void ReadStartupClock(MainState& state, const Clock& clock, TextSink& out);
void ReadSystemDate(MainState& state, const Clock& clock, TextSink& out);
void ReadSystemTime(MainState& state, const Clock& clock, TextSink& out);

// Whether `date` is the clock's day.
bool IsClockDay(const ObservationDate& date, const platform::LocalDateTime& now);

// Called every second: once the device's day has moved on while the state follows it,
// the device's date and time become the observation date and time, as at start, and the
// day's times and summary are computed again. True when the day moved.
bool FollowTheDay(MainState& state, const Clock& clock);

}  // namespace veloranth
