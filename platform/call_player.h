// Playing the call (Linux): a sound file of any common format (WAV, Ogg, MP3, FLAC)
// decoded and played through the desktop's sound server, without waiting.
#pragma once

#include <functional>
#include <string>

namespace veloranth::platform {

struct PlayOutcome {
    bool played = false;   // it reached its end, or was stopped
    bool stopped = false;  // StopSound ended it
    double seconds = 0;    // how much of it was played
    std::string error;     // why it did not play (a file it cannot decode, no sound device)
};

// Starts playing `path` to `sink`, GStreamer's description of an output ("pulsesink",
// "alsasink device=hw:1", "fakesink sync=true"; empty: the desktop's default), stopping
// what plays. `done` is called on the loop once it has ended, either way.
void PlaySoundFile(const std::string& path, const std::string& sink,
                   const std::function<void(const PlayOutcome&)>& done);

// Ends what plays now, if anything (its `done` says it was stopped).
void StopSound();

}  // namespace veloranth::platform
