// The call's sounds through PlaySoundW, asynchronous: the clock's paint never waits for it.
#include "platform/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <string>

#include "base/codepage.h"
#include "platform/files.h"
#include "platform/win/wide.h"

namespace veloranth::platform {

namespace {

// The test interface of sound.h: the request, as a line of the named file.
void RecordRequest(const std::string& line) {
    wchar_t record[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(kSoundRecordVariable, record, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    if (std::FILE* f = OpenFile(FromWide(record), "ab")) {
        std::fputs((line + "\n").c_str(), f);
        std::fclose(f);
    }
}

// Without a device the player would fall back to nothing anyway; asking it would only
// cost a thread.
bool HasSoundDevice() {
    return waveOutGetNumDevs() > 0;
}

}  // namespace

void PlayWaveFile(const std::u16string& path) {
    RecordRequest("file " + Utf16ToUtf8(path));
    if (HasSoundDevice()) {
        PlaySoundW(WideChars(path), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
}

void PlayWaveImage(const void* wave, std::size_t size) {
    RecordRequest("image " + std::to_string(size) + " bytes");
    if (HasSoundDevice()) {
        PlaySoundW(static_cast<LPCWSTR>(wave), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}

}  // namespace veloranth::platform
