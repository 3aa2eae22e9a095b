// The start-up trail. Nothing is read from a keyboard: the prompts only say that the
// device clock is used, as they always have.
#include "reports/startup.h"

#include "config/config_path.h"
#include "reports/prayer_report.h"
#include "config/parser.h"
#include "config/reader.h"
#include "base/text_sink.h"

namespace veloranth {

MainState::~MainState() {
    ReleaseTownTable(config, HeapTownAllocator());
}

ConfigLocation BesideModule(const std::u16string& folder) {
    return {ConfigPath(folder, kConfigFileName), ConfigPath(folder, kEchoFileName)};
}

void StartupLoad(MainState& state, const ConfigLocation& where, const Clock& clock, TextSink& out,
                 bool verbose) {
    LoadStartupConfig(state, where, out, verbose);
    ReadStartupClock(state, clock, out);
}

void LoadStartupConfig(MainState& state, const ConfigLocation& where, TextSink& out, bool verbose,
                       ReadReporter* notices) {
    state.config.Verbose = 1;  // the header line of data.cfg replaces it
    state.configPath = where.config;
    state.townApplied =
        ReadConfigFile(where.config, where.echo, state.config, out, notices) == kReadOk;
    if (verbose && state.townApplied && state.config.Verbose == 0) {
        PrintCurrentPlace(state.config, out);
    }
    // The Verbose column governs the reading and the start-up trail only; the trail's
    // clock lines print whatever it says.
    state.config.Verbose = 0;
}

void ReadStartupClock(MainState& state, const Clock& clock, TextSink& out) {
    Print(&out, "Recup\xE8re la date du syst\xE8me ?\n");
    ReadSystemDate(state, clock, out);
    ReadSystemTime(state, clock, out);
    const ObservationDate& d = state.date;
    Print(&out, "Date : %d/%d/%d\n", d.Day, d.Month, d.Year);
}

void ReadSystemDate(MainState& state, const Clock& clock, TextSink& out) {
    const platform::LocalDateTime now = clock();
    const ObservationDate& d = state.date = {now.day, now.month, now.year};
    Print(&out, "Entrez la date d'observation (d/m/a)\nDate saisie : %d/%d/%d)\n", d.Day, d.Month,
          d.Year);
}

void ReadSystemTime(MainState& state, const Clock& clock, TextSink& out) {
    const platform::LocalDateTime now = clock();
    const ObservationTime& t = state.time = {now.hour, now.minute, now.second};
    Print(&out, "Entrez l'heure d'observation (h/m/s)\nDate saisie : %d/%d/%d\n", t.Hour, t.Minute,
          t.Second);
}

bool IsClockDay(const ObservationDate& date, const platform::LocalDateTime& now) {
    return date.Day == now.day && date.Month == now.month && date.Year == now.year;
}

bool FollowTheDay(MainState& state, const Clock& clock) {
    if (!state.followsDay) {
        return false;
    }
    platform::LocalDateTime now = clock();
    if (IsClockDay(state.date, now)) {
        return false;
    }
    state.date = {now.day, now.month, now.year};
    state.time = {now.hour, now.minute, now.second};
    BuildDaySummary(state);
    return true;
}

}  // namespace veloranth
