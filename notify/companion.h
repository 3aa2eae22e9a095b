// The desktop companion's state and what it does at each wake: data.cfg read again when it
// changed, the events due notified (with the call when one is on time), what was notified
// kept, and the next deadline armed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "notify/schedule.h"
#include "platform/wake_loop.h"
#include "reports/main_state.h"

namespace veloranth::notify {

struct Settings {
    std::string config;  // --config; empty: the lookup order of veloranth-cli
    int beforeMinutes = 0;
    bool sound = true;
    std::string audioSink;  // GStreamer's output; empty: the desktop's default
};

// Writes "veloranth-notify: TEXT" on standard error (the journal, under systemd).
void Log(const std::string& utf8);

class Companion {
  public:
    explicit Companion(Settings settings);
    void OnWake(platform::WakeReason reason);

  private:
    void Reload();
    void Notify(const Due& due);
    void Call(const std::string& path, bool toneIfItFails);

    Settings settings_;
    std::unique_ptr<MainState> state_;  // null while no data.cfg can be used
    std::string stateFile_;
    std::int64_t last_ = kNothingYet;
};

}  // namespace veloranth::notify
