// The call's sound: its moment is the day's, the memory of the last call the window's,
// the choice of sound the configuration's, the playing the platform's (it never waits).
#include "app/call_sound.h"

#include <windows.h>

#include "app/program.h"
#include "app/resource.h"
#include "base/calendar_date.h"
#include "engine/schedule.h"
#include "platform/clock.h"
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

void SoundDueCalls() {
    Program& p = TheProgram();
    if (!p.state.townApplied) {
        return;  // no town, no times
    }
    const platform::LocalDateTime now = platform::LocalTime();
    const ObservationDate today{now.day, now.month, now.year};
    const CivilDate before = CivilFromDays(DaysFromCivil(now.year, now.month, now.day) - 1);
    const DayInputs in = InputsOf(p.state);
    const PrayerDay days[] = {
        ComputeDaySchedule(in, {before.day, before.month, static_cast<int>(before.year)}),
        ComputeDaySchedule(in, today)};
    const double clock = ClockSeconds(
        today, now.hour + now.minute / 60.0 + (now.second + now.millisecond / 1000.0) / 3600.0);
    if (CallsDue({&days[0], &days[1]}, clock, p.lastCall) == 0) {
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
