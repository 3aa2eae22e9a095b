// What the companion has already notified, kept across restarts: the last instant dealt
// with, in $XDG_STATE_HOME/veloranth/notified (by default ~/.local/state/veloranth/notified).
#pragma once

#include <cstdint>
#include <string>

namespace veloranth::notify {

// The file's path; empty when neither XDG_STATE_HOME (an absolute path) nor HOME says.
std::string LastNotifiedPath();

// The instant the file holds ("2026-03-10T12:01:00Z"); kNothingYet when it holds none.
std::int64_t ReadLastNotified(const std::string& path);

// Replaces the file in one step, making its folder; false with `error` set.
bool WriteLastNotified(const std::string& path, std::int64_t instant, std::string& error);

}  // namespace veloranth::notify
