// Playing a sound without waiting: the call at prayer time. Only the Windows programs
// call; the command line has nothing to play. The main program links the player apart
// (platform_sound), so that its tests can link a recording stand-in instead.
#pragma once

#include <cstddef>
#include <string>

namespace veloranth::platform {

// Starts playing a WAV file (by its full path) and returns at once. Nothing plays, and
// nothing is said, on a machine without a sound device or when the player refuses.
void PlayWaveFile(const std::u16string& path);

// The same for a whole WAV file in memory, which must stay where it is while it plays
// (a resource of the program does).
void PlayWaveImage(const void* wave, std::size_t size);

}  // namespace veloranth::platform
