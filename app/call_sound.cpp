// The call's sound: the memory of calls heard is the window's, the choice of sound the
// configuration's, the playing the platform's (it never waits).
#include "app/call_sound.h"

#include <windows.h>

#include "app/program.h"
#include "app/resource.h"
#include "platform/sound.h"
#include "reports/prayer_call.h"

namespace veloranth::app {

namespace {

// The built-in tone, a WAV resource of the program: it stays loaded while the program runs.
void PlayTone() {
    HINSTANCE instance = TheProgram().instance;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_CALL_TONE), L"WAVE");
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* wave = loaded ? LockResource(loaded) : nullptr;
    if (wave != nullptr) {
        platform::PlayWaveImage(wave, SizeofResource(instance, found));
    }
}

}  // namespace

void SoundTheCall(unsigned calling, const platform::LocalDateTime& now) {
    Program& p = TheProgram();
    if (TakeNewCalls(p.callsHeard, now.year, now.month, now.day, calling) == 0) {
        return;
    }
    CallChoice choice = ChooseCallSound(p.state.config, ProgramFolder());
    switch (choice.sound) {
        case CallSound::kFile:
            platform::PlayWaveFile(choice.file);
            break;
        case CallSound::kTone:
            PlayTone();
            break;
        case CallSound::kNone:
            break;
    }
}

}  // namespace veloranth::app
