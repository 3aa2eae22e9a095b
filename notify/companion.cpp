// The companion's wakes. Times come from the town's own clock, as veloranth-cli's do.
#include "notify/companion.h"

#include <cstdio>
#include <filesystem>

#include "base/codepage.h"
#include "cli/config_lookup.h"
#include "cli/local_times.h"
#include "cli/method.h"
#include "engine/town_clock.h"
#include "cli/translation.h"
#include "notify/last_notified.h"
#include "platform/call_player.h"
#include "platform/desktop_bus.h"
#include "platform/files.h"

namespace veloranth::notify {
namespace {

std::string Summary(const Event& e) {
    const char* name = kSalatNames[e.prayer];
    switch (e.kind) {
        case EventKind::Imsak:
            return cli::Formatted(_("Imsak at %s: the fast begins"), e.clock.c_str());
        case EventKind::Reminder: {
            const int minutes = static_cast<int>((e.shown - e.at) / 60);
            return cli::Formatted(ngettext("%s in %d minute (%s)", "%s in %d minutes (%s)",
                                           static_cast<unsigned long>(minutes)),
                                  name, minutes, e.clock.c_str());
        }
        case EventKind::Prayer:
            break;
    }
    return cli::Formatted(_("%s at %s"), name, e.clock.c_str());
}

// The call's file: the user's own that line 10 names, looked for in their configuration
// folder and then beside the shipped data, or else the built-in tone; empty when line 10
// turns the call off.
std::string CallFile(const AppConfig& cfg) {
    if (cfg.Call == kCallOff) {
        return {};
    }
    if (cfg.Call == kCallFile && cfg.SoundFile[0] != '\0') {
        const std::string name = Cp1252ToUtf8(cfg.SoundFile);
        const std::string own =
            std::filesystem::path(cli::UserConfigPath()).parent_path().string() + "/" + name;
        if (cli::FileExists(own)) {
            return own;
        }
        if (std::string shipped = cli::ShippedFile(name); !shipped.empty()) {
            return shipped;
        }
        Log(cli::Formatted(_("no sound file %s in %s or beside the shipped data: the tone plays"),
                           name.c_str(), std::filesystem::path(own).parent_path().c_str()));
    }
    return cli::ShippedFile("call_tone.wav");
}

}  // namespace

void Log(const std::string& text) {
    std::fprintf(stderr, "veloranth-notify: %s\n", text.c_str());
    std::fflush(stderr);
}

Companion::Companion(Settings settings)
    : settings_(std::move(settings)), stateFile_(LastNotifiedPath()) {
    last_ = stateFile_.empty() ? kNothingYet : ReadLastNotified(stateFile_);
}

void Companion::Reload() {
    auto state = std::make_unique<MainState>();
    StringSink trail;
    std::string path, error;
    std::vector<std::string> watched;
    if (settings_.config.empty()) {
        watched.push_back(cli::UserConfigPath());
    }
    bool read = cli::ReadConfiguration(settings_.config, false, *state, trail, path, error) &&
                cli::CheckConvention(state->config, state->config.CurrentConvention, error);
    if (!path.empty()) {
        watched.push_back(path);
        watched.push_back(Utf16ToUtf8(platform::FinalPath(Utf8ToUtf16(path))));
    }
    platform::WatchFiles(watched);
    if (!read) {
        // Keep what was read before, if anything: a file being edited may be incomplete.
        Log(cli::Formatted(_("cannot use data.cfg: %s"), error.c_str()));
        return;
    }
    const Town& town = state->config.SelectedTown();
    Log(cli::Formatted(_("the prayers of %s, %s from %s"), Cp1252ToUtf8(town.Name).c_str(),
                       Cp1252ToUtf8(town.Country).c_str(), path.c_str()));
    state_ = std::move(state);
}

void Companion::OnWake(platform::WakeReason reason) {
    using platform::WakeReason;
    if (reason == WakeReason::Started || reason == WakeReason::FilesChanged) {
        Reload();
    }
    if (state_ == nullptr) {
        return;  // until data.cfg changes
    }
    const std::int64_t nowMs = platform::RealTimeMilliseconds();
    const std::int64_t now = nowMs >= 0 ? nowMs / 1000 : -((999 - nowMs) / 1000);
    const DayInputs in = InputsOf(*state_);
    const ObservationDate today = TownTimeAt(in, now).date;
    const Plan plan = PlanAt(EventsAround(in, today, settings_.beforeMinutes), now, last_,
                             reason == WakeReason::Deadline);
    for (const Due& due : plan.notify) {
        Notify(due);
    }
    if (plan.last != last_ && !stateFile_.empty()) {
        std::string error;
        if (!WriteLastNotified(stateFile_, plan.last, error)) {
            Log(cli::Formatted(_("cannot keep what was notified in %s: %s"), stateFile_.c_str(),
                               error.c_str()));
        }
    }
    last_ = plan.last;
    // The next event, or at the latest the town's next midnight, when the days move on.
    const TownTime clock = TownTimeAt(in, now);
    const std::int64_t sinceMidnight =
        clock.time.Hour * 3600 + clock.time.Minute * 60 + clock.time.Second;
    std::int64_t next = now + 86400 - sinceMidnight;
    if (plan.next != 0 && plan.next < next) {
        next = plan.next;
    }
    platform::WakeAfter(next * 1000 - nowMs);
}

void Companion::Notify(const Due& due) {
    const Town& town = state_->config.SelectedTown();
    const std::string file = settings_.sound && due.call ? CallFile(state_->config) : "";
    platform::DesktopNotification n;
    n.summary = Summary(due.event);
    n.body = Cp1252ToUtf8(town.Name) + ", " + Cp1252ToUtf8(town.Country);
    n.stopLabel = file.empty() ? "" : _("Stop the call");
    Log(cli::Formatted(_("notified: %s"), n.summary.c_str()));
    platform::ShowNotification(n, [](const std::string& error) {
        Log(cli::Formatted(_("cannot show the notification: %s"), error.c_str()));
    });
    if (!file.empty()) {
        Call(file, file != cli::ShippedFile("call_tone.wav"));
    }
}

void Companion::Call(const std::string& path, bool toneIfItFails) {
    platform::PlaySoundFile(
        path, settings_.audioSink, [this, path, toneIfItFails](const auto& outcome) {
            if (outcome.stopped) {
                Log(cli::Formatted(_("the call stopped after %.1f s"), outcome.seconds));
            } else if (outcome.played) {
                Log(cli::Formatted(_("the call played: %s (%.1f s)"), path.c_str(),
                                   outcome.seconds));
            } else {
                // No sound device is no error worth a retry; a file that does not decode gives way
                // to the tone.
                Log(cli::Formatted(_("the call cannot play %s: %s"), path.c_str(),
                                   outcome.error.c_str()));
                const std::string tone = cli::ShippedFile("call_tone.wav");
                if (toneIfItFails && !tone.empty()) {
                    Call(tone, false);
                }
            }
        });
}

}  // namespace veloranth::notify
