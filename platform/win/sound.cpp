// The call's sounds through PlaySoundW, asynchronous: the clock never waits for it.
#include "platform/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win/wide.h"

namespace veloranth::platform {

namespace {

// Without a device the player would fall back to nothing anyway; asking it would only
// cost a thread.
bool HasSoundDevice() {
    return waveOutGetNumDevs() > 0;
}

}  // namespace

void PlayWaveFile(const std::u16string& path) {
    if (HasSoundDevice()) {
        PlaySoundW(WideChars(path), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
}

void PlayWaveImage(const void* wave, std::size_t) {
    if (HasSoundDevice()) {
        PlaySoundW(static_cast<LPCWSTR>(wave), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}

}  // namespace veloranth::platform
