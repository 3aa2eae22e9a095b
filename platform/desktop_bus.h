// The desktop companion's buses (Linux): its name on the session bus (one instance a
// session), notifications through the freedesktop notification service, and logind's
// announcement of a resume on the system bus. The addresses come from the environment
// (DBUS_SESSION_BUS_ADDRESS, DBUS_SYSTEM_BUS_ADDRESS), as for any program.
#pragma once

#include <functional>
#include <string>

namespace veloranth::platform {

enum class NameResult { Taken, HeldByAnother, NoBus };

// Connects to the session bus and takes `name`, never queueing for it; `error` says why
// there is no bus.
NameResult TakeSessionName(const char* name, std::string& error);

struct DesktopNotification {
    std::string summary;
    std::string body;
    std::string stopLabel;  // the label of the action that stops the call; empty: none
};

// Shows the notification without waiting for the service; a failure is given to `failed`
// (the service's error text).
void ShowNotification(const DesktopNotification& notification,
                      const std::function<void(const std::string&)>& failed);

// Called when the user chooses the stop action of the latest notification that has one.
void OnStopAction(const std::function<void()>& stop);

// Listens for logind's PrepareForSleep(false) on the system bus: each wakes the loop with
// WakeReason::Resume. False with `error` set when there is no system bus.
bool WatchResume(std::string& error);

}  // namespace veloranth::platform
